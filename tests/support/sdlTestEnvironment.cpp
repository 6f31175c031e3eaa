#include "support/sdlTestEnvironment.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/video.h"

SDL_Surface *dummyScreen() {
    static bool started = false;
    if (!started) {
        SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER);
        started = true;
    }
    SDL_Surface *screen = SDL_GetVideoSurface();
    if (screen == nullptr) {
        screen = SDL_SetVideoMode(screenWidth, screenHeight, screenDepth, windowedVideoFlags);
    }
    return screen;
}

temporaryFolder::temporaryFolder() {
    char pattern[] = "/tmp/velmora-test-XXXXXX";
    const char *made = mkdtemp(pattern);
    folder = made != nullptr ? made : "";
}

temporaryFolder::~temporaryFolder() {
    std::error_code ignored;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(folder, ignored);
}

std::string temporaryFolder::file(const std::string &name) const {
    return folder + "/" + name;
}

std::string readWholeFile(const std::string &path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

void writeWholeFile(const std::string &path, const std::string &contents) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << contents;
}

Uint32 pixelRgb(SDL_Surface *surface, int x, int y) {
    SDL_LockSurface(surface);
    const Uint8 *pixel =
        static_cast<const Uint8 *>(surface->pixels) + y * surface->pitch + x * surface->format->BytesPerPixel;
    Uint32 value = 0;
    std::memcpy(&value, pixel, surface->format->BytesPerPixel);
    SDL_UnlockSurface(surface);
    Uint8 r, g, b;
    SDL_GetRGB(value, surface->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}
