#pragma once
// The world wraps at its edges and things turn: the one home of the arithmetic for both.
// Coordinates wrap by whole sides, angles in degrees by whole turns, and distances take the
// short way round.
#include <cmath>
#include <cstdint>

#include "world/steadyMath.h"

// A tile index brought into 0 … side − 1, whatever its distance from the home square.
inline int32_t wrapTile(int64_t tile, int32_t side) {
    if (side <= 0) {
        return 0;
    }
    const int64_t wrapped = tile % side;
    return static_cast<int32_t>(wrapped < 0 ? wrapped + side : wrapped);
}

// The tile under a world coordinate, brought into 0 … side − 1 (a coordinate of exactly
// `side`, allowed by the wrap, is tile 0). Any coordinate at all, however far off or not a
// number, gives a tile on the map.
inline int32_t tileIndex(double coordinate, int32_t side) {
    if (!(coordinate > -1e15 && coordinate < 1e15)) {
        return 0;
    }
    return wrapTile(static_cast<int64_t>(std::floor(coordinate)), side);
}

// Brings a coordinate into 0 … side by whole sides; a value of exactly `side` stays.
inline double wrapCoordinate(double coordinate, int32_t side) {
    if (side <= 0 || !std::isfinite(coordinate)) {
        return coordinate;
    }
    while (coordinate < 0) {
        coordinate += side;
    }
    while (coordinate > side) {
        coordinate -= side;
    }
    return coordinate;
}

// The difference between two coordinates taken the short way round: brought into
// −side/2 … side/2 by whole sides. A world of no side leaves it as it is.
inline double wrapDelta(double delta, int32_t side) {
    if (side <= 0) {
        return delta;
    }
    delta = std::fmod(delta, side);
    if (delta > side / 2.0) {
        delta -= side;
    } else if (delta < -side / 2.0) {
        delta += side;
    }
    return delta;
}

// An angle in degrees that has just turned past either end comes back into 0 … 360; one
// turn at most, as every turn in the game is far smaller than that.
inline double wrapDegrees(double degrees) {
    if (degrees > 360) {
        return degrees - 360;
    }
    if (degrees < 0) {
        return degrees + 360;
    }
    return degrees;
}

double distance(double x1, double y1, double x2, double y2);
// Shortest distance over a world that wraps every `side` tiles; exact while both
// points lie within one side of the home square.
double wrappedDistance(double x1, double y1, double x2, double y2, int side);

// Turns the vector (u, v) by the angle, in radians.
inline void rotateVector(double &u, double &v, double angle) {
    const sineAndCosine turn = steadySinCos(angle);
    const double turnedU = u * turn.cosine - v * turn.sine;
    const double turnedV = u * turn.sine + v * turn.cosine;
    u = turnedU;
    v = turnedV;
}
