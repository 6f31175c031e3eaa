#pragma once
// Twelve fixed frame sequences. A user steps a counter from some start index up to the
// table's count, one step per frame, and the value at the counter picks the picture.
#include <cstdint>

constexpr int animTableCount = 12;
constexpr int longestAnimTable = 120;

// Which table animates what.
enum animTableName {
    logoFrames = 0,       // logo animation
    hoodFrames = 1,       // bonnet sway
    dashboardFrames = 2,  // dashboard sway
    whiteFlashFrames = 3, // white overlay after a flash
    flashLightFrames = 4, // flash overlay
    treeFrames = 5,       // a sapling growing
    butterflyFrames = 6,  // wing beat
    ghostCarFrames = 7,   // ghost car appearing
    statueFrames = 8,     // statue ghost while alive
    statueDeathFrames = 9,
    flameFrames = 10,
    lightningFrames = 11,
};

struct animTable {
    int count;
    int32_t values[longestAnimTable];
};

class animTables {
  public:
    animTables();

    animTable tables[animTableCount];

    // Entry i of table t; 0 outside the table (a counter that is not playing).
    int32_t at(int table, int index) const;
};
