#pragma once
// Which picture file goes to which image bank slot, grouped the way loading runs.
#include <string>
#include <vector>

// The lists below walk the slot table (media/imageSlots.h); a new picture is a row there, or
// a file named here when its group names its files one by one.
// For a plain picture `slot` is its one slot; for a shaded picture it is the slot of its
// full-light copy, the 24 darker copies following it.
struct picturePlace {
    std::string path;
    int slot;
};
using pictureList = std::vector<picturePlace>;

// Plain pictures, one slot each.
pictureList logoAndFontPictures(); // logo frames, copyrights, glyphs
std::string logoFramePath(int frame);
pictureList dashboardPictures(); // everything under art/hud/

// Shaded pictures, 25 slots each.
pictureList groundPictures();           // the 21 tile codes that have a picture
picturePlace blankPicture();            // its copies are never darkened
pictureList carPictures();              // cars and ghost cars
pictureList signPictures();             // lamp posts, stop signs, road signs
pictureList creatureAndLightPictures(); // butterflies, trees, statues, moon, flames, lightning
