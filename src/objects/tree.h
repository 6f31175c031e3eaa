#pragma once
// A living tree: a sapling until the flash reaches it, then it grows, glows, and once grown
// recharges the player car's battery at the price of waking every ghost car.
#include "objects/basicObj.h"
#include "objects/treeFrames.h"

class tree : public basicObj {
  public:
    tree() { tree::reset(); }

    bool chimed; // the tree has played its sound at the start of this recharge

    void reset() override;
    void update(playerCar &car, int32_t side) override;
    void choosePictures(spriteRecord &record, double relativeAngle,
                        const animTables &animations) const override;
    std::optional<objectChange> flashed(const levelInPlay &level) const override;
    bool isWall(const levelInPlay &level) const override;
    objectCue cue() const override;

  private:
    void recharge(playerCar &car, int32_t side);
};
