#include "objects/ghostCar.h"

#include <cmath>

#include "media/animTables.h"
#include "objects/interactions.h"
#include "objects/objectWorld.h"
#include "objects/spritePictures.h"
#include "player/playerCar.h"
#include "world/wrapping.h"

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

namespace {

constexpr double degreesPerSector = 22.5;
constexpr int32_t lastSpawnStep = 29;
constexpr double patrolStep = 0.05;
constexpr double huntStep = 0.08;
constexpr double raceAcceleration = 0.01;
constexpr double lookAhead = 4.0;
constexpr double seenInTheDark = 4.0;       // how near the look-ahead point must come to an unlit car
constexpr double seenWithHeadlights = 12.0; // and to a car with its headlights on
constexpr double ramDistance = 2.0;
constexpr double unseenWhenNearer = 0.7; // an appearing ghost right on the car is not drawn
constexpr double patrolTurnPoint = 1.0;
constexpr int32_t huntingSoundGap = 29; // one hunting sound every 31 updates
constexpr int32_t fullGlow = 5;
constexpr int32_t brightestPulse = 1;
constexpr int32_t darkestPulse = 10;
constexpr int32_t deadUpdates = 30; // a killed ghost stays where it died for 31 updates
constexpr double turnStep = 3.0;
constexpr double deadBand = 23.0;
constexpr int32_t ramCost = 3;

// Frames of a ghost: far, fading, unseen beside the car.
constexpr int32_t farFrame = 0;
constexpr int32_t fadingFrame = 1;
constexpr int32_t besideFrame = 2;

// A difference of whole degrees brought into 1 … 360.
int32_t turnOf(int32_t degrees) {
    const int32_t wrapped = ((degrees % 360) + 360) % 360;
    return wrapped == 0 ? 360 : wrapped;
}

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

void ghostCar::update(playerCar &car, int32_t side) {
    soundCue = false;
    testHomeSquare(side);
    if (!visible) {
        return;
    }
    playerDistance = wrappedDistance(x, y, car.x, car.y, side);
    if (!spawnKnown) {
        spawnX = x;
        spawnY = y;
        spawnKnown = true;
    }
    switch (mode) {
    case objectMode::spawn:
        appear(objectMode::patrol);
        break;
    case objectMode::spawnStraight:
        appear(objectMode::straight);
        break;
    case objectMode::patrol:
        patrol(car, side);
        break;
    case objectMode::attack:
        attack(car, side);
        break;
    case objectMode::dead:
        fadeAway();
        break;
    case objectMode::respawn:
        comeBack(objectMode::spawn);
        break;
    case objectMode::respawnStraight:
        comeBack(objectMode::spawnStraight);
        break;
    case objectMode::standing:
        stand(car);
        break;
    case objectMode::straight:
        driveStraight(car);
        break;
    case objectMode::race:
        race(car);
        break;
    default: // resting, or a mode that is not a ghost's
        break;
    }
    keepInOwnSquare(side);
    shadeByNearness(car);
    // Only the home copy lights the map.
    if (x < 0 || x > side || y < 0 || y > side) {
        emitsLight = false;
    }
}

// The spawn animation, one step an update; the ghost then goes on in `whenShown`.
void ghostCar::appear(const objectMode whenShown) {
    lightShape = 0;
    emitsLight = false;
    frame = world->animations.at(ghostCarFrames, animStep);
    if (animStep < lastSpawnStep) {
        animStep++;
    } else {
        mode = whenShown;
    }
    if (playerDistance < unseenWhenNearer) {
        frame = besideFrame;
    }
}

// Back and forth between the patrol point and the spawn point, looking ahead for the car:
// far in the dark, much farther when its headlights give it away.
void ghostCar::patrol(const playerCar &car, const int32_t side) {
    lightShape = 0;
    emitsLight = false;
    const double targetX = patrolLeg ? spawnX : homeX;
    const double targetY = patrolLeg ? spawnY : homeY;
    legDistance = distance(x, y, targetX, targetY);
    headFor(targetX, targetY, side);
    turnTowardsTarget();
    directionFromAngle();
    if (legDistance > patrolTurnPoint) {
        moveAlong(patrolStep);
    } else {
        patrolLeg = !patrolLeg;
    }
    int32_t a = 0, b = 0;
    if (ownSquare(side, a, b)) {
        const double lookX = x + lookAhead * dirX;
        const double lookY = y + lookAhead * dirY;
        const double seen = distance(lookX, lookY, car.x + side * a, car.y + side * b);
        if ((!car.headlightsOn && seen < seenInTheDark) || (car.headlightsOn && seen < seenWithHeadlights)) {
            mode = objectMode::attack;
        }
    }
    nearnessFrame();
}

// Straight for the car as it shows in this copy's own square, glowing.
void ghostCar::attack(playerCar &car, const int32_t side) {
    huntingGlow(car);
    int32_t a = 0, b = 0;
    if (ownSquare(side, a, b)) {
        headFor(car.x + side * a, car.y + side * b, side);
    } else {
        headFor(0, 0, side);
    }
    turnTowardsTarget();
    directionFromAngle();
    moveAlong(huntStep);
    shadePulse();
    nearnessFrame();
    if (playerDistance <= ramDistance) {
        ram(car);
    }
}

// The spawn animation backwards, then back to the spawn point to rest.
void ghostCar::fadeAway() {
    lightShape = 0;
    emitsLight = false;
    if (playerDistance > ramDistance) {
        frame = world->animations.at(ghostCarFrames, animStep);
        if (animStep > 0) {
            animStep--;
        }
    } else {
        frame = besideFrame;
    }
    if (deadTimer <= deadUpdates) {
        deadTimer++;
        return;
    }
    x = spawnX;
    y = spawnY;
    emitsLight = false;
    lightShape = 0;
    frame = besideFrame;
    shade = brightestPulse;
    mode = objectMode::none;
}

void ghostCar::comeBack(const objectMode appearing) {
    x = spawnX;
    y = spawnY;
    emitsLight = false;
    lightShape = 0;
    frame = fadingFrame;
    shade = brightestPulse;
    animStep = 0;
    deadTimer = 0;
    visible = true;
    mode = appearing;
}

// Waits where it stands for the car to come by.
void ghostCar::stand(playerCar &car) {
    animStep = lastSpawnStep;
    nearnessFrame();
    if (playerDistance <= ramDistance) {
        ram(car);
    }
}

// On along its angle, never turning.
void ghostCar::driveStraight(playerCar &car) {
    animStep = lastSpawnStep;
    huntingGlow(car);
    directionFromAngle();
    moveAlong(huntStep);
    shadePulse();
    nearnessFrame();
    if (playerDistance <= ramDistance) {
        ram(car);
    }
}

// On along its angle, gathering speed up to a hundredth of a tile per update for each step
// of its group number; a racer never rams.
void ghostCar::race(playerCar &car) {
    if (raceSpeed < groupId * raceAcceleration) {
        raceSpeed += raceAcceleration;
    }
    animStep = lastSpawnStep;
    huntingGlow(car);
    directionFromAngle();
    moveAlong(raceSpeed);
    shadePulse();
    nearnessFrame();
}

// Whole when far, fading in and out between the bands, unseen when close.
void ghostCar::nearnessFrame() {
    const double d = playerDistance;
    if (d > 5) {
        frame = farFrame;
    } else if (d > 4) {
        if (frame == farFrame || frame == fadingFrame) {
            frame = frame == farFrame ? fadingFrame : farFrame;
        }
    } else if (d > 3) {
        frame = fadingFrame;
    } else if (d > 2) {
        if (frame == fadingFrame || frame == besideFrame) {
            frame = frame == fadingFrame ? besideFrame : fadingFrame;
        }
    } else {
        frame = besideFrame;
    }
}

// A hunting ghost glows, frowns at the driver and sounds its alarm now and then; only the
// home copy is heard, so nine copies make one sound.
void ghostCar::huntingGlow(playerCar &car) {
    if (soundTimer <= huntingSoundGap) {
        soundTimer++;
    } else {
        soundTimer = 0;
        if (onMap) {
            soundCue = true;
        }
    }
    car.cockpit.frown = true;
    if (lightShape < fullGlow) {
        lightShape++;
    }
    emitsLight = true;
}

// The glow swings between bright and dark. A shade left darker than the swing while the
// copy was far off comes back down into it rather than staying dark.
void ghostCar::shadePulse() {
    if (pulseDown) {
        if (shade > brightestPulse) {
            shade--;
        }
        if (shade == brightestPulse) {
            pulseDown = false;
        }
    } else {
        if (shade < darkestPulse) {
            shade++;
        }
        if (shade >= darkestPulse) {
            pulseDown = true;
        }
    }
}

// Hunting and patrolling ghosts leave the sector bounds alone (an angle on one keeps the
// old direction); driving straight or racing, a bound belongs to the sector above it.
void ghostCar::directionFromAngle() {
    const bool closedBelow = mode == objectMode::straight || mode == objectMode::race;
    for (int k = 0; k < ghostDirectionCount; k++) {
        const double low = k * degreesPerSector;
        const double high = (k + 1) * degreesPerSector;
        if ((closedBelow ? angle >= low : angle > low) && angle < high) {
            dirX = directions[k][0];
            dirY = directions[k][1];
        }
    }
}

// Of the sixteen one-step moves, the first that ends nearest the target (over the wrap)
// names the heading wanted: the middle of its sector.
void ghostCar::headFor(const double targetX, const double targetY, const int32_t side) {
    double best = 9999.0;
    for (int k = 0; k < ghostDirectionCount; k++) {
        const double d = wrappedDistance(x + directions[k][0], y + directions[k][1], targetX, targetY, side);
        if (d < best) {
            best = d;
            targetAngle = k * degreesPerSector + degreesPerSector / 2;
        }
    }
}

// Three degrees an update the shorter way round; within 23 degrees of the heading wanted
// the ghost holds its course.
void ghostCar::turnTowardsTarget() {
    if (angle <= targetAngle + deadBand && angle >= targetAngle - deadBand) {
        return;
    }
    const auto whole = static_cast<int32_t>(std::lround(angle));
    const auto wanted = static_cast<int32_t>(std::lround(targetAngle));
    const int32_t down = turnOf(whole - wanted);
    const int32_t up = turnOf(wanted - whole);
    if (up > down) {
        angle -= turnStep;
        if (angle < 0) {
            angle += 360;
        }
    } else {
        angle += turnStep;
        if (angle > 360) {
            angle -= 360;
        }
    }
}

void ghostCar::moveAlong(const double step) {
    x += step * dirX;
    y += step * dirY;
}

// The ghost hits the car, drains three bars of its battery and dies with all its copies.
void ghostCar::ram(playerCar &car) {
    frame = besideFrame;
    soundCue = true;
    hitPlayer(car);
    car.battery = car.battery - ramCost > 0 ? car.battery - ramCost : 0;
    setObject(*world, {.groupId = groupId}, {.mode = objectMode::dead});
    // A ghost outside any group dies all the same rather than ramming again next update.
    mode = objectMode::dead;
}

bool ghostCar::ownSquare(const int32_t side, int32_t &a, int32_t &b) const {
    for (int32_t i = -1; i <= 1; i++) {
        for (int32_t j = -1; j <= 1; j++) {
            if (side * i < spawnX && spawnX < side * i + side && side * j < spawnY &&
                spawnY < side * j + side) {
                a = i;
                b = j;
                return true;
            }
        }
    }
    return false;
}

// One side back at most: a copy that drove out of its square comes in on the far edge.
void ghostCar::keepInOwnSquare(const int32_t side) {
    int32_t a = 0, b = 0;
    if (!ownSquare(side, a, b)) {
        return;
    }
    if (x < side * a) {
        x += side;
    }
    if (x > side * a + side) {
        x -= side;
    }
    if (y < side * b) {
        y += side;
    }
    if (y > side * b + side) {
        y -= side;
    }
}

// Bright, apart from a hunter's pulse, and darker in steps beyond 22 tiles, so that the far
// copies go dark.
void ghostCar::shadeByNearness(const playerCar &car) {
    if (mode != objectMode::attack) {
        shade = brightestPulse;
    }
    shade = farShade(boxDistance(*this, car), shade, farBeyond25::dark);
}

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

std::optional<objectChange> ghostCar::flashed(const levelInPlay &) const {
    if (!visible || !isAbroad(mode)) {
        return std::nullopt;
    }
    return objectChange{.mode = objectMode::dead};
}

objectCue ghostCar::cue() const {
    return {.sound = effectSound::alarm};
}
