#pragma once
// Every picture of the game, loaded once at start-up into one flat table of surfaces
// addressed by slot number (see imageSlots.h). Slot 0 is the screen, so any routine
// that holds the bank can draw. Shaded pictures are held in 25 copies, darkened once
// here, so that drawing never computes a colour.
#include <SDL.h>

#include <cstdint>
#include <string>

#include "media/imageFiles.h"
#include "media/imageSlots.h"

class imageBank {
  public:
    imageBank();
    ~imageBank();
    imageBank(const imageBank &) = delete;
    imageBank &operator=(const imageBank &) = delete;

    SDL_Surface *slots[imageSlotCount];
    int32_t darkenStep[lightLevels]; // how far each light level pulls a channel

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
    // Stages 2 ... 7 by number; any other number does nothing.
    void loadStage(int stage);
    // All seven stages at once, for callers that show no progress.
    void loadImages(SDL_Surface *screen);

    // Darkens light levels 1 ... 24 of each listed shaded picture towards black.
    void darkenImages(const pictureList &pictures);
    // Pulls every texel but pure magenta towards the target colour (0xRRGGBB) by the
    // level's step; with clearNearTarget a texel that ends within 1 of the target in
    // every channel becomes black. Channels that were 0 stay 0.
    void darken(SDL_Surface *surface, int level, Uint32 target, bool clearNearTarget) const;

    // Frees every picture once and empties its slot; the screen is not the bank's to free.
    void freeImages();

    // IMG_Load, then the display format with alpha; null when the file cannot be read.
    static SDL_Surface *loadImage(const std::string &path);

  private:
    void placeInSlot(int slot, SDL_Surface *surface);
    void loadPlain(const pictureList &pictures);
    void loadShaded(const pictureList &pictures);
    void loadShadedCopies(const picturePlace &picture);
};
