// Start-up cost of the image bank with the generated art. The bank reads every shaded file
// once and darkens its palettes; the naive loader beside it reads every shaded file 25
// times, once per light level, through the image library, and darkens 24 of the copies
// texel by texel. Both run in one benchmark binary, so their ratio is read off one run.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

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

void reportMemory(benchmark::State &state) {
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peakMemoryMiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

pictureList allShadedPictures() {
    pictureList all = groundPictures();
    for (const pictureList &more : {carPictures(), signPictures(), creatureAndLightPictures()}) {
        all.insert(all.end(), more.begin(), more.end());
    }
    return all;
}

// The loader as first written: 25 copies of each shaded file, each read by the image library
// and converted, levels 1 ... 24 darkened as whole surfaces.
int loadNaively(const imageBank &bank, const pictureList &pictures, std::vector<SDL_Surface *> &copies) {
    for (const picturePlace &picture : pictures) {
        for (int level = 0; level < lightLevels; level++) {
            SDL_Surface *copy = imageBank::loadThroughImageLibrary(picture.path);
            if (copy == nullptr) {
                continue;
            }
            if (level > 0) {
                bank.darken(copy, level, 0x000000, true);
            }
            copies.push_back(copy);
        }
    }
    return static_cast<int>(copies.size());
}

// Every stage of the game's own loader.
void loadAllImages(benchmark::State &state) {
    SDL_Surface *screen = benchScreen();
    int frames = 0;
    double shadedBytes = 0;
    for (auto _ : state) {
        auto bank = std::make_unique<imageBank>();
        bank->loadImages(screen);
        state.PauseTiming();
        frames = 0;
        shadedBytes = 0;
        for (const shadedPicture &picture : bank->shaded) {
            frames += !picture.empty();
            shadedBytes += static_cast<double>(picture.indices.size() * sizeof(uint16_t) +
                                               picture.palettes.size() * sizeof(Uint32));
        }
        bank.reset();
        state.ResumeTiming();
    }
    state.counters["shadedFrames"] = frames;
    state.counters["shadedMiB"] = shadedBytes / (1024.0 * 1024.0);
    reportMemory(state);
}

// The shaded pictures alone, the game's way: each file read once, its palettes darkened.
void shadedOnce(benchmark::State &state) {
    benchScreen();
    const pictureList pictures = allShadedPictures();
    for (auto _ : state) {
        auto bank = std::make_unique<imageBank>();
        for (const picturePlace &picture : pictures) {
            SDL_Surface *loaded = imageBank::loadImage(picture.path);
            bank->placeShaded(picture.slot, loaded);
            SDL_FreeSurface(loaded);
        }
        bank->darkenImages(pictures);
        state.PauseTiming();
        bank.reset();
        state.ResumeTiming();
    }
    state.counters["pictures"] = static_cast<double>(pictures.size());
}

// The same shaded pictures, the naive way.
void shadedNaively(benchmark::State &state) {
    benchScreen();
    const pictureList pictures = allShadedPictures();
    const imageBank bank;
    int copies = 0;
    for (auto _ : state) {
        std::vector<SDL_Surface *> held;
        copies = loadNaively(bank, pictures, held);
        state.PauseTiming();
        for (SDL_Surface *copy : held) {
            SDL_FreeSurface(copy);
        }
        state.ResumeTiming();
    }
    state.counters["copies"] = copies;
}

} // namespace

BENCHMARK(loadAllImages)->Unit(benchmark::kMillisecond);
BENCHMARK(shadedOnce)->Unit(benchmark::kMillisecond);
BENCHMARK(shadedNaively)->Unit(benchmark::kMillisecond);
