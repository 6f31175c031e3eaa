#pragma once
// Sines, cosines and lengths that come out the same, to the last bit, on every build.
// The C libraries' sin, cos and hypot differ in their last bits from one system to another,
// and a car turned a hair differently drifts apart over a long drive, so a recorded demo
// would play differently. These use only + − × ÷ and sqrt, which every IEEE 754 machine
// rounds alike: each result is worked out to about 100 bits and rounded once, which gives
// the correctly rounded value (what a good C library gives, almost always).

struct sineAndCosine {
    double sine;
    double cosine;
};

// Angles in radians. Exact to the rounding for any angle below 2^30 radians; beyond that the
// result is still the same everywhere but loses accuracy (nothing in the game turns so far).
sineAndCosine steadySinCos(double angle);
double steadySin(double angle);
double steadyCos(double angle);

// The length of (x, y), √(x² + y²) rounded once, without overflow for large parts.
double steadyHypot(double x, double y);
