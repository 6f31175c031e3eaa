#pragma once
// The fourteen kinds of world object, in the order of the object table, with how many of
// each exist for the whole run and the code a level's object grid stores for them.
#include <cstdint>
#include <optional>

enum class objectKind : uint8_t {
    lamp,
    stop,
    car,
    ghostCar,
    tree,
    butterfly,
    ashTree,
    ashBush,
    statue,
    gLight,
    moon,
    flame,
    roadSign,
    lightning,
};

constexpr int objectKindCount = 14;
constexpr int32_t objectCount = 3150;

struct kindTableRow {
    objectKind kind;
    int32_t capacity; // always a multiple of nine: a placed tile takes nine copies
};

// In table order: row k describes objectKind k.
inline constexpr kindTableRow kindTable[objectKindCount] = {
    {objectKind::lamp, 630},     {objectKind::stop, 45},       {objectKind::car, 9},
    {objectKind::ghostCar, 180}, {objectKind::tree, 90},       {objectKind::butterfly, 180},
    {objectKind::ashTree, 450},  {objectKind::ashBush, 450},   {objectKind::statue, 90},
    {objectKind::gLight, 450},   {objectKind::moon, 9},        {objectKind::flame, 108},
    {objectKind::roadSign, 9},   {objectKind::lightning, 450},
};

constexpr int kindIndex(objectKind kind) {
    return static_cast<int>(kind);
}

constexpr int32_t capacityOf(objectKind kind) {
    return kindTable[kindIndex(kind)].capacity;
}

// The slot of the kind's first object in the table.
constexpr int32_t firstSlotOf(objectKind kind) {
    int32_t slot = 0;
    for (int k = 0; k < kindIndex(kind); k++) {
        slot += kindTable[k].capacity;
    }
    return slot;
}

namespace kindTableChecks {
constexpr bool rowsInKindOrder() {
    for (int k = 0; k < objectKindCount; k++) {
        if (kindIndex(kindTable[k].kind) != k) {
            return false;
        }
    }
    return true;
}
constexpr bool capacitiesInNines() {
    for (const kindTableRow &row : kindTable) {
        if (row.capacity <= 0 || row.capacity % 9 != 0) {
            return false;
        }
    }
    return true;
}
constexpr int32_t capacitySum() {
    int32_t sum = 0;
    for (const kindTableRow &row : kindTable) {
        sum += row.capacity;
    }
    return sum;
}
} // namespace kindTableChecks

static_assert(kindIndex(objectKind::lightning) + 1 == objectKindCount, "one row per kind");
static_assert(kindTableChecks::rowsInKindOrder(), "row k describes kind k");
static_assert(kindTableChecks::capacitiesInNines(), "a placed tile takes nine copies");
static_assert(kindTableChecks::capacitySum() == objectCount, "the table holds every object");

// A level's object grid stores 0 for an empty cell, 1 for the player car's start tile and,
// from 2 on, one code per kind in table order.
constexpr int32_t firstKindGridCode = 2;

constexpr int32_t gridCode(objectKind kind) {
    return firstKindGridCode + kindIndex(kind);
}

// The kind placed by an object-grid code; none for the empty cell, the start tile and any
// code no kind uses.
constexpr std::optional<objectKind> kindOfGridCode(int32_t code) {
    const int32_t index = code - firstKindGridCode;
    if (index < 0 || index >= objectKindCount) {
        return std::nullopt;
    }
    return static_cast<objectKind>(index);
}

// The codes the levels' grids were drawn with.
static_assert(gridCode(objectKind::lamp) == 2 && gridCode(objectKind::ghostCar) == 5 &&
              gridCode(objectKind::statue) == 10 && gridCode(objectKind::lightning) == 15);
static_assert(kindOfGridCode(1) == std::nullopt && kindOfGridCode(16) == std::nullopt &&
              kindOfGridCode(gridCode(objectKind::moon)) == objectKind::moon);
