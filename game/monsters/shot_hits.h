// Shot hits of one update tick: player shots against monsters, then enemy shots against
// the player; shots that left the field are removed.
#pragma once

void resolveShotHits();
