// Drawing of the living monsters with their facing, animation and attack-end rules.
#pragma once

void drawMonsters();
