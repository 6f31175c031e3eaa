#pragma once
// A change to world objects, described by name:
//     setObject(world, {.groupId = group}, {.frame = 3, .visible = true});
#include <cstdint>
#include <optional>

#include "objects/objectMode.h"

// A field left unset leaves the object's field as it is; so does a number below 0 and an
// angle of -1 or below. An angle above 360 is stored as 360.
struct objectChange {
    // Added to the position and to the home when changing; not used when placing.
    double shiftX = 0.0, shiftY = 0.0;
    double homeShiftX = 0.0, homeShiftY = 0.0;
    std::optional<int32_t> frame = std::nullopt;
    std::optional<int32_t> state = std::nullopt;
    std::optional<int32_t> shade = std::nullopt;
    std::optional<bool> fixedShade = std::nullopt;
    std::optional<double> angle = std::nullopt;
    std::optional<bool> emitsLight = std::nullopt;
    std::optional<int32_t> lightShape = std::nullopt;
    std::optional<bool> visible = std::nullopt;
    std::optional<objectMode> mode = std::nullopt;
};
