// What the world takes from the loaded catalogue: the sizes its rules measure with and the
// pictures it hands to records. Start-up takes them after every load of the pictures.
#pragma once

// Fills ruleSizes (the player box, a meal, the shots, the bomb, the blast, each kind's boxes
// from the table of kinds) and worldPictures from the catalogue as loaded now.
void takeCatalogueMeasures();
