#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "world/steadyMath.h"

// The expected values are the correctly rounded sines, cosines and lengths, worked out once in
// 300-bit arithmetic. Every build must give these very bits, or its demos drift.

namespace {

struct expectedTurn {
    double angle;
    double sine;
    double cosine;
};

constexpr expectedTurn expectedTurns[] = {
    {0x1.ccccccccccccdp-2, 0x1.bd679adf94625p-2, 0x1.cd076710c3f2dp-1},   // a headlight, 0.45
    {-0x1.ccccccccccccdp-2, -0x1.bd679adf94625p-2, 0x1.cd076710c3f2dp-1}, // the other, −0.45
    {0x1.47ae147ae147bp-7, 0x1.47acae915e807p-7, 0x1.fff9724ad97aap-1},   // orbit / title spin 0.01
    {0x1.015bf9217271ap-10, 0x1.015bf66bd9318p-10, 0x1.ffffefd46361cp-1}, // one steering step
    {-0x1.0p+0, -0x1.aed548f090ceep-1, 0x1.14a280fb5068cp-1},             // the title's fastest spin
    {0x1.921fb54442d18p+0, 0x1.0p+0, 0x1.1a62633145c07p-54},              // a heading of 90°
    // Where a common C library is a last bit out.
    {0x1.ea1689af42071p-7, 0x1.ea11dc43e96d5p-7, 0x1.fff15728c47abp-1},
    {0x1.9a4a48f96e2b6p-2, 0x1.8f66657d18985p-2, 0x1.d772e0822ee24p-1},
    {0x1.00dd82fd75e84p+1, 0x1.d01bfc8556eafp-1, -0x1.b06b4060cfea6p-2},
    // Several turns round, and a great many.
    {-0x1.6p+2, 0x1.693c94e0ab057p-1, 0x1.6ad6c3c07d448p-1},
    {0x1.f4p+9, 0x1.a75cc150a206bp-1, 0x1.1ff026793f1bbp-1},
    {0x1.7d784p+26, 0x1.dcffca623a20bp-1, -0x1.741b388a8c029p-2},
};

uint64_t bitsOf(const double value) {
    return std::bit_cast<uint64_t>(value);
}

} // namespace

TEST(SteadyMath, SineAndCosineAreTheCorrectlyRoundedBits) {
    for (const expectedTurn &turn : expectedTurns) {
        const sineAndCosine got = steadySinCos(turn.angle);
        EXPECT_EQ(bitsOf(got.sine), bitsOf(turn.sine)) << std::hexfloat << turn.angle;
        EXPECT_EQ(bitsOf(got.cosine), bitsOf(turn.cosine)) << std::hexfloat << turn.angle;
        EXPECT_EQ(bitsOf(steadySin(turn.angle)), bitsOf(turn.sine));
        EXPECT_EQ(bitsOf(steadyCos(turn.angle)), bitsOf(turn.cosine));
    }
    EXPECT_EQ(bitsOf(steadySin(-0.0)), bitsOf(-0.0));
    EXPECT_TRUE(std::isnan(steadySin(INFINITY)));
}

TEST(SteadyMath, HypotIsTheCorrectlyRoundedLengthAtAnySize) {
    EXPECT_EQ(bitsOf(steadyHypot(3, -4)), bitsOf(5.0));
    EXPECT_EQ(bitsOf(steadyHypot(0x1.d6147ae147adap+3, 0x1.228681c158853p+3)), bitsOf(0x1.144e5c0163fe9p+4));
    EXPECT_EQ(bitsOf(steadyHypot(1e300, 1e300)), bitsOf(0x1.0e4d50f99b211p+997));
    EXPECT_EQ(bitsOf(steadyHypot(3e-320, 4e-320)), bitsOf(0x0.0000000002788p-1022));
    EXPECT_EQ(steadyHypot(0, 0), 0.0);
    EXPECT_EQ(steadyHypot(NAN, INFINITY), INFINITY);
}
