#include "media/imageBank.h"

#include <algorithm>

#include "media/helpers.h"
#include "media/pngFile.h"
#include "platform/regularFile.h"
#include "platform/surfaces.h"

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
    // Plain 8-bit PNGs, all of the game's art, go straight into the display format.
    SDL_Surface *sample = displayAlphaSample();
    SDL_Surface *read = readPlainPng(path, sample);
    SDL_FreeSurface(sample);
    return read != nullptr ? read : loadThroughImageLibrary(path);
}

SDL_Surface *imageBank::loadThroughImageLibrary(const std::string &path) {
    SDL_Surface *loaded = loadPictureFile(path);
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

shadedTexels imageBank::texelsAt(int slot) const {
    if (!isShadedSlot(slot)) {
        return {};
    }
    return shaded[shadedFrameOf(slot)].atLevel(lightLevelOf(slot));
}

void imageBank::placeShaded(int slot, SDL_Surface *picture) {
    if (isShadedSlot(slot)) {
        shaded[shadedFrameOf(slot)].index(picture);
    }
}

// Each file is read once; a file that cannot be read, or is not 64 x 64, leaves the frame
// empty.
void imageBank::loadShadedPicture(const picturePlace &picture) {
    SDL_Surface *loaded = loadImage(picture.path);
    placeShaded(picture.slot, loaded);
    SDL_FreeSurface(loaded);
}

void imageBank::loadShaded(const pictureList &pictures) {
    for (const picturePlace &picture : pictures) {
        loadShadedPicture(picture);
    }
}

void imageBank::loadLogoAndFont(SDL_Surface *screen) {
    slots[screenSlot] = screen;
    pictureList copyrightsAndFont = logoAndFontPictures();
    std::erase_if(copyrightsAndFont, [](const picturePlace &picture) { return isLogoSlot(picture.slot); });
    loadPlain(copyrightsAndFont);
}

void imageBank::loadDashboard() {
    loadPlain(dashboardPictures());
}

void imageBank::loadGroundAndBlank() {
    loadShaded(groundPictures());
    loadShadedPicture(blankPicture());
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
    for (const picturePlace &picture : pictures) {
        if (isShadedSlot(picture.slot)) {
            shaded[shadedFrameOf(picture.slot)].darken(darkenStep);
        }
    }
}

void imageBank::showLogoFrame(int frame) {
    if (frame < 0 || frame >= introLogoFrames || frame == logoFrameHeld) {
        return;
    }
    releaseLogo();
    // A missing file is not looked for again until another frame has been shown.
    logoFrameHeld = frame;
    placeInSlot(introLogoBase + frame, loadImage(logoFramePath(frame)));
}

void imageBank::releaseLogo() {
    if (logoFrameHeld >= 0) {
        SDL_FreeSurface(slots[introLogoBase + logoFrameHeld]);
        slots[introLogoBase + logoFrameHeld] = nullptr;
        logoFrameHeld = -1;
    }
}

void imageBank::freeImages() {
    for (int slot = screenSlot + 1; slot < imageSlotCount; slot++) {
        SDL_FreeSurface(slots[slot]);
        slots[slot] = nullptr;
    }
    logoFrameHeld = -1;
    for (shadedPicture &picture : shaded) {
        picture.clear();
    }
}
