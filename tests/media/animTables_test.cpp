#include <gtest/gtest.h>

#include "media/animTables.h"

TEST(AnimTables, LengthsAndContentsMatchTheDesign) {
    const animTables anim;
    // Length, sum, and sum of (position + 1) * value, which also catches runs out of order.
    const struct {
        int count;
        long sum;
        long weighted;
    } expected[animTableCount] = {
        {84, 1601, 88909}, {56, 274, 8920}, {56, 262, 8846}, {35, 51, 1130},
        {37, 169, 2850},   {40, 141, 3779}, {19, 87, 1095},  {30, 126, 1781},
        {120, 300, 19950}, {13, 37, 303},   {36, 214, 4042}, {25, 114, 1807},
    };
    for (int table = 0; table < animTableCount; table++) {
        const animTable &sequence = anim.tables[table];
        ASSERT_EQ(sequence.count, expected[table].count) << "table " << table;
        long sum = 0;
        long weighted = 0;
        for (int i = 0; i < sequence.count; i++) {
            sum += sequence.values[i];
            weighted += (i + 1L) * sequence.values[i];
        }
        EXPECT_EQ(sum, expected[table].sum) << "table " << table;
        EXPECT_EQ(weighted, expected[table].weighted) << "table " << table;
    }
}

TEST(AnimTables, KnownEntries) {
    const animTables anim;
    EXPECT_EQ(anim.at(logoFrames, 0), 0);
    EXPECT_EQ(anim.at(logoFrames, 53), 26);
    EXPECT_EQ(anim.at(logoFrames, 54), 27);
    EXPECT_EQ(anim.at(logoFrames, 83), 34);
    EXPECT_EQ(anim.at(hoodFrames, 2), 2);
    EXPECT_EQ(anim.at(hoodFrames, 5), 5);
    EXPECT_EQ(anim.at(flashLightFrames, 18), 6);
    EXPECT_EQ(anim.at(flashLightFrames, 19), 0);
    EXPECT_EQ(anim.at(statueFrames, 119), 2);
    EXPECT_EQ(anim.at(lightningFrames, 24), 0); // the empty frame ends the strike
    // Outside a table there is nothing to show.
    EXPECT_EQ(anim.at(flameFrames, 36), 0);
    EXPECT_EQ(anim.at(flameFrames, -1), 0);
    EXPECT_EQ(anim.at(animTableCount, 0), 0);
}
