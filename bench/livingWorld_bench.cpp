// The world's logic for one pass in the moon level with everything in it alive: the moon
// pulsing, the 32 bolts of the lightning ring striking at random, the flames burning, and
// the car standing near the moon with its headlights on.
#include <benchmark/benchmark.h>

#include <memory>

#include "logicWorld.h"
#include "objects/buildSpriteList.h"
#include "objects/objectWorld.h"
#include "objects/worldStep.h"

namespace {

// Level 7 without pictures or a screen: the logic needs neither.
struct moonLevelWorld : logicWorld {
    moonLevelWorld()
        : logicWorld(moonLevel, false,
                     {.x = 45.5,
                      .y = 36.5,
                      .dirX = 0.0,
                      .dirY = 1.0,
                      .planeX = 0.8,
                      .planeY = 0.0,
                      .heading = 90.0}) {
        wakeEverything();
    }

    // Whatever the level's script has set, every living kind is shown and busy.
    void wakeEverything() {
        forEachPlaced(world, [](basicObj &object) {
            switch (object.kind) {
            case objectKind::moon:
                object.visible = true;
                object.mode = objectMode::pulse;
                break;
            case objectKind::lightning:
                object.mode = objectMode::random;
                break;
            case objectKind::flame:
            case objectKind::statue:
            case objectKind::tree:
                object.visible = true;
                break;
            default:
                break;
            }
        });
    }
};

// The level script, every object's update and the draw list, as a pass of play runs them.
void moonLevelLogic(benchmark::State &state) {
    const auto scene = std::make_unique<moonLevelWorld>();
    for (auto _ : state) {
        scene->levels.runLevelScript(scene->world, scene->services);
        scene->wakeEverything();
        updateObjects(scene->world);
        buildSpriteList(scene->world);
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(moonLevelLogic)->Unit(benchmark::kMicrosecond)->MinTime(0.5);
