#include "objects/basicObj.h"

#include <algorithm>
#include <cmath>

#include "player/playerCar.h"

void basicObj::resetCommon(const objectKind ownKind) {
    kind = ownKind;
    placed = false;
    groupId = objectId = -1;
    onMap = visible = split = emitsLight = false;
    lightShape = frame = state = 0;
    shade = 24;
    fixedShade = false;
    angle = 0.0;
    x = y = homeX = homeY = 0.0;
    solid = false;
    soundCue = false;
    mode = objectMode::none;
}

void basicObj::choosePictures(spriteRecord &, double, const animTables &) const {}

std::optional<objectChange> basicObj::flashed(const levelInPlay &) const {
    return std::nullopt;
}

std::optional<objectChange> basicObj::bumped() const {
    return std::nullopt;
}

bool basicObj::isWall(const levelInPlay &) const {
    return false;
}

objectCue basicObj::cue() const {
    return {};
}

void basicObj::testHomeSquare(int32_t side) {
    onMap = x >= 0 && x <= side && y >= 0 && y <= side;
}

double boxDistance(const basicObj &object, const playerCar &car) {
    return std::max(std::fabs(object.x - car.x), std::fabs(object.y - car.y));
}

int32_t farShade(const double distance, const int32_t near, const farBeyond25 beyond25) {
    if (distance > 25 && beyond25 == farBeyond25::dark) {
        return 24;
    }
    if (distance > 24) {
        return 14;
    }
    if (distance > 23) {
        return 8;
    }
    if (distance > 22) {
        return 3;
    }
    return near;
}

void basicObj::shadeByDistance(const playerCar &car) {
    const double d = boxDistance(*this, car);
    fixedShade = true;
    if (d <= 22) {
        shade = 1;
    } else if (d <= 23) {
        shade = 3;
    } else if (d <= 24) {
        shade = 8;
    } else if (d <= 25) {
        shade = 14;
    } else {
        shade = 24;
    }
}

void basicObj::darkWhenFar(const playerCar &car) {
    if (!visible) {
        return;
    }
    if (boxDistance(*this, car) <= 25) {
        fixedShade = false;
    } else {
        fixedShade = true;
        shade = 24;
    }
}
