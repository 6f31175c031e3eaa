#include "platform/regularFile.h"

#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>

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
    constexpr std::array<unsigned char, 8> pngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::FILE *const file = openRegularStream(path);
    if (file == nullptr) {
        return false;
    }
    std::array<unsigned char, 8> start{};
    const bool isPng =
        std::fread(start.data(), 1, start.size(), file) == start.size() && start == pngSignature;
    std::fclose(file);
    return isPng;
}
