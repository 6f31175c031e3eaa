#pragma once
// The fourteen kinds of world object, in the order of the object table, with how many of
// each exist for the whole run and the object-grid value that places them.
#include <cstdint>
#include <string_view>

constexpr int objectKindCount = 14;
constexpr int32_t objectCount = 3150;

struct objectKind {
    const char *name;
    int32_t capacity; // always a multiple of nine: a placed tile takes nine copies
    int32_t gridValue;
};

inline constexpr objectKind objectKinds[objectKindCount] = {
    {"lamp", 630, 2},    {"stop", 45, 3},        {"car", 9, 4},       {"ghostCar", 180, 5},
    {"tree", 90, 6},     {"butterfly", 180, 7},  {"ashTree", 450, 8}, {"ashBush", 450, 9},
    {"statue", 90, 10},  {"gLight", 450, 11},    {"moon", 9, 12},     {"flame", 108, 13},
    {"roadSign", 9, 14}, {"lightning", 450, 15},
};

// The kind placed by an object-grid value, or -1.
constexpr int kindOfGridValue(int32_t value) {
    for (int k = 0; k < objectKindCount; k++) {
        if (objectKinds[k].gridValue == value) {
            return k;
        }
    }
    return -1;
}
