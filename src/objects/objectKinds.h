#pragma once
// The fourteen kinds of world object, in the order of the object table, with how many of
// each exist for the whole run and the object-grid value that places them.
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
    int32_t gridValue;
};

// In table order: row k describes objectKind k.
inline constexpr kindTableRow kindTable[objectKindCount] = {
    {objectKind::lamp, 630, 2},     {objectKind::stop, 45, 3},        {objectKind::car, 9, 4},
    {objectKind::ghostCar, 180, 5}, {objectKind::tree, 90, 6},        {objectKind::butterfly, 180, 7},
    {objectKind::ashTree, 450, 8},  {objectKind::ashBush, 450, 9},    {objectKind::statue, 90, 10},
    {objectKind::gLight, 450, 11},  {objectKind::moon, 9, 12},        {objectKind::flame, 108, 13},
    {objectKind::roadSign, 9, 14},  {objectKind::lightning, 450, 15},
};

constexpr int kindIndex(objectKind kind) {
    return static_cast<int>(kind);
}

constexpr const kindTableRow &kindRow(objectKind kind) {
    return kindTable[kindIndex(kind)];
}

// The kind placed by an object-grid value; none for the empty cell, the start tile and any
// value no kind uses.
constexpr std::optional<objectKind> kindOfGridValue(int32_t value) {
    for (const kindTableRow &row : kindTable) {
        if (row.gridValue == value) {
            return row.kind;
        }
    }
    return std::nullopt;
}
