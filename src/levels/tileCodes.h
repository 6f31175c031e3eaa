#pragma once

#include <cstdint>

#include "objects/objectKinds.h"

// What a cell of a level's ground grid holds: the number of the road picture drawn on the tile.
namespace groundCode {
constexpr int32_t dirt = 0; // bare ground: the car is held to off-road speeds here
constexpr int32_t road = 1;
constexpr int32_t capUp = 2;    // kerb on the low-y side of a road along x
constexpr int32_t capDown = 3;  // kerb on the high-y side of a road along x
constexpr int32_t capRight = 4; // kerb on the high-x side of a road along y
constexpr int32_t capLeft = 5;  // kerb on the low-x side of a road along y
constexpr int32_t lineCapUp = 6;
constexpr int32_t lineCapDown = 7;
constexpr int32_t lineCapLeft = 8;
constexpr int32_t lineCapRight = 9;
constexpr int32_t lineUpDown = 10; // centre line of a road along y
constexpr int32_t lineLeftRight = 11;

// Diagonal edge pieces are the pictures named by a number n and are stored as 11 + n.
constexpr int32_t edge4 = 15;  // lower high-x corner of a pointed road end
constexpr int32_t edge6 = 17;  // closes an even column of the diagonal road
constexpr int32_t edge21 = 32; // upper low-x corner of a pointed road end
constexpr int32_t edge23 = 34; // opens an even column of the diagonal road
constexpr int32_t edge36 = 47; // closes an odd column of the diagonal road
constexpr int32_t edge44 = 55; // opens an odd column of the diagonal road
constexpr int32_t edge54 = 65; // upper high-x corner of a pointed road end
constexpr int32_t edge61 = 72; // lower low-x corner of a pointed road end

constexpr int32_t sand = 88; // only ever written by level scripts while they run
} // namespace groundCode

// What a cell of a level's object grid holds when it places no object: the cells that do
// hold their kind's gridCode (objects/objectKinds.h).
namespace objectCode {
constexpr int32_t none = 0;
constexpr int32_t startTile = 1; // where the player car is put; takes no group number
} // namespace objectCode
static_assert(objectCode::startTile + 1 == firstKindGridCode, "the kinds' codes follow the start tile");
