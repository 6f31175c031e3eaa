#include "levels/levelLayout.h"

#include <algorithm>

#include "levels/tileCodes.h"

using namespace groundCode;

namespace {

int32_t wrap(int32_t value, int32_t side) {
    return ((value % side) + side) % side;
}

void setObjectCell(level &lvl, int32_t x, int32_t y, int32_t code) {
    lvl.objectGrid[wrap(x, lvl.side)][wrap(y, lvl.side)] = code;
}

// A short dash of the centre line, four rows long, from yFirst on.
void placeDash(level &lvl, int32_t x, int32_t yFirst) {
    setGround(lvl, x, yFirst, lineCapDown);
    fillGround(lvl, x, yFirst + 1, yFirst + 2, lineUpDown);
    setGround(lvl, x, yFirst + 3, lineCapUp);
}

} // namespace

void beginLayout(level &lvl, int32_t side) {
    lvl.side = side;
    lvl.music = 0;
    std::fill(&lvl.groundGrid[0][0], &lvl.groundGrid[0][0] + levelGridSize * levelGridSize, dirt);
    std::fill(&lvl.objectGrid[0][0], &lvl.objectGrid[0][0] + levelGridSize * levelGridSize, objectCode::none);
}

void setGround(level &lvl, int32_t x, int32_t y, int32_t value) {
    lvl.groundGrid[wrap(x, lvl.side)][wrap(y, lvl.side)] = value;
}

void fillGround(level &lvl, int32_t x, int32_t yFirst, int32_t yLast, int32_t value) {
    for (int32_t y = yFirst; y <= yLast; y++) {
        setGround(lvl, x, y, value);
    }
}

void fillGroundColumns(level &lvl, int32_t xFirst, int32_t xLast, int32_t yFirst, int32_t yLast,
                       int32_t value) {
    for (int32_t x = xFirst; x <= xLast; x++) {
        fillGround(lvl, x, yFirst, yLast, value);
    }
}

void alternateGround(level &lvl, int32_t x, int32_t yFirst, int32_t yLast, int32_t first, int32_t second) {
    for (int32_t y = yFirst; y <= yLast; y++) {
        setGround(lvl, x, y, (y - yFirst) % 2 == 0 ? first : second);
    }
}

void placeStraightRoad(level &lvl, int32_t x) {
    const int32_t last = lvl.side - 1;
    fillGround(lvl, x, 0, last, capLeft);
    fillGround(lvl, x + 1, 0, last, road);
    fillGround(lvl, x + 2, 0, last, lineUpDown);
    fillGround(lvl, x + 3, 0, last, road);
    fillGround(lvl, x + 4, 0, last, capRight);
}

void dashLineInto(level &lvl, int32_t x, int32_t tip) {
    setGround(lvl, x, tip - 9, lineCapUp);
    placeDash(lvl, x, tip - 8);
    placeDash(lvl, x, tip - 4);
    setGround(lvl, x, tip, road);
}

void dashLineOutOf(level &lvl, int32_t x, int32_t tip) {
    setGround(lvl, x, tip, road);
    placeDash(lvl, x, tip + 1);
    placeDash(lvl, x, tip + 5);
    setGround(lvl, x, tip + 9, lineCapDown);
}

void cutRoadGap(level &lvl, int32_t x, int32_t gapFirst, int32_t gapLast) {
    fillGroundColumns(lvl, x, x + 4, gapFirst, gapLast, dirt);
    // The kerbs bend in a row early, the lanes meet them on the tip row.
    setGround(lvl, x, gapFirst - 1, edge61);
    setGround(lvl, x + 1, gapFirst, edge61);
    setGround(lvl, x + 3, gapFirst, edge4);
    setGround(lvl, x + 4, gapFirst - 1, edge4);
    dashLineInto(lvl, x + 2, gapFirst);

    setGround(lvl, x, gapLast + 1, edge21);
    setGround(lvl, x + 1, gapLast, edge21);
    setGround(lvl, x + 3, gapLast, edge54);
    setGround(lvl, x + 4, gapLast + 1, edge54);
    dashLineOutOf(lvl, x + 2, gapLast);
}

void placePointedEnd(level &lvl, int32_t x, int32_t yTop, int32_t yBottom, int32_t direction,
                     int32_t length) {
    const bool towardsHighX = direction > 0;
    for (int32_t step = 0; step < length; step++) {
        const int32_t column = x + step * direction;
        const int32_t top = yTop + step;
        const int32_t bottom = yBottom - step;
        setGround(lvl, column, top, towardsHighX ? edge54 : edge21);
        fillGround(lvl, column, top + 1, bottom - 1, road);
        setGround(lvl, column, bottom, towardsHighX ? edge4 : edge61);
    }
}

void placeStretchAlongX(level &lvl, int32_t xFirst, int32_t xLast, int32_t yTop, int32_t yBottom) {
    for (int32_t x = xFirst; x <= xLast; x++) {
        setGround(lvl, x, yTop, capUp);
        fillGround(lvl, x, yTop + 1, yBottom - 1, road);
        setGround(lvl, x, yBottom, capDown);
    }
}

void placeDiagonalColumn(level &lvl, int32_t x, int32_t r) {
    const bool even = x % 2 == 0;
    setGround(lvl, x, r, even ? edge23 : edge44);
    fillGround(lvl, x, r + 1, r + 8, road);
    setGround(lvl, x, r + 9, even ? edge6 : edge36);
}

void placeDiagonalLamps(level &lvl, int32_t x, int32_t r) {
    placeObject(lvl, objectKind::lamp, x, r - 1);
    placeObject(lvl, objectKind::lamp, x, r + 10);
}

void placeStartTile(level &lvl, int32_t x, int32_t y) {
    setObjectCell(lvl, x, y, objectCode::startTile);
}

void placeObject(level &lvl, objectKind kind, int32_t x, int32_t y) {
    setObjectCell(lvl, x, y, gridCode(kind));
}

void placeObjects(level &lvl, objectKind kind, std::initializer_list<tileSpot> spots) {
    for (const tileSpot spot : spots) {
        placeObject(lvl, kind, spot.x, spot.y);
    }
}

void placeObjectColumn(level &lvl, objectKind kind, int32_t x, int32_t yFirst, int32_t yLast, int32_t step) {
    for (int32_t y = yFirst; y <= yLast; y += step) {
        placeObject(lvl, kind, x, y);
    }
}

void placeObjectRow(level &lvl, objectKind kind, int32_t y, int32_t xFirst, int32_t xLast, int32_t step) {
    for (int32_t x = xFirst; x <= xLast; x += step) {
        placeObject(lvl, kind, x, y);
    }
}

void placeRoadsideLamps(level &lvl) {
    placeObjectColumn(lvl, objectKind::lamp, 36, 0, 75, 5);
    placeObjectColumn(lvl, objectKind::lamp, 44, 0, 75, 5);
}
