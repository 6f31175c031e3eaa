// Start-up cost of the image bank with the generated art: reading every picture,
// copying the shaded ones 25 times and darkening the copies.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "media/imageBank.h"

namespace {

SDL_Surface *benchScreen() {
    static SDL_Surface *screen = nullptr;
    if (screen == nullptr) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        SDL_Init(SDL_INIT_VIDEO);
        screen = SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
        std::filesystem::current_path(VELMORA_ASSETS_DIR);
    }
    return screen;
}

int filledSlots(const imageBank &bank) {
    int filled = 0;
    for (int slot = 1; slot < imageSlotCount; slot++) {
        filled += bank.slots[slot] != nullptr;
    }
    return filled;
}

void reportMemory(benchmark::State &state) {
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peakMemoryMiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void loadAllImages(benchmark::State &state) {
    SDL_Surface *screen = benchScreen();
    int filled = 0;
    for (auto _ : state) {
        auto bank = std::make_unique<imageBank>();
        bank->loadImages(screen);
        state.PauseTiming();
        filled = filledSlots(*bank);
        bank.reset();
        state.ResumeTiming();
    }
    state.counters["filledSlots"] = filled;
    reportMemory(state);
}

// The last two stages alone: darkening about 5000 copies of 64 x 64 texels.
void darkenAllCopies(benchmark::State &state) {
    SDL_Surface *screen = benchScreen();
    for (auto _ : state) {
        state.PauseTiming();
        auto bank = std::make_unique<imageBank>();
        bank->loadLogoAndFont(screen);
        for (int stage = 2; stage <= 5; stage++) {
            bank->loadStage(stage);
        }
        state.ResumeTiming();
        bank->loadStage(6);
        bank->loadStage(7);
        state.PauseTiming();
        bank.reset();
        state.ResumeTiming();
    }
    reportMemory(state);
}

} // namespace

BENCHMARK(loadAllImages)->Unit(benchmark::kMillisecond);
BENCHMARK(darkenAllCopies)->Unit(benchmark::kMillisecond);
