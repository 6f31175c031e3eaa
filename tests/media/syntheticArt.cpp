#include "syntheticArt.h"

#include <unistd.h>

#include <filesystem>
#include <random>

#include "media/helpers.h"
#include "media/pngFile.h"
#include "support/sdlTestEnvironment.h"

SDL_Surface *makeSurface(int width, int height, Uint32 rgb) {
    SDL_Surface *surface =
        SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    SDL_FillRect(surface, nullptr,
                 SDL_MapRGB(surface->format, static_cast<Uint8>(rgb >> 16), static_cast<Uint8>(rgb >> 8),
                            static_cast<Uint8>(rgb)));
    return surface;
}

Uint32 texelColour(SDL_Surface *surface, int x, int y) {
    if (surface == nullptr) {
        return noTexel;
    }
    const surfaceLock lock(surface);
    return getPixel(surface, x, y) & 0xFFFFFF;
}

static void makeParentFolders(const std::string &path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
}

void writePicture(const std::string &path, SDL_Surface *surface) {
    makeParentFolders(path);
    saveSurfacePng(surface, path);
}

void writePicture(const std::string &path, int width, int height, Uint32 rgb) {
    SDL_Surface *surface = makeSurface(width, height, rgb);
    writePicture(path, surface);
    SDL_FreeSurface(surface);
}

void writeGarbage(const std::string &path, size_t bytes) {
    std::mt19937 random(static_cast<unsigned>(bytes));
    std::string noise(bytes, '\0');
    for (char &byte : noise) {
        byte = static_cast<char>(random() & 0xFF);
    }
    makeParentFolders(path);
    writeWholeFile(path, noise);
}

workingFolder::workingFolder(const std::string &folder) : previous(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
}

workingFolder::~workingFolder() {
    std::filesystem::current_path(previous);
}
