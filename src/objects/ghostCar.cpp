#include "objects/ghostCar.h"

#include "objects/spritePictures.h"

// The ghost steers by these sixteen rough unit steps rather than by sine and cosine.
// clang-format off
static constexpr double directionTable[ghostDirectionCount][2] = {
    {1, 0},        {0.875, -0.4375},  {0.75, -0.75},   {0.4375, -0.875},
    {0, -1},       {-0.4375, -0.875}, {-0.75, -0.75},  {-0.875, -0.4375},
    {-1, 0},       {-0.875, 0.4375},  {-0.75, 0.75},   {-0.4375, 0.875},
    {0, 1},        {0.4375, 0.875},   {0.75, 0.75},    {0.875, 0.4375},
};
// clang-format on

void ghostCar::reset() {
    resetCommon(objectKind::ghostCar);
    split = true;
    frame = 1;
    shade = 1;
    fixedShade = true;
    mode = objectMode::spawn;
    animStep = 0;
    deadTimer = 0;
    patrolLeg = false;
    pulseDown = false;
    spawnKnown = false;
    dirX = 1.0;
    dirY = 0.0;
    spawnX = spawnY = 0.0;
    legDistance = 0.0;
    playerDistance = 0.0;
    targetAngle = 0.0;
    for (int k = 0; k < ghostDirectionCount; k++) {
        directions[k][0] = directionTable[k][0];
        directions[k][1] = directionTable[k][1];
    }
    raceSpeed = 0.0;
    soundTimer = 0;
}

void ghostCar::update(playerCar &, int32_t side) {
    testHomeSquare(side);
}

namespace {

// Sixteen views on sectors centred on the multiples of 22.5.
int32_t ghostView(double r) {
    const int32_t s = r >= 348.75 || r < 11.25 ? 0 : 1 + static_cast<int32_t>((r - 11.25) / 22.5);
    return (s + 8) % 16 + 1;
}

// The modes in which a ghost moves or lies in wait, and so can be caught by the flash.
bool isAbroad(objectMode mode) {
    switch (mode) {
    case objectMode::patrol:
    case objectMode::attack:
    case objectMode::standing:
    case objectMode::straight:
    case objectMode::race:
        return true;
    default: // appearing, dying, resting, and modes that are not a ghost's
        return false;
    }
}

} // namespace

// Whole or fading in the sixteen views, unseen right beside the car, or appearing.
void ghostCar::choosePictures(spriteRecord &record, double relativeAngle, const animTables &) const {
    if (frame == 0 || frame == 1) {
        const int32_t view = ghostView(relativeAngle);
        const bool fading = frame == 1;
        choosePair(record, fading ? ghostLeftFadeBase : ghostLeftAllBase,
                   fading ? ghostRightFadeBase : ghostRightAllBase, view, 16);
    } else if (frame == 2) {
        record.image = record.leftImage = record.rightImage = shadedSlot(blankBase, 0, 0);
    } else if (frame >= 3 && frame <= 8) {
        choosePair(record, ghostSpawnLeftBase, ghostSpawnRightBase, frame - 2, 6);
    }
}

std::optional<objectChange> ghostCar::flashed(int32_t) const {
    if (!visible || !isAbroad(mode)) {
        return std::nullopt;
    }
    return objectChange{.mode = objectMode::dead};
}

objectCue ghostCar::cue() const {
    return {.sound = effectSound::alarm};
}
