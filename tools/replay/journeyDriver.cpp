#include "journeyDriver.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <sstream>

#include "app/game.h"
#include "app/stateReport.h"
#include "objects/interactions.h"
#include "objects/objectWorld.h"
#include "platform/input.h"
#include "player/playerCar.h"
#include "world/wrapping.h"

namespace {

// Held above that speed, the reverse key brakes the car by its pull and its rolling loss
// together a pass; below it the driver lets go and the car rolls to a stand.
constexpr double brakingLoss = carMotion::acceleration + carMotion::rollingLoss;

// A point counts as reached this close, or when it has come beside or behind the car this
// close: the car turns no tighter than about ten tiles, so it would circle a point it missed.
constexpr double reachedDistance = 1.5;
constexpr double passedDistance = 4.0;

// Steering does nothing while the point is within this angle of straight ahead (radians):
// small, as the turn starts small each time a steering key goes down.
constexpr double aheadAngle = 0.004;

// How much a tile along a line counts against a tile beside it in finding the piece of a
// line the car is on.
constexpr double alongWeight = 0.1;

// How far short of its point a car that keeps to a line may stand when asked to stand on it.
constexpr double exactMargin = 0.05;

// Passes standing with the gas held before a drive gives up.
constexpr int stuckLimit = 120;

std::string savedText(const game &session) {
    std::ifstream file(session.files.gameSavePath);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::string messageWithUnderscores(const game &session) {
    std::string text = areaText(session.text.message);
    std::replace(text.begin(), text.end(), ' ', '_');
    return text;
}

// The flash reaches this far round the point it is aimed at (beamDistance ahead); the
// driver waits until a ghost is a little inside that.
constexpr double flashReach = 2.7;
// A hunting ghost this near and ahead makes the car stand to meet it.
constexpr double meetGhostWithin = 11.0;
// Passes from pressing the flash to its going off, and how near the beam point a racing ghost
// must then be expected.
constexpr double passesBeforeFlashFires = 7;
constexpr double racerReach = 2.6;
// Longest the car waits for a ghost to come into the beam.
constexpr int defencePassLimit = 300;

struct ghostSighting {
    bool seen = false;
    double fromCar = 1e9;
    double fromBeam = 1e9;
};

// The nearest hunting ghost car ahead of the car. Every copy of a ghost is placed, so plain
// distances find the one nearest across an edge of the world.
ghostSighting huntingGhostAhead(const game &session) {
    const playerCar &car = session.world.car;
    const double beamX = car.x + beamDistance * car.dirX;
    const double beamY = car.y + beamDistance * car.dirY;
    ghostSighting nearest;
    forEachPlaced(session.world, [&](const basicObj &object) {
        if (object.kind != objectKind::ghostCar || !object.visible || object.mode != objectMode::attack) {
            return;
        }
        const double dx = object.x - car.x;
        const double dy = object.y - car.y;
        const double fromCar = std::hypot(dx, dy);
        if (dx * car.dirX + dy * car.dirY <= 0 || fromCar >= nearest.fromCar) {
            return;
        }
        nearest.seen = true;
        nearest.fromCar = fromCar;
        nearest.fromBeam = std::hypot(object.x - beamX, object.y - beamY);
    });
    return nearest;
}

// Ghost cars out on patrol or hunting, each group (all its copies) counted once.
int ghostsAbroad(const game &session) {
    std::vector<int32_t> groups;
    forEachPlaced(session.world, [&](const basicObj &object) {
        if (object.kind == objectKind::ghostCar && object.visible &&
            (object.mode == objectMode::patrol || object.mode == objectMode::attack) &&
            std::find(groups.begin(), groups.end(), object.groupId) == groups.end()) {
            groups.push_back(object.groupId);
        }
    });
    return static_cast<int>(groups.size());
}

} // namespace

int steerToward(double carX, double carY, double dirX, double dirY, double targetX, double targetY,
                int side) {
    const double toX = wrapDelta(targetX - carX, side);
    const double toY = wrapDelta(targetY - carY, side);
    const double across = dirX * toY - dirY * toX;
    const double along = dirX * toX + dirY * toY;
    const double angle = std::atan2(across, along);
    if (std::abs(angle) < aheadAngle) {
        return 0;
    }
    return angle > 0 ? 1 : -1;
}

void pointOnLineAhead(double carX, double carY, double lineX, double lineY, double alongX, double alongY,
                      double lookAhead, int side, double &targetX, double &targetY) {
    // A slanting line comes round the wrapping world beside itself: of the car's nine copies
    // round the line's point, the one nearest the line says which piece of it the car is on,
    // a piece far along the line counting as a little farther.
    const double nearX = wrapDelta(carX - lineX, side);
    const double nearY = wrapDelta(carY - lineY, side);
    double fromX = nearX;
    double fromY = nearY;
    double best = 1e18;
    for (int i = -1; i <= 1; i++) {
        for (int j = -1; j <= 1; j++) {
            const double copyX = nearX + i * side;
            const double copyY = nearY + j * side;
            const double aside = std::abs(copyX * alongY - copyY * alongX);
            const double along = std::abs(copyX * alongX + copyY * alongY);
            if (aside + alongWeight * along < best - 1e-9) {
                best = aside + alongWeight * along;
                fromX = copyX;
                fromY = copyY;
            }
        }
    }
    const double along = fromX * alongX + fromY * alongY + lookAhead;
    targetX = carX + (lineX + along * alongX - (lineX + fromX));
    targetY = carY + (lineY + along * alongY - (lineY + fromY));
}

double stoppingDistance(double speed) {
    double rolled = 0.0;
    while (speed > 0) {
        speed -= speed > brakingLoss ? brakingLoss : carMotion::rollingLoss;
        rolled += std::max(speed, 0.0) * carMotion::distancePerSpeed;
    }
    return rolled;
}

bool conditionHolds(const journeyCondition &condition, const game &session, int passesInLevel) {
    switch (condition.kind) {
    case conditionKind::none:
        return true;
    case conditionKind::level:
        return session.levels.current == condition.number;
    case conditionKind::stage:
        return currentStage(session.levels) == condition.number;
    case conditionKind::moon:
        return currentMoonPhase(session.levels) == condition.number;
    case conditionKind::state:
        return condition.text == stateName(session.context.state);
    case conditionKind::flags:
        return condition.text == progressFlagsText(session.world.car);
    case conditionKind::saved:
        return condition.text == savedText(session);
    case conditionKind::message:
        return condition.text == messageWithUnderscores(session);
    case conditionKind::ghosts:
        return ghostsAbroad(session) == condition.number;
    case conditionKind::won:
        return condition.number >= 1 && condition.number <= progressFlagCount &&
               session.world.car.progressFlags[condition.number - 1];
    case conditionKind::inLevel:
        return passesInLevel >= condition.number;
    case conditionKind::heading:
        return std::abs(std::remainder(session.world.car.heading - condition.coordinate, 360.0)) <= 3.0;
    case conditionKind::xBelow:
        return session.world.car.x < condition.coordinate;
    case conditionKind::xAbove:
        return session.world.car.x > condition.coordinate;
    case conditionKind::yBelow:
        return session.world.car.y < condition.coordinate;
    case conditionKind::yAbove:
        return session.world.car.y > condition.coordinate;
    }
    return false;
}

journeyDriver::journeyDriver(std::vector<journeyLeg> plan) : legs(std::move(plan)) {}

bool journeyDriver::holds(const journeyCondition &condition, const game &session) const {
    return conditionHolds(condition, session, passesInLevel);
}

void journeyDriver::beforePass(const game &session) {
    wanted.clear();
    if (session.levels.current != levelSeen) {
        levelSeen = session.levels.current;
        passesInLevel = 0;
    } else {
        passesInLevel++;
    }
    if (defendingRacers && !gaveUp() && flashRacer(session)) {
        queueChanges();
        return;
    }
    if (defending && !gaveUp() && defend(session)) {
        queueChanges();
        return;
    }
    // Legs that need no pass of their own (a check, a finished wait) give way to the next
    // in the same pass.
    while (!finished() && !gaveUp()) {
        const journeyLeg &leg = legs[next];
        if (passesInLeg >= leg.bound) {
            giveUp(leg, session, "not done after " + std::to_string(leg.bound) + " passes");
            break;
        }
        const legResult result = playLeg(leg, session);
        if (stuckPasses > stuckLimit) {
            giveUp(leg, session, "the car is stuck");
            break;
        }
        if (result == legResult::running) {
            passesInLeg++;
            break;
        }
        if (result == legResult::failed) {
            break;
        }
        wanted.clear();
        next++;
        passesInLeg = 0;
        step = 0;
        reachedPoint = false;
        stuckPasses = 0;
    }
    queueChanges();
}

journeyDriver::legResult journeyDriver::playLeg(const journeyLeg &leg, const game &session) {
    switch (leg.kind) {
    case legKind::press:
        return pressOnce(leg.keys[0]);
    case legKind::hold:
    case legKind::wait:
        if (passesInLeg >= leg.passes) {
            return legResult::done;
        }
        wanted = leg.keys;
        return legResult::running;
    case legKind::until:
        if (holds(leg.condition, session)) {
            return legResult::done;
        }
        wanted = leg.keys;
        return legResult::running;
    case legKind::drive:
        return drive(leg, session);
    case legKind::follow:
        return follow(leg, session);
    case legKind::flash:
        return flash(session);
    case legKind::lights:
        if (step == 1 && session.world.car.refused) {
            giveUp(leg, session, "the headlights would not switch");
            return legResult::failed;
        }
        return pressOnce(keyCode::e);
    case legKind::defend:
        defending = leg.on && !leg.racers;
        defendingRacers = leg.racers;
        return legResult::done;
    case legKind::expect:
        if (!holds(leg.condition, session)) {
            giveUp(leg, session, "the expected condition does not hold");
            return legResult::failed;
        }
        return legResult::done;
    case legKind::quit:
        // The game closes during the pass that sees the event.
        if (step == 0) {
            queueQuitEvent();
            step = 1;
            return legResult::running;
        }
        return legResult::done;
    }
    return legResult::done;
}

// Down for one pass, up for the next: the game sees one press.
journeyDriver::legResult journeyDriver::pressOnce(keyCode key) {
    if (step == 0) {
        wanted = {key};
    }
    if (step == 2) {
        return legResult::done;
    }
    step++;
    return legResult::running;
}

void journeyDriver::brakeToStand(double speed) {
    if (speed > brakingLoss) {
        wanted.push_back(keyCode::s);
    }
}

journeyDriver::legResult journeyDriver::drive(const journeyLeg &leg, const game &session) {
    const playerCar &car = session.world.car;
    const double toX = wrapDelta(leg.x - car.x, car.side);
    const double toY = wrapDelta(leg.y - car.y, car.side);
    const double away = std::hypot(toX, toY);
    const double ahead = toX * car.dirX + toY * car.dirY;
    if (!reachedPoint && (away < reachedDistance || (away < passedDistance && ahead <= 0))) {
        reachedPoint = true;
    }
    if (leg.condition.kind != conditionKind::none && holds(leg.condition, session)) {
        return legResult::done;
    }
    const bool braking =
        leg.stop && (reachedPoint || away <= stoppingDistance(car.speed) + reachedDistance / 2);
    if (braking) {
        if (car.speed == 0) {
            return legResult::done;
        }
        brakeToStand(car.speed);
        return legResult::running;
    }
    if (reachedPoint && leg.condition.kind == conditionKind::none) {
        return legResult::done;
    }
    if (reachedPoint) {
        // On past the point, straight ahead.
        if (car.speed < leg.topSpeed) {
            wanted.push_back(keyCode::w);
        }
        return legResult::running;
    }
    steerFor(session, leg.x, leg.y, leg.topSpeed);
    return legResult::running;
}

journeyDriver::legResult journeyDriver::follow(const journeyLeg &leg, const game &session) {
    if (leg.condition.kind != conditionKind::none && holds(leg.condition, session)) {
        return legResult::done;
    }
    const playerCar &car = session.world.car;
    const double radians = leg.heading * std::numbers::pi / 180.0;
    const double alongX = -std::cos(radians);
    const double alongY = std::sin(radians);
    if (leg.stop) {
        // The point on the line is where the car is to stand, once it holds the line.
        const double toX = wrapDelta(leg.x - car.x, car.side);
        const double toY = wrapDelta(leg.y - car.y, car.side);
        const double ahead = toX * alongX + toY * alongY;
        const double aside = std::abs(toX * alongY - toY * alongX);
        // Braking is known to the hundredth of a tile: asked to, the car stands close on the
        // point; otherwise up to half a reach short of it.
        const double margin = leg.exactly ? exactMargin : reachedDistance / 2;
        if (!reachedPoint && aside < reachedDistance && ahead > (leg.exactly ? -1 : 0) &&
            ahead <= stoppingDistance(car.speed) + margin) {
            reachedPoint = true;
        }
        if (reachedPoint) {
            if (car.speed == 0) {
                return legResult::done;
            }
            brakeToStand(car.speed);
            return legResult::running;
        }
    }
    double targetX = 0.0, targetY = 0.0;
    pointOnLineAhead(car.x, car.y, leg.x, leg.y, alongX, alongY, leg.lookAhead, car.side, targetX, targetY);
    steerFor(session, targetX, targetY, leg.topSpeed);
    return legResult::running;
}

void journeyDriver::steerFor(const game &session, double targetX, double targetY, double topSpeed) {
    const playerCar &car = session.world.car;
    if (car.speed < topSpeed) {
        wanted.push_back(keyCode::w);
    }
    // Gas held and still standing: the car has run into something.
    stuckPasses = car.speed == 0 && car.light <= car.baseLight ? stuckPasses + 1 : 0;
    const int steer = steerToward(car.x, car.y, car.dirX, car.dirY, targetX, targetY, car.side);
    if (steer != 0) {
        wanted.push_back(steer > 0 ? keyCode::a : keyCode::d);
    }
}

// Brakes to a stand, fires, and waits for the flash to fade back to the headlights.
journeyDriver::legResult journeyDriver::flash(const game &session) {
    const playerCar &car = session.world.car;
    if (step == 0) {
        if (car.speed != 0) {
            brakeToStand(car.speed);
            return legResult::running;
        }
        wanted = {keyCode::space};
        step = 1;
        return legResult::running;
    }
    if (step == 1) {
        if (!car.flashFired) {
            giveUp(legs[next], session,
                   "the flash was refused (battery " + std::to_string(car.battery) + ", headlights " +
                       (car.headlightsOn ? "on" : "off") + ")");
            return legResult::failed;
        }
        step = 2;
    }
    return car.light > car.baseLight ? legResult::running : legResult::done;
}

// True while meeting a ghost takes over from the leg: the car stands, waits for the ghost
// to come into the beam, flashes, and waits for the flash to fade.
bool journeyDriver::defend(const game &session) {
    const playerCar &car = session.world.car;
    if (defenceStep == 2) {
        if (car.light > car.baseLight) {
            return true;
        }
        defenceStep = 0;
    }
    const ghostSighting ghost = huntingGhostAhead(session);
    if (!ghost.seen || ghost.fromCar > meetGhostWithin || defencePasses > defencePassLimit ||
        !car.headlightsOn || car.battery < 1 || car.light > car.baseLight) {
        defenceStep = 0;
        defencePasses = ghost.seen ? defencePasses : 0;
        return false;
    }
    defenceStep = 1;
    defencePasses++;
    if (car.speed != 0) {
        brakeToStand(car.speed);
    } else if (ghost.fromBeam <= flashReach) {
        wanted = {keyCode::space};
        defenceStep = 2;
    }
    return true;
}

// A flash pressed now goes off seven passes on, after the cockpit's flash has played its
// first frames; a racing ghost keeps its line and speed, so where it will be then is known.
bool journeyDriver::flashRacer(const game &session) {
    const playerCar &car = session.world.car;
    if (defenceStep == 2) {
        if (car.light > car.baseLight) {
            return true;
        }
        defenceStep = 0;
    }
    std::vector<sighting> seen;
    bool comingIntoBeam = false;
    const double beamX = car.x + beamDistance * car.dirX;
    const double beamY = car.y + beamDistance * car.dirY;
    forEachPlaced(session.world, [&](const basicObj &object) {
        if (object.kind != objectKind::ghostCar || !object.visible || object.mode != objectMode::race) {
            return;
        }
        seen.push_back({object.objectId, object.x, object.y});
        for (const sighting &before : racersLastPass) {
            const double stepX = object.x - before.x;
            const double stepY = object.y - before.y;
            if (before.objectId == object.objectId && std::hypot(stepX, stepY) < 2) {
                const double thenX = object.x + passesBeforeFlashFires * stepX;
                const double thenY = object.y + passesBeforeFlashFires * stepY;
                comingIntoBeam = comingIntoBeam || std::hypot(thenX - beamX, thenY - beamY) < racerReach;
            }
        }
    });
    racersLastPass = seen;
    if (!comingIntoBeam || car.speed != 0 || !car.headlightsOn || car.battery < 1 ||
        car.light > car.baseLight) {
        return false;
    }
    wanted = {keyCode::space};
    defenceStep = 2;
    return true;
}

void journeyDriver::queueChanges() {
    for (const keyCode key : held) {
        if (std::find(wanted.begin(), wanted.end(), key) == wanted.end()) {
            queueKeyEvent(key, false);
        }
    }
    for (const keyCode key : wanted) {
        if (std::find(held.begin(), held.end(), key) == held.end()) {
            queueKeyEvent(key, true);
        }
    }
    held = wanted;
}

void journeyDriver::giveUp(const journeyLeg &leg, const game &session, const std::string &why) {
    const playerCar &car = session.world.car;
    char where[160];
    std::snprintf(where, sizeof where, "level %d, stage %d, car at (%.2f, %.2f) heading %.1f speed %.1f",
                  session.levels.current, currentStage(session.levels), car.x, car.y, car.heading, car.speed);
    failure = leg.where + " \"" + leg.source + "\": " + why + " in " + where;
    wanted.clear();
}
