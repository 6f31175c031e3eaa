// The parts of a frame one by one, with the generated art: the light map, the floor and
// the sprites, in level 8 with the headlights on, looking along the road between its
// two rows of lamps; and the player's brightness over the finished frame, alone and with
// the whole frame.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "app/game.h"
#include "app/sceneOfPass.h"
#include "media/frameBrightness.h"
#include "media/imageSlots.h"
#include "objects/worldStep.h"
#include "player/carView.h"

namespace {

SDL_Surface *rendererBenchScreen() {
    if (SDL_Surface *screen = SDL_GetVideoSurface()) {
        return screen;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    SDL_Init(SDL_INIT_VIDEO);
    std::filesystem::current_path(VELMORA_ASSETS_DIR);
    return SDL_SetVideoMode(640, 480, 32, SDL_SWSURFACE);
}

// The game standing on the road of level 8, facing up it, with lamp posts along both sides.
game &levelEightScene() {
    static std::unique_ptr<game> session;
    if (session) {
        return *session;
    }
    char folder[] = "/tmp/velmora-bench-XXXXXX";
    session = std::make_unique<game>(screenHandle{rendererBenchScreen()}, prepareDataFiles(mkdtemp(folder)));
    session->levels.makeCurrent(8, session->world.currentLevel);
    playerCar &car = session->world.car;
    car.x = 40.5;
    car.y = 10.5;
    car.dirX = 0.0;
    car.dirY = 1.0;
    car.planeX = 0.8;
    car.planeY = 0.0;
    stepPlayerCar(session->world);
    followCar(session->world.view, car);
    session->frameRenderer.viewRect = {30, 240, 580, 80};
    int record = 0;
    for (const double x : {36.5, 44.5}) {
        for (int y = 0; y < 80; y += 5) {
            spriteRecord &lamp = session->sprites.records[record++];
            lamp.visible = true;
            lamp.emitsLight = true;
            lamp.lightShape = 4;
            lamp.x = x;
            lamp.y = y + 0.5;
            lamp.image = shadedSlot(lampPostBase, 3, 0);
        }
    }
    session->context.state = gameState::inGame;
    describeView(session->context, session->pass);
    session->frameRenderer.shown = session->pass; // the pieces below draw what it shows
    return *session;
}

void lightMapFill(benchmark::State &state) {
    renderer &frames = levelEightScene().frameRenderer;
    for (auto _ : state) {
        frames.fillLightMap();
        benchmark::ClobberMemory();
    }
}

void floorCast(benchmark::State &state) {
    renderer &frames = levelEightScene().frameRenderer;
    frames.fillLightMap();
    for (auto _ : state) {
        frames.castFloor();
        benchmark::ClobberMemory();
    }
}

void spriteDraw(benchmark::State &state) {
    renderer &frames = levelEightScene().frameRenderer;
    frames.fillLightMap();
    for (auto _ : state) {
        frames.drawSprites();
        benchmark::ClobberMemory();
    }
}

void wholeFrame(benchmark::State &state) {
    game &session = levelEightScene();
    for (auto _ : state) {
        session.frameRenderer.drawFrame(session.pass);
    }
}

// The lookup alone, over the 640 x 480 frame, at the brightest level (every level away from
// the default costs the same; the default costs nothing).
void brightnessLookup(benchmark::State &state) {
    SDL_Surface *screen = levelEightScene().screen().surface;
    brightnessTable table;
    for (auto _ : state) {
        applyBrightness(table, maxBrightness, screen);
        benchmark::ClobberMemory();
    }
}

void wholeFrameBrighter(benchmark::State &state) {
    game &session = levelEightScene();
    scene brighter = session.pass;
    brighter.brightness = maxBrightness;
    for (auto _ : state) {
        session.frameRenderer.drawFrame(brighter);
    }
}

} // namespace

BENCHMARK(lightMapFill)->Unit(benchmark::kMicrosecond);
BENCHMARK(floorCast)->Unit(benchmark::kMicrosecond);
BENCHMARK(spriteDraw)->Unit(benchmark::kMicrosecond);
BENCHMARK(wholeFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(brightnessLookup)->Unit(benchmark::kMicrosecond);
BENCHMARK(wholeFrameBrighter)->Unit(benchmark::kMicrosecond);
