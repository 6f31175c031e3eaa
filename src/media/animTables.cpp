#include "media/animTables.h"

namespace {

// Each table is written as runs: `value` repeated `repeat` times.
struct run {
    int32_t value;
    int repeat;
};

// The logo holds each of its first 27 frames for two passes, then slows down.
constexpr run logoRuns[] = {
    {0, 2},  {1, 2},  {2, 2},  {3, 2},  {4, 2},  {5, 2},  {6, 2},  {7, 2},  {8, 2},
    {9, 2},  {10, 2}, {11, 2}, {12, 2}, {13, 2}, {14, 2}, {15, 2}, {16, 2}, {17, 2},
    {18, 2}, {19, 2}, {20, 2}, {21, 2}, {22, 2}, {23, 2}, {24, 2}, {25, 2}, {26, 2},
    {27, 6}, {28, 4}, {29, 4}, {30, 3}, {31, 3}, {32, 5}, {33, 4}, {34, 1},
};
constexpr run hoodRuns[] = {
    {1, 2}, {2, 1}, {3, 1}, {4, 1}, {5, 14}, {4, 5}, {3, 4},
    {2, 4}, {1, 3}, {6, 3}, {7, 3}, {8, 9},  {7, 3}, {6, 3},
};
constexpr run dashboardRuns[] = {
    {1, 3}, {2, 3}, {3, 2}, {4, 1}, {5, 10}, {4, 5}, {3, 4},
    {2, 4}, {1, 3}, {6, 3}, {7, 3}, {8, 9},  {7, 3}, {6, 3},
};
constexpr run whiteFlashRuns[] = {
    {4, 2}, {3, 1}, {2, 1}, {1, 1}, {0, 14}, {1, 5}, {2, 4}, {3, 4}, {4, 3},
};
constexpr run flashLightRuns[] = {
    {6, 19}, {0, 4}, {6, 2}, {1, 4}, {6, 2}, {2, 1}, {6, 1}, {3, 1}, {6, 1}, {4, 1}, {6, 1},
};
constexpr run treeRuns[] = {
    {1, 2}, {2, 20}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}, {8, 3},
};
constexpr run butterflyRuns[] = {
    {1, 2}, {2, 2}, {3, 2}, {4, 4}, {5, 2}, {6, 2}, {7, 3}, {8, 2},
};
constexpr run ghostCarRuns[] = {
    {3, 3}, {4, 3}, {5, 4}, {6, 4}, {7, 4}, {0, 2}, {8, 3}, {0, 2}, {3, 3}, {0, 2},
};
constexpr run statueRuns[] = {
    {1, 20}, {2, 20}, {3, 20}, {4, 20}, {3, 20}, {2, 20},
};
constexpr run statueDeathRuns[] = {
    {1, 1},
    {2, 4},
    {3, 4},
    {4, 4},
};
constexpr run flameRuns[] = {
    {10, 2}, {9, 2}, {8, 3}, {7, 3}, {1, 3}, {2, 3}, {3, 3},
    {4, 3},  {5, 3}, {6, 3}, {7, 2}, {8, 2}, {9, 2}, {10, 2},
};
constexpr run lightningRuns[] = {
    {1, 3}, {2, 3}, {3, 2}, {4, 2}, {5, 3}, {6, 4}, {7, 4}, {8, 3}, {0, 1},
};

template <int runCount> animTable expand(const run (&runs)[runCount]) {
    animTable table = {};
    for (const run &part : runs) {
        for (int i = 0; i < part.repeat && table.count < longestAnimTable; i++) {
            table.values[table.count++] = part.value;
        }
    }
    return table;
}

} // namespace

animTables::animTables()
    : tables{expand(logoRuns),       expand(hoodRuns),        expand(dashboardRuns), expand(whiteFlashRuns),
             expand(flashLightRuns), expand(treeRuns),        expand(butterflyRuns), expand(ghostCarRuns),
             expand(statueRuns),     expand(statueDeathRuns), expand(flameRuns),     expand(lightningRuns)} {}

int32_t animTables::at(int table, int index) const {
    if (table < 0 || table >= animTableCount) {
        return 0;
    }
    const animTable &sequence = tables[table];
    return index >= 0 && index < sequence.count ? sequence.values[index] : 0;
}
