#include "world/steadyMath.h"

#include <cmath>
#include <cstdint>
#include <limits>

// Everything here is double-double arithmetic: a value is an unevaluated sum hi + lo of two
// doubles, about 106 bits, built from the exact sum and product tricks of Knuth and Dekker.
// They rely on each + − × being rounded on its own, so a fused multiply-add must never stand
// in for them, even when the build targets a processor that has one.
#if defined(__clang__)
#pragma STDC FP_CONTRACT OFF
#elif defined(__GNUC__)
#pragma GCC optimize("fp-contract=off")
#endif

namespace {

struct doubleDouble {
    double hi;
    double lo;
};

// a + b = s + e exactly, whatever their sizes.
doubleDouble twoSum(const double a, const double b) {
    const double s = a + b;
    const double bPart = s - a;
    const double aPart = s - bPart;
    return {s, (a - aPart) + (b - bPart)};
}

// a + b = s + e exactly, when |a| ≥ |b| (or a is zero).
doubleDouble fastTwoSum(const double a, const double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// Splits a double into two halves of 26 bits each, whose products are exact.
doubleDouble halves(const double a) {
    constexpr double splitter = 134217729.0; // 2^27 + 1
    const double scaled = splitter * a;
    const double high = scaled - (scaled - a);
    return {high, a - high};
}

// a × b = p + e exactly (short of overflow or underflow).
doubleDouble twoProduct(const double a, const double b) {
    const double p = a * b;
    const doubleDouble x = halves(a);
    const doubleDouble y = halves(b);
    const double e = ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
    return {p, e};
}

doubleDouble add(const doubleDouble a, const doubleDouble b) {
    const doubleDouble high = twoSum(a.hi, b.hi);
    const doubleDouble low = twoSum(a.lo, b.lo);
    const doubleDouble first = fastTwoSum(high.hi, high.lo + low.hi);
    return fastTwoSum(first.hi, first.lo + low.lo);
}

doubleDouble multiply(const doubleDouble a, const doubleDouble b) {
    const doubleDouble p = twoProduct(a.hi, b.hi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

doubleDouble negated(const doubleDouble a) {
    return {-a.hi, -a.lo};
}

// π/2 to about 160 bits, in three doubles.
constexpr double halfPiHigh = 0x1.921fb54442d18p+0;
constexpr double halfPiMiddle = 0x1.1a62633145c07p-54;
constexpr double halfPiLow = -0x1.f1976b7ed8fbcp-110;
constexpr double twoOverPi = 0x1.45f306dc9c883p-1;
constexpr double quarterPi = 0x1.921fb54442d18p-1;
constexpr double twoPi = 0x1.921fb54442d18p+2;
constexpr double farthestReduced = 0x1p30;

// The Taylor coefficients (−1)^i / (2i + 1)! and (−1)^i / (2i)! for i = 1, 2, …, in
// double-double. Enough terms that the last is below 2^-100 of the result for |r| ≤ 0.8.
constexpr doubleDouble sineTerms[] = {
    {-0x1.5555555555555p-3, -0x1.5555555555555p-57},   {0x1.1111111111111p-7, 0x1.1111111111111p-63},
    {-0x1.a01a01a01a01ap-13, -0x1.a01a01a01a01ap-73},  {0x1.71de3a556c734p-19, -0x1.c154f8ddc6c00p-73},
    {-0x1.ae64567f544e4p-26, 0x1.c062e06d1f209p-80},   {0x1.6124613a86d09p-33, 0x1.f28e0cc748ebep-87},
    {-0x1.ae7f3e733b81fp-41, -0x1.1d8656b0ee8cbp-97},  {0x1.952c77030ad4ap-49, 0x1.ac981465ddc6cp-103},
    {-0x1.2f49b46814157p-57, -0x1.2650f61dbdcb4p-112}, {0x1.71b8ef6dcf572p-66, -0x1.d043ae40c4647p-120},
    {-0x1.761b41316381ap-75, 0x1.3423c7d91404fp-130},  {0x1.3f3ccdd165fa9p-84, -0x1.58ddadf344487p-139},
    {-0x1.d1ab1c2dccea3p-94, -0x1.054d0c78aea14p-149}, {0x1.259f98b4358adp-103, 0x1.eaf8c39dd9bc5p-157},
};
constexpr doubleDouble cosineTerms[] = {
    {-0x1.0000000000000p-1, 0},
    {0x1.5555555555555p-5, 0x1.5555555555555p-59},
    {-0x1.6c16c16c16c17p-10, 0x1.f49f49f49f49fp-65},
    {0x1.a01a01a01a01ap-16, 0x1.a01a01a01a01ap-76},
    {-0x1.27e4fb7789f5cp-22, -0x1.cbbc05b4fa99ap-76},
    {0x1.1eed8eff8d898p-29, -0x1.2aec959e14c06p-83},
    {-0x1.93974a8c07c9dp-37, -0x1.05d6f8a2efd1fp-92},
    {0x1.ae7f3e733b81fp-45, 0x1.1d8656b0ee8cbp-101},
    {-0x1.6827863b97d97p-53, -0x1.eec01221a8b0bp-107},
    {0x1.e542ba4020225p-62, 0x1.ea72b4afe3c2fp-120},
    {-0x1.0ce396db7f853p-70, 0x1.aebcdbd20331cp-124},
    {0x1.f2cf01972f578p-80, -0x1.9ada5fcc1ab14p-135},
    {-0x1.88e85fc6a4e5ap-89, 0x1.71c37ebd16540p-143},
    {0x1.0a18a2635085dp-98, 0x1.b9e2e28e1aa54p-153},
};

// 1 + z·(t₁ + z·(t₂ + …)), by Horner's rule.
template <size_t count> doubleDouble series(const doubleDouble (&terms)[count], const doubleDouble z) {
    doubleDouble sum = terms[count - 1];
    for (size_t i = count - 1; i-- > 0;) {
        sum = add(multiply(sum, z), terms[i]);
    }
    return add({1.0, 0.0}, multiply(sum, z));
}

// The angle less a whole number of quarter turns, so it lies within about ±π/4, and that
// number of quarter turns (mod 4).
struct reducedAngle {
    doubleDouble rest;
    int32_t quarterTurns;
};

reducedAngle reduced(const double angle) {
    if (std::fabs(angle) <= quarterPi) {
        return {{angle, 0.0}, 0};
    }
    const double turns = std::round(angle * twoOverPi);
    doubleDouble rest = add({angle, 0.0}, negated(twoProduct(turns, halfPiHigh)));
    rest = add(rest, negated(twoProduct(turns, halfPiMiddle)));
    rest = add(rest, {-turns * halfPiLow, 0.0});
    const auto quarterTurns = static_cast<int32_t>(static_cast<int64_t>(turns) & 3);
    return {rest, quarterTurns};
}

} // namespace

sineAndCosine steadySinCos(double angle) {
    if (!std::isfinite(angle)) {
        return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
    }
    if (angle == 0) {
        return {angle, 1.0}; // keeps the sign of a zero, as sin(−0) = −0
    }
    if (!(std::fabs(angle) < farthestReduced)) {
        angle = std::fmod(angle, twoPi); // exact, and far enough for a game
    }
    const reducedAngle r = reduced(angle);
    const doubleDouble z = multiply(r.rest, r.rest);
    // Each double-double comes out normalised, hi = hi + lo rounded: the double nearest the
    // ~106-bit value.
    const double s = multiply(r.rest, series(sineTerms, z)).hi;
    const double c = series(cosineTerms, z).hi;
    switch (r.quarterTurns) {
    case 1:
        return {c, -s};
    case 2:
        return {-s, -c};
    case 3:
        return {-c, s};
    default:
        return {s, c};
    }
}

double steadySin(const double angle) {
    return steadySinCos(angle).sine;
}

double steadyCos(const double angle) {
    return steadySinCos(angle).cosine;
}

double steadyHypot(double x, double y) {
    x = std::fabs(x);
    y = std::fabs(y);
    if (std::isinf(x) || std::isinf(y)) {
        return std::numeric_limits<double>::infinity();
    }
    if (std::isnan(x) || std::isnan(y)) {
        return x + y;
    }
    // Powers of two scale exactly, so the squares neither overflow nor underflow.
    const double larger = x > y ? x : y;
    const double scale = larger > 0x1p500 ? 0x1p-600 : larger < 0x1p-500 ? 0x1p600 : 1.0;
    x *= scale;
    y *= scale;
    const doubleDouble sum = add(twoProduct(x, x), twoProduct(y, y));
    const double root = std::sqrt(sum.hi);
    if (root == 0) {
        return 0;
    }
    // One Newton step on the ~106-bit sum: root + (sum − root²) / 2·root, rounded once.
    const doubleDouble square = twoProduct(root, root);
    const double residual = ((sum.hi - square.hi) - square.lo) + sum.lo;
    return (root + residual / (2 * root)) / scale;
}
