#include <gtest/gtest.h>

#include <string>

#include "media/soundVolumes.h"
#include "player/keyBindings.h"
#include "player/optionsFile.h"
#include "support/sdlTestEnvironment.h"

namespace {

struct optionsRig {
    keyboardState keyboard;
    keyBindings bindings{keyboard};
    soundVolumes volumes;
    int brightness = defaultBrightness;

    std::string keysOf(keyAction action) const { return keyNames(bindings.keysOf(action)); }
};

} // namespace

// A hand-edited file that gives one key to two actions, or names a choice twice: each is
// said, the earlier line keeps its key, and a key taken from an action's defaults is swapped
// for one the taker gave up, so no key drives two actions and none is left without a key.
TEST(OptionsFile, KeysClaimedTwiceAndChoicesNamedTwiceEndWithOneActionAKey) {
    optionsRig rig;
    testing::internal::CaptureStderr();
    const int problems = applyOptionsText("accelerate w\n"
                                          "brake w\n"
                                          "lights space\n"
                                          "musicVolume 3\n"
                                          "left s\n"
                                          "musicVolume 7\n",
                                          rig.bindings, rig.volumes, rig.brightness, "options.txt");
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(rig.keysOf(keyAction::accelerateKey), "w");
    EXPECT_EQ(rig.keysOf(keyAction::brakeKey), "a down");
    EXPECT_EQ(rig.keysOf(keyAction::steerLeftKey), "s");
    EXPECT_EQ(rig.keysOf(keyAction::lightsKey), "space");
    EXPECT_EQ(rig.keysOf(keyAction::flashKey), "e");
    EXPECT_EQ(rig.volumes.music, 7);
    EXPECT_EQ(problems, 2);
    EXPECT_EQ(said,
              "velmora: options.txt line 6: used for musicVolume, named on 2 lines; the others are skipped\n"
              "velmora: options.txt line 2: w is accelerate's already, from line 1, and stays there\n"
              "velmora: options.txt line 2: brake keeps s down\n"
              "velmora: options.txt line 3: lights takes space from flash, which takes e\n"
              "velmora: options.txt line 5: left takes s from brake, which takes a\n");

    // The whole file the game writes reads back as it is, whatever it moved.
    optionsRig again;
    const std::string written = playerOptionsText(rig.bindings, rig.volumes, rig.brightness);
    EXPECT_EQ(applyOptionsText(written, again.bindings, again.volumes, again.brightness, "options.txt"), 0);
    EXPECT_EQ(playerOptionsText(again.bindings, again.volumes, again.brightness), written);
}

// A line is printed with its bytes escaped, so an escape sequence in the file never reaches
// the terminal; a file past 16 KB is read to its last whole line, so "effectsVolume 10" cut
// at the limit is not read as 1.
TEST(OptionsFile, PrintedLinesAreEscapedAndALineCutAtTheLimitIsDropped) {
    const temporaryFolder folder;
    const std::string path = folder.file("options.txt");
    const std::string bad = "effects\x1b[2J 3\n";
    const std::string filler = "#" + std::string(16384 - 15 - bad.size() - 2, 'x') + "\n";
    writeWholeFile(path, bad + filler + "effectsVolume 10\nmusicVolume 2\n");
    optionsRig rig;
    testing::internal::CaptureStderr();
    readOptionsFile(path, rig.bindings, rig.volumes, rig.brightness);
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(rig.volumes.effects, fullVolume);
    EXPECT_EQ(rig.volumes.music, fullVolume);
    EXPECT_EQ(said, "velmora: " + path +
                        " is longer than 16384 bytes: line 3, cut there, and all after it are "
                        "not read\nvelmora: " +
                        path +
                        " line 1 skipped: \"effects\\x1b[2J 3\" names no known "
                        "choice, key or value\n");
    EXPECT_EQ(readWholeFile(path + ".bad"), readWholeFile(path));
}

// The brightness is written only away from its default, so the text the game wrote before
// there was one (which every recording's header carries) stays as it was; it reads back, and
// a value that is no level 0 … 10 keeps the default and is said.
TEST(OptionsFile, BrightnessReadsBackAndABadValueKeepsTheDefault) {
    optionsRig rig;
    const std::string defaults = playerOptionsText(rig.bindings, rig.volumes, rig.brightness);
    EXPECT_EQ(defaults.find("brightness"), std::string::npos);
    EXPECT_EQ(applyOptionsText("brightness 8\n", rig.bindings, rig.volumes, rig.brightness, "options.txt"),
              0);
    EXPECT_EQ(rig.brightness, 8);
    const std::string written = playerOptionsText(rig.bindings, rig.volumes, rig.brightness);
    EXPECT_EQ(written, defaults + "brightness 8\n");
    optionsRig again;
    EXPECT_EQ(applyOptionsText(written, again.bindings, again.volumes, again.brightness, "options.txt"), 0);
    EXPECT_EQ(again.brightness, 8);

    for (const std::string bad : {"11", "-1", "dim", "4 5", ""}) {
        optionsRig fresh;
        testing::internal::CaptureStderr();
        EXPECT_EQ(applyOptionsText("brightness " + bad + "\n", fresh.bindings, fresh.volumes,
                                   fresh.brightness, "options.txt"),
                  1);
        EXPECT_EQ(fresh.brightness, defaultBrightness) << bad;
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "velmora: options.txt line 1 skipped: \"brightness " + bad +
                      "\": the brightness is a whole number from 0 to 10\n");
    }
}

// The recall's line is written only off its default key, so a run with the keys as they come
// writes (and records in a demo's header) the same text as before the recall was added.
TEST(OptionsFile, TheRecallLineIsWrittenOnlyWhenItsKeyWasChanged) {
    optionsRig rig;
    const std::string defaults = playerOptionsText(rig.bindings, rig.volumes, rig.brightness);
    EXPECT_EQ(defaults.find("recall"), std::string::npos) << defaults;
    EXPECT_EQ(rig.keysOf(keyAction::recallKey), "tab");
    EXPECT_EQ(applyOptionsText("recall r\n", rig.bindings, rig.volumes, rig.brightness, "options.txt"), 0);
    const std::string changed = playerOptionsText(rig.bindings, rig.volumes, rig.brightness);
    EXPECT_NE(changed.find("pause esc\nrecall r\nmusicVolume"), std::string::npos) << changed;
    optionsRig again;
    EXPECT_EQ(applyOptionsText(changed, again.bindings, again.volumes, again.brightness, "options.txt"), 0);
    EXPECT_EQ(again.keysOf(keyAction::recallKey), "r");
}
