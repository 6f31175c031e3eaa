#pragma once
// The test driver: plays a journey plan leg by leg, reading the car and the level after
// each pass and pressing the keys a player would for the next one. It reaches the game only
// through the window's key and quit events.
#include <string>
#include <vector>

#include "journeyPlan.h"

class game;

// Which way to steer towards a point: +1 left (the car's own "turn" sign), -1 right, 0 ahead.
// The world wraps, so the point is sought the short way round a world of `side` tiles.
int steerToward(double carX, double carY, double dirX, double dirY, double targetX, double targetY, int side);

// The point a car at (carX, carY) steers for to keep to the line through (lineX, lineY)
// along the unit vector (alongX, alongY): `lookAhead` tiles beyond its nearest point on the line.
void pointOnLineAhead(double carX, double carY, double lineX, double lineY, double alongX, double alongY,
                      double lookAhead, int side, double &targetX, double &targetY);

// The distance the car rolls before it stands, braking from `speed` as the driver brakes.
double stoppingDistance(double speed);

class journeyDriver {
  public:
    explicit journeyDriver(std::vector<journeyLeg> plan);

    // Queues this pass's key events, decided from the game as the last pass left it.
    void beforePass(const game &session);

    bool finished() const { return next >= legs.size(); }
    bool gaveUp() const { return !failure.empty(); }
    const std::string &failureMessage() const { return failure; }

  private:
    enum class legResult { running, done, failed };

    std::vector<journeyLeg> legs;
    size_t next = 0;
    int passesInLeg = 0;
    int step = 0;              // where a leg of several steps has got to
    bool reachedPoint = false; // a drive leg that goes on past its point
    int stuckPasses = 0;       // standing with the gas held
    bool defending = false;    // against hunting ghost cars
    bool defendingRacers = false;
    struct sighting {
        int32_t objectId;
        double x, y;
    };
    std::vector<sighting> racersLastPass; // where each racing ghost was after the last pass
    int defenceStep = 0;                  // 0 driving on; 1 braking or waiting for the ghost; 2 flashed
    int defencePasses = 0;
    int levelSeen = -1;
    int passesInLevel = 0;
    std::vector<keyCode> wanted;
    std::vector<keyCode> held;
    std::string failure;

    legResult playLeg(const journeyLeg &leg, const game &session);
    legResult drive(const journeyLeg &leg, const game &session);
    legResult follow(const journeyLeg &leg, const game &session);
    void steerFor(const game &session, double targetX, double targetY, double topSpeed);
    legResult flash(const game &session);
    legResult pressOnce(keyCode key);
    bool holds(const journeyCondition &condition, const game &session) const;
    bool defend(const game &session);
    bool flashRacer(const game &session);
    void brakeToStand(double speed);
    void queueChanges();
    void giveUp(const journeyLeg &leg, const game &session, const std::string &why);
};

// Whether the condition holds in the game as it stands, `passesInLevel` after the current
// level was entered.
bool conditionHolds(const journeyCondition &condition, const game &session, int passesInLevel = 0);
