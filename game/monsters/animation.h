// The monsters' animation step: each living slot's picture for this pass, its frame steps by
// the clock, and the end of the cloud's volley and of the other kinds' attack animations.
#pragma once

// For slots 0 to 6: records the slot's picture in shownPictures.monsters (null for a free
// slot, one without pictures, or a state that shows nothing), stepping its run when more than
// 120 ms have passed since the slot's frame clock and ending an attack whose animation ran out.
void stepMonsterAnimations();
