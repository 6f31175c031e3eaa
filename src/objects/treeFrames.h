#pragma once
// The pictures a tree passes through, for the tree itself and for the scripts that set them.
#include <cstdint>

constexpr int32_t saplingFrame = 1;
constexpr int32_t growingFrame = 2; // the flash has reached the sapling
constexpr int32_t grownFrame = 39;  // the last picture: a grown tree that can recharge
