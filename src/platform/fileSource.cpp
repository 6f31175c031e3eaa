#include "platform/regularFile.h"

#include <SDL_image.h>

const char *const soundFileExtension = ".wav";

SDL_RWops *openRegularSource(const std::string &path) {
    std::FILE *file = openRegularStream(path);
    if (file == nullptr) {
        return nullptr;
    }
    SDL_RWops *source = SDL_RWFromFP(file, SDL_TRUE); // closes the file when freed
    if (source == nullptr) {
        std::fclose(file);
    }
    return source;
}

SDL_Surface *loadPictureFile(const std::string &path) {
    SDL_RWops *source = openRegularSource(path);
    return source != nullptr ? IMG_Load_RW(source, 1) : nullptr;
}

bool isReadablePicture(const std::string &path) {
    SDL_Surface *const picture = loadPictureFile(path);
    SDL_FreeSurface(picture);
    return picture != nullptr;
}
