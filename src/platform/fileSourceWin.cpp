#include "platform/regularFile.h"

#include <cstdio>

#include "platform/pngSignature.h"

const char *const soundFileExtension = ".wav";

SDL_RWops *openRegularSource(const std::string &path) {
    std::FILE *file = openRegularStream(path);
    if (file == nullptr) {
        return nullptr;
    }
    SDL_RWops *source = SDL_RWFromFP(file, 1); // closes the file when freed
    if (source == nullptr) {
        std::fclose(file);
    }
    return source;
}

// Windows has no use for the image library: every picture of the game is a plain PNG, which
// the game reads itself, and the window's icon is the program's own.
SDL_Surface *loadPictureFile(const std::string &) {
    return nullptr;
}

bool isReadablePicture(const std::string &path) {
    return startsAsPng(path);
}
