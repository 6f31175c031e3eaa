#pragma once
// Every picture of the game, loaded once at start-up and addressed by slot number (see
// imageSlots.h). Plain pictures are surfaces in `slots`; slot 0 is the screen, so any
// routine that holds the bank can draw. A shaded picture is held once as colour indices
// with a palette per light level, darkened once here, so that drawing never computes a
// colour; its 25 slots read it at their levels. The logo frames are large and shown only
// before the title menu: each is read from its file when the logo shows it.
#include <SDL.h>

#include <cstdint>
#include <string>

#include "media/imageBankShaded.h"
#include "media/imageFiles.h"
#include "media/imageSlots.h"

class imageBank {
  public:
    imageBank();
    ~imageBank();
    imageBank(const imageBank &) = delete;
    imageBank &operator=(const imageBank &) = delete;

    SDL_Surface *slots[imageSlotCount];     // the screen and the plain pictures
    shadedPicture shaded[shadedFrameCount]; // by frame, see shadedFrameOf
    int32_t darkenStep[lightLevels];        // how far each light level pulls a channel

    // The texels a shaded slot shows at its light level; empty for a slot that is not
    // shaded or whose frame has no picture.
    shadedTexels texelsAt(int slot) const;
    // Indexes a 64 x 64 picture into the shaded frame that holds `slot`, every level
    // showing it as given until darkenImages runs; any other picture empties the frame.
    void placeShaded(int slot, SDL_Surface *picture);

    // The seven loading stages, in the order the game runs them; the loading word is
    // redrawn between them. The first keeps the screen in slot 0.
    static constexpr int loadingStages = 7;
    void loadLogoAndFont(SDL_Surface *screen); // 1
    void loadDashboard();                      // 2
    void loadGroundAndBlank();                 // 3
    void loadCars();                           // 4
    void loadSignsCreaturesAndLights();        // 5
    void darkenGroundCarsAndSigns();           // 6
    void darkenCreaturesAndLights();           // 7
    // Stage 1 leaves the logo frames to showLogoFrame. Stages 2 ... 7 by number; any
    // other number does nothing.
    void loadStage(int stage);
    // All seven stages at once, for callers that show no progress.
    void loadImages(SDL_Surface *screen);

    // Darkens light levels 1 ... 24 of each listed shaded picture towards black.
    void darkenImages(const pictureList &pictures);

    // Makes the logo frame's slot hold its picture, read from its file the first time it
    // is asked for; the frame shown before it is freed, so only one is held at a time.
    void showLogoFrame(int frame);
    // Frees the logo frame held, once the title is over.
    void releaseLogo();
    // Pulls every texel but pure magenta towards the target colour (0xRRGGBB) by the
    // level's step; with clearNearTarget a texel that ends within 1 of the target in
    // every channel becomes black. Channels that were 0 stay 0.
    void darken(SDL_Surface *surface, int level, Uint32 target, bool clearNearTarget) const;

    // Frees every picture once and empties its slot; the screen is not the bank's to free.
    void freeImages();

    // A picture in the display format with alpha; null when the file cannot be read.
    static SDL_Surface *loadImage(const std::string &path);
    // The same through the image library alone, for any PNG (and for comparison).
    static SDL_Surface *loadThroughImageLibrary(const std::string &path);

  private:
    int logoFrameHeld = -1; // the logo frame whose file was last read, or -1

    void placeInSlot(int slot, SDL_Surface *surface);
    void loadPlain(const pictureList &pictures);
    void loadShaded(const pictureList &pictures);
    void loadShadedPicture(const picturePlace &picture);
};
