// The lines that name a key name the one bound to that action now: with the default keys
// each reads as it always has, after a rebinding it names the new key.
#include <gtest/gtest.h>

#include "levels/levelFour.h"
#include "levels/levelOne.h"
#include "levels/levelSeventeen.h"
#include "levels/loadLevelObjects.h"
#include "scriptRig.h"

namespace {

struct hintRig : scriptRig {
    template <class levelClass> levelClass &enter(int32_t index, double x, double y) {
        putCar(x, y, heading::plusY);
        loadLevelObjects(levels, false, index, world, services);
        markHomeSquare();
        return static_cast<levelClass &>(*levels.levels[index]);
    }

    void bind(keyAction action, keyCode key) { world.car.bindings.keysOf(action) = {{key}, 1}; }

    // The line a statue says when it is read, from an empty message area.
    std::string statueLine(int32_t statue) {
        text.message.clearAll();
        setMode(world, statue, objectMode::trigger);
        runScript();
        setMode(world, statue, objectMode::none);
        return messageOnScreen();
    }
};

// Level 1's lesson comes at its 360th pass of teaching.
std::string drivingLesson(hintRig &rig) {
    levelOne &one = rig.enter<levelOne>(1, 30.5, 17.5);
    one.stage = levelOne::teachingDriving;
    one.timer = 359;
    rig.text.message.clearAll();
    rig.runScript();
    return rig.messageOnScreen();
}

} // namespace

TEST(KeyHints, EachLineNamesTheKeyBoundToItsActionNow) {
    {
        hintRig rig;
        EXPECT_EQ(drivingLesson(rig), "wasd to drive");
        rig.bind(keyAction::accelerateKey, keyCode::i);
        rig.bind(keyAction::steerLeftKey, keyCode::j);
        rig.bind(keyAction::brakeKey, keyCode::k);
        rig.bind(keyAction::steerRightKey, keyCode::l);
        EXPECT_EQ(drivingLesson(rig), "ijkl to drive");
        rig.bind(keyAction::accelerateKey, keyCode::up); // a key with a word for a name: one word each
        EXPECT_EQ(drivingLesson(rig), "up j k l to drive");
    }
    {
        hintRig rig;
        levelFour &four = rig.enter<levelFour>(4, 6.5, 36.5);
        EXPECT_EQ(rig.statueLine(39), "space illuminates");
        four.counter = 0; // the three statues' first line again
        four.messageShown = false;
        rig.bind(keyAction::flashKey, keyCode::rightBracket);
        EXPECT_EQ(rig.statueLine(39), "right bracket illuminates");
    }
    {
        hintRig rig;
        levelSeventeen &seventeen = rig.enter<levelSeventeen>(17, 40.5, 20);
        rig.runScript();
        rig.world.car.headlightsOn = true;
        ASSERT_EQ(seventeen.stage, levelSeventeen::followingHeadlights);
        EXPECT_EQ(rig.statueLine(17), "he hides beneath the e key");
        seventeen.messageShown = false;
        rig.bind(keyAction::lightsKey, keyCode::shift);
        EXPECT_EQ(rig.statueLine(17), "he hides beneath the shift key");
    }
}
