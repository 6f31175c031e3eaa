// velmora-floor: times the least a frame can cost on this machine, one opaque 640 x 480 blit
// onto the screen and the present, under the same drivers and window as the replay tool's
// timedemo, and prints its median, 99th percentile and max as one JSON line.
//
//     velmora-floor [PASSES]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <SDL.h>

#include "app/jsonLine.h"
#include "platform/video.h"
#include "timedemo.h"

namespace {

// Not black: a blit of a screen already black would show nothing changing.
SDL_Surface *opaquePicture() {
    SDL_Surface *raw =
        SDL_CreateRGBSurface(SDL_SWSURFACE, screenWidth, screenHeight, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    if (raw == nullptr) {
        return nullptr;
    }
    SDL_FillRect(raw, nullptr, 0x406080);
    SDL_Surface *picture = SDL_DisplayFormat(raw);
    SDL_FreeSurface(raw);
    return picture;
}

double summaryMs(double value) {
    return static_cast<double>(static_cast<long long>(value * 1000.0 + 0.5)) / 1000.0;
}

} // namespace

int main(int argc, char **argv) {
    const int passes = argc > 1 ? std::atoi(argv[1]) : 600;
    if (passes <= 0) {
        std::fprintf(stderr, "usage: velmora-floor [PASSES]\n");
        return 2;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const screenHandle screen = openGameWindow(1);
    SDL_Surface *picture = screen.isOpen() ? opaquePicture() : nullptr;
    if (picture == nullptr) {
        std::fprintf(stderr, "velmora-floor: no screen to draw on\n");
        return 1;
    }
    std::vector<double> samples;
    samples.reserve(passes);
    for (int pass = 0; pass < passes; pass++) {
        const auto start = std::chrono::steady_clock::now();
        SDL_BlitSurface(picture, nullptr, screen.surface, nullptr);
        SDL_Flip(screen.surface);
        samples.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    const timingSummary floor = summarise(samples);
    const std::string figures = jsonLine()
                                    .add("passes", passes)
                                    .add("median_ms", summaryMs(floor.medianMs))
                                    .add("p99_ms", summaryMs(floor.p99Ms))
                                    .add("max_ms", summaryMs(floor.maxMs))
                                    .text();
    std::printf("%s\n", jsonLine().addRaw("floor", figures).text().c_str());
    SDL_FreeSurface(picture);
    closeGameAndExit(0, false);
}
