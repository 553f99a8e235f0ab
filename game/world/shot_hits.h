// Shot hits of one update tick: player shots against monsters, then enemy shots against
// the player; shots that left the field are removed. Both halves share one voice on
// "waterhit.mp3".
#pragma once

void resolveShotHits();
