#include "platform/regularFile.h"

#include <unistd.h>

#include <cstring>

#include "platform/pngSignature.h"

// Ogg Vorbis: a tenth of the size of the wave files, and every browser decodes it.
const char *const soundFileExtension = ".ogg";

// SDL here reads files only by name, through its own sources; the check on the file stays.
SDL_RWops *openRegularSource(const std::string &path) {
    const int fd = openRegularFile(path);
    if (fd < 0) {
        return nullptr;
    }
    close(fd);
    return SDL_RWFromFile(path.c_str(), "rb");
}

// The page has no use for the image library: every picture of the game is a plain PNG.
SDL_Surface *loadPictureFile(const std::string &) {
    return nullptr;
}

bool isReadablePicture(const std::string &path) {
    return startsAsPng(path);
}
