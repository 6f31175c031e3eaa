#include "media/imageBank.h"

#include <SDL_image.h>

#include <algorithm>

#include "media/helpers.h"

imageBank::imageBank() {
    std::fill(std::begin(slots), std::end(slots), nullptr);
    // The darkest level removes everything: 255 rather than 11 * 24.
    for (int level = 0; level < darkestLevel; level++) {
        darkenStep[level] = 11 * level;
    }
    darkenStep[darkestLevel] = 255;
}

imageBank::~imageBank() {
    freeImages();
}

SDL_Surface *imageBank::loadImage(const std::string &path) {
    SDL_Surface *loaded = IMG_Load(path.c_str());
    if (loaded == nullptr) {
        return nullptr;
    }
    SDL_Surface *converted = SDL_DisplayFormatAlpha(loaded);
    SDL_FreeSurface(loaded);
    return converted;
}

void imageBank::placeInSlot(int slot, SDL_Surface *surface) {
    // A stage run a second time replaces its pictures rather than leaking them.
    if (slots[slot] != nullptr) {
        SDL_FreeSurface(slots[slot]);
    }
    slots[slot] = surface;
}

void imageBank::loadPlain(const pictureList &pictures) {
    for (const picturePlace &picture : pictures) {
        placeInSlot(picture.slot, loadImage(picture.path));
    }
}

// The renderer and the darkening pass index 64 x 64 texels without checks, so a shaded
// picture of any other size or depth is treated like an unreadable file.
static bool fitsShadedSlots(const SDL_Surface *picture) {
    return picture->w == shadedPictureSize && picture->h == shadedPictureSize &&
           picture->format->BytesPerPixel == 4;
}

// Each file is read once and copied for the darker levels.
void imageBank::loadShadedCopies(const picturePlace &picture) {
    SDL_Surface *loaded = loadImage(picture.path);
    if (loaded == nullptr) {
        return;
    }
    if (!fitsShadedSlots(loaded)) {
        SDL_FreeSurface(loaded);
        return;
    }
    for (int level = 1; level < lightLevels; level++) {
        placeInSlot(picture.slot + level, SDL_ConvertSurface(loaded, loaded->format, loaded->flags));
    }
    placeInSlot(picture.slot, loaded);
}

void imageBank::loadShaded(const pictureList &pictures) {
    for (const picturePlace &picture : pictures) {
        loadShadedCopies(picture);
    }
}

void imageBank::loadLogoAndFont(SDL_Surface *screen) {
    slots[screenSlot] = screen;
    loadPlain(logoAndFontPictures());
}

void imageBank::loadDashboard() {
    loadPlain(dashboardPictures());
}

void imageBank::loadGroundAndBlank() {
    loadShaded(groundPictures());
    loadShadedCopies(blankPicture());
}

void imageBank::loadCars() {
    loadShaded(carPictures());
}

void imageBank::loadSignsCreaturesAndLights() {
    loadShaded(signPictures());
    loadShaded(creatureAndLightPictures());
}

void imageBank::darkenGroundCarsAndSigns() {
    darkenImages(groundPictures());
    darkenImages(carPictures());
    darkenImages(signPictures());
}

void imageBank::darkenCreaturesAndLights() {
    darkenImages(creatureAndLightPictures());
}

void imageBank::loadStage(int stage) {
    switch (stage) {
    case 2:
        loadDashboard();
        break;
    case 3:
        loadGroundAndBlank();
        break;
    case 4:
        loadCars();
        break;
    case 5:
        loadSignsCreaturesAndLights();
        break;
    case 6:
        darkenGroundCarsAndSigns();
        break;
    case 7:
        darkenCreaturesAndLights();
        break;
    default:
        break;
    }
}

void imageBank::loadImages(SDL_Surface *screen) {
    loadLogoAndFont(screen);
    for (int stage = 2; stage <= loadingStages; stage++) {
        loadStage(stage);
    }
}

void imageBank::darkenImages(const pictureList &pictures) {
    constexpr Uint32 black = 0x000000;
    for (const picturePlace &picture : pictures) {
        for (int level = 1; level < lightLevels; level++) {
            darken(slots[picture.slot + level], level, black, true);
        }
    }
}

void imageBank::freeImages() {
    for (int slot = screenSlot + 1; slot < imageSlotCount; slot++) {
        SDL_FreeSurface(slots[slot]);
        slots[slot] = nullptr;
    }
}
