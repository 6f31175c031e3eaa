// The screen layers of a play frame with the generated art: the headlight glow, the bonnet,
// dashboard and gauges as the dashboard drawer puts them down, and the whole frame of level
// 14 (its busiest level) with the headlights on, present included.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/game.h"
#include "app/sceneOfPass.h"
#include "media/dashboard.h"
#include "media/imageSlots.h"
#include "player/carView.h"

namespace {

SDL_Surface *layersBenchScreen() {
    if (SDL_Surface *screen = SDL_GetVideoSurface()) {
        return screen;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_Init(SDL_INIT_VIDEO);
    std::filesystem::current_path(VELMORA_ASSETS_DIR);
    return SDL_SetVideoMode(640, 480, 32, SDL_HWSURFACE | SDL_ANYFORMAT | SDL_DOUBLEBUF);
}

// Level 14 entered as the game enters it, the car on its road with the headlights on.
game &levelFourteenScene() {
    static std::unique_ptr<game> session;
    if (session) {
        return *session;
    }
    char folder[] = "/tmp/velmora-bench-XXXXXX";
    session = std::make_unique<game>(screenHandle{layersBenchScreen()}, prepareDataFiles(mkdtemp(folder)));
    session->levels.startLevel = 14;
    session->context.state = gameState::inGame;
    session->context.entered = false;
    runPassLogic(*session); // enters the level and places its objects
    playerCar &car = session->world.car;
    car.placeAt({.x = 40.5, .y = 30.5, .dirX = 0, .dirY = 1, .planeX = 0.8, .planeY = 0, .heading = 90});
    car.headlightsOn = true;
    followCar(session->world.view, car);
    describeView(session->context, session->pass);
    session->frameRenderer.shown = session->pass;
    return *session;
}

void headlightGlow(benchmark::State &state) {
    game &session = levelFourteenScene();
    for (auto _ : state) {
        session.frameRenderer.layers.blit(headlightsSlot, -10, -10);
        benchmark::ClobberMemory();
    }
}

void dashboardLayers(benchmark::State &state) {
    game &session = levelFourteenScene();
    const camera &view = *session.pass.view;
    for (auto _ : state) {
        drawDashboard(session.frameRenderer.layers, session.animations, view.cockpit, true, view.battery);
        benchmark::ClobberMemory();
    }
}

// The two screen-sized overlays of a flash, blended over the whole screen.
void flashOverlays(benchmark::State &state) {
    game &session = levelFourteenScene();
    for (auto _ : state) {
        session.frameRenderer.layers.blit(whiteFlashBase + 1, 0, 0);
        session.frameRenderer.layers.blit(flashLightBase + 1, 0, 0);
        benchmark::ClobberMemory();
    }
}

void busiestPlayFrame(benchmark::State &state) {
    game &session = levelFourteenScene();
    for (auto _ : state) {
        session.frameRenderer.drawFrame(session.pass);
    }
}

} // namespace

BENCHMARK(headlightGlow)->Unit(benchmark::kMicrosecond);
BENCHMARK(dashboardLayers)->Unit(benchmark::kMicrosecond);
BENCHMARK(flashOverlays)->Unit(benchmark::kMicrosecond);
BENCHMARK(busiestPlayFrame)->Unit(benchmark::kMicrosecond);
