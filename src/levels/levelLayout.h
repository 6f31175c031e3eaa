#pragma once

#include <cstdint>
#include <initializer_list>

#include "levels/level.h"
#include "objects/objectKinds.h"

// Building blocks for the levels' setup. Every coordinate wraps at the level's side, so a run
// may cross the edge of the world and negative rows count back from the far edge.

// Sets the side, silences the music and clears both grids.
void beginLayout(level &lvl, int32_t side);

void setGround(level &lvl, int32_t x, int32_t y, int32_t value);
// Cells (x, yFirst) … (x, yLast); yLast may lie beyond the side to run across the edge.
void fillGround(level &lvl, int32_t x, int32_t yFirst, int32_t yLast, int32_t value);
void fillGroundColumns(level &lvl, int32_t xFirst, int32_t xLast, int32_t yFirst, int32_t yLast,
                       int32_t value);
// first, second, first, … down a column.
void alternateGround(level &lvl, int32_t x, int32_t yFirst, int32_t yLast, int32_t first, int32_t second);

// A road along y over the whole side: kerb, lane, centre line, lane, kerb at x … x + 4.
void placeStraightRoad(level &lvl, int32_t x);
// Breaks the straight road at x … x + 4 from row gapFirst to row gapLast; both ends come to
// a point on those rows and the centre line turns into short dashes as it nears them.
void cutRoadGap(level &lvl, int32_t x, int32_t gapFirst, int32_t gapLast);
// The centre line at x ends in two short dashes before the road's tip at row tip ...
void dashLineInto(level &lvl, int32_t x, int32_t tip);
// ... or starts with them after it.
void dashLineOutOf(level &lvl, int32_t x, int32_t tip);

// A road along x closes in a point over `length` columns from x on, stepping by direction
// (+1 towards high x, −1 towards low x); its first column spans yTop … yBottom.
void placePointedEnd(level &lvl, int32_t x, int32_t yTop, int32_t yBottom, int32_t direction, int32_t length);
// A road along x from xFirst to xLast: kerbs on rows yTop and yBottom, road between.
void placeStretchAlongX(level &lvl, int32_t xFirst, int32_t xLast, int32_t yTop, int32_t yBottom);

// One column of the diagonal road: an opening piece on row r, eight rows of road, a closing
// piece on row r + 9. Even and odd columns use different pieces so the edges join up.
void placeDiagonalColumn(level &lvl, int32_t x, int32_t r);
// Lamps just outside both edge pieces of a diagonal column that opens on row r.
void placeDiagonalLamps(level &lvl, int32_t x, int32_t r);

// Where a new game puts the player car.
void placeStartTile(level &lvl, int32_t x, int32_t y);
void placeObject(level &lvl, objectKind kind, int32_t x, int32_t y);
void placeObjects(level &lvl, objectKind kind, std::initializer_list<tileSpot> spots);
// Objects at (x, yFirst), (x, yFirst + step), … up to yLast.
void placeObjectColumn(level &lvl, objectKind kind, int32_t x, int32_t yFirst, int32_t yLast, int32_t step);
// Objects at (xFirst, y), (xFirst + step, y), … up to xLast.
void placeObjectRow(level &lvl, objectKind kind, int32_t y, int32_t xFirst, int32_t xLast, int32_t step);
// Lamps every five tiles on both sides of the straight road at x = 38 … 42.
void placeRoadsideLamps(level &lvl);
