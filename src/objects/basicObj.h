#pragma once
// The common record of every world object: a billboard standing at a point of the tile
// world with a small behaviour of its own. Every kind derives from it, adds its own fields
// after these, and tells in its own file how it behaves: its reset and update, its
// pictures, and what the flash, a bump and its sound cue mean for it.
#include <cstdint>
#include <optional>

#include "media/effectSound.h"
#include "objects/objectChange.h"
#include "objects/objectKinds.h"
#include "objects/objectMode.h"

class animTables;
class objectWorld;
struct levelInPlay;
class playerCar;
struct spriteRecord;

// The sound an object asks for when it cues, and whether it is heard at one volume wherever
// the car is instead of louder the nearer it is.
struct objectCue {
    effectSound sound = effectSound::none;
    bool heardEverywhere = false;
};

class basicObj {
  public:
    virtual ~basicObj() = default;

    // The world the object lives in, linked once at start-up and kept through every reset:
    // a behaviour that changes its whole group or the player car goes through it.
    objectWorld *world = nullptr;

    // Set by reset and never changed.
    objectKind kind = objectKind::lamp;
    bool placed = false;  // in use in the current level: only placed objects update and draw
    int32_t groupId = -1; // shared by the nine wrapped copies of one placed tile
    int32_t objectId = -1;
    bool onMap = false; // this copy lies on the home square
    bool visible = false;
    bool split = false; // drawn as a left and a right half
    bool emitsLight = false;
    int32_t lightShape = 0;
    int32_t frame = 0;
    int32_t state = 0;
    int32_t shade = 24;
    bool fixedShade = false; // drawn at `shade` instead of its tile's light
    double angle = 0.0;      // degrees, 0 … 360
    double x = 0.0, y = 0.0;
    double homeX = 0.0, homeY = 0.0;
    bool solid = false;
    bool soundCue = false; // asks for the kind's sound this frame
    objectMode mode = objectMode::none;

    // Every field back to the kind's defaults: out of play, both ids -1, at the origin.
    virtual void reset() = 0;
    // The kind's behaviour for one frame; `side` is the current level's side in tiles.
    virtual void update(playerCar &car, int32_t side) = 0;

    // The pictures of its sprite; `relativeAngle` is its facing as the camera sees it,
    // 0 … 360. A kind with nothing to show keeps the record's preset pictures.
    virtual void choosePictures(spriteRecord &record, double relativeAngle,
                                const animTables &animations) const;
    // What the headlight flash does to its group when it reaches the object in that level;
    // nothing by default.
    virtual std::optional<objectChange> flashed(const levelInPlay &level) const;
    // What driving into it does to its group; nothing by default.
    virtual std::optional<objectChange> bumped() const;
    // A wall keeps the car farther off than an ordinary obstacle and is not bumped.
    virtual bool isWall(const levelInPlay &level) const;
    // The sound played when it cues; none by default.
    virtual objectCue cue() const;

    // The per-frame rules many kinds share.
    // onMap = the object lies on the home square, both bounds inclusive.
    void testHomeSquare(int32_t side);
    // Bright when near the car, darker in steps beyond 22 tiles: the near wrapped copy is
    // the one that is seen, the far ones go dark.
    void shadeByDistance(const playerCar &car);
    // Within 25 tiles the object takes its tile's light; beyond, it is dark.
    void darkWhenFar(const playerCar &car);

  protected:
    // The fields every kind resets the same way; the kind then sets its own defaults.
    void resetCommon(objectKind ownKind);
};

// The larger of the two axis distances from the object to the car, unwrapped.
double boxDistance(const basicObj &object, const playerCar &car);

// Whether an object more than 25 tiles off goes quite dark, or stays as at 25.
enum class farBeyond25 { dark, asAt25 };

// The shade of an object at a box distance: `near` within 22 tiles, then darker in steps
// (3, 8, 14 beyond 22, 23, 24 tiles), so that of the nine copies only the near one is seen.
int32_t farShade(double distance, int32_t near, farBeyond25 beyond25);
