// The logic of one pass in the busiest ghost level: every ghost of level 14 placed (six
// groups, nine copies each) and hunting, with the car, the flash step and every other object
// of the level updated as in play.
#include <benchmark/benchmark.h>

#include <memory>

#include "logicWorld.h"
#include "objects/objectWorld.h"
#include "objects/worldStep.h"

namespace {

constexpr int32_t busiestGhostLevel = 14;
// Hunting at 0.08 tiles a pass, no ghost comes near the car in this many passes; then they
// all go back to where they started.
constexpr int passesBetweenRestarts = 200;

struct benchWorld : logicWorld {
    double startX[objectCount] = {};
    double startY[objectCount] = {};

    benchWorld()
        : logicWorld(busiestGhostLevel, true,
                     {.x = 5.5, .y = 75.5, .dirX = -1, .dirY = 0, .planeX = 0, .planeY = 0.8, .heading = 0}) {
        for (int k = 0; k < objectCount; k++) {
            startX[k] = world.objects[k]->x;
            startY[k] = world.objects[k]->y;
        }
        restartGhosts();
    }

    void restartGhosts() {
        for (int k = 0; k < objectCount; k++) {
            basicObj &object = *world.objects[k];
            if (object.placed && object.kind == objectKind::ghostCar) {
                object.x = startX[k];
                object.y = startY[k];
                object.visible = true;
                object.mode = objectMode::attack;
            }
        }
    }

    int movingGhosts() const {
        int moving = 0;
        forEachPlaced(world, [&](const basicObj &object) {
            moving += object.kind == objectKind::ghostCar && object.mode == objectMode::attack;
        });
        return moving;
    }
};

void ghostLevelPass(benchmark::State &state) {
    auto bench = std::make_unique<benchWorld>();
    int passes = 0;
    for (auto _ : state) {
        updateObjects(bench->world);
        if (++passes == passesBetweenRestarts) {
            passes = 0;
            bench->restartGhosts();
        }
        benchmark::ClobberMemory();
    }
    state.counters["huntingGhosts"] = bench->movingGhosts();
}

} // namespace

BENCHMARK(ghostLevelPass)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
