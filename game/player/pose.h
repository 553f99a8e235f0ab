// The player's pose in each pass: the picture for its state and animation step, its facing,
// and the state changes that come with a pose's last picture (the end of a strike, a shot pose
// or a meal, which restores hit points, energy and 5 shots).
#pragma once

// Steps the player's animation by the clock (more than 120 ms; the run pictures, while H is
// down, more than 80), picks the picture and its facing (the held horizontal key, else the
// remembered side, kept in player.facingRight; the shot pose and the meal face the last aim
// point; the fallen picture once hit points are gone) into shownPictures.player, and ends a
// strike, shot pose or meal once its last picture has been chosen. Keys are read as down now,
// so a press latched for the next update stays latched.
void stepPlayerPose();
