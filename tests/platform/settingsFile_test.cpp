#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/settingsFile.h"
#include "support/sdlTestEnvironment.h"

TEST(ReadOrCreateFile, AMissingFileIsCreatedWithTheDefault) {
    const temporaryFolder folder;
    const std::string path = folder.file("settings.sav");
    EXPECT_EQ(readOrCreateFile(path, "00"), "00");
    EXPECT_EQ(readWholeFile(path), "00");
}

TEST(ReadOrCreateFile, AFirstLineOfAnotherLengthIsReplacedByTheDefault) {
    const temporaryFolder folder;
    const std::string path = folder.file("settings.sav");
    for (const char *foreign : {"1\n", "", " 10", "100", "\n10", "garbage\x01\x02 text"}) {
        writeWholeFile(path, foreign);
        EXPECT_EQ(readOrCreateFile(path, "00"), "00") << foreign;
        EXPECT_EQ(readWholeFile(path), "00") << foreign;
    }
}

TEST(ReadOrCreateFile, ARightLengthFirstLineIsKeptWithWhatFollows) {
    const temporaryFolder folder;
    const std::string path = folder.file("settings.sav");
    writeWholeFile(path, "10\nmore text");
    EXPECT_EQ(readOrCreateFile(path, "00"), "10");
    EXPECT_EQ(readWholeFile(path), "10\nmore text");

    writeWholeFile(path, "xy");
    EXPECT_EQ(readOrCreateFile(path, "00"), "xy");

    // A line end written on another system reads the same.
    writeWholeFile(path, "11\r\n");
    EXPECT_EQ(readOrCreateFile(path, "00"), "11");
}

TEST(ReadOrCreateFile, AHugeForeignFileIsReplacedNotSwallowed) {
    const temporaryFolder folder;
    const std::string path = folder.file("game.sav");
    writeWholeFile(path, std::string(1 << 20, 'x'));
    EXPECT_EQ(readOrCreateFile(path, "0000000"), "0000000");
    EXPECT_EQ(readWholeFile(path), "0000000");
}

TEST(ReadOrCreateFile, AnUnwritableFolderStillGivesTheDefault) {
    EXPECT_EQ(readOrCreateFile("/proc/velmora-no-such-folder/settings.sav", "00"), "00");
}

TEST(SaveSettings, WritesFullscreenThenThirtyFps) {
    const temporaryFolder folder;
    const dataFiles files = prepareDataFiles(folder.path());
    ASSERT_TRUE(files.writable);
    gameFlags flags;
    flags.fullscreen = true;
    EXPECT_TRUE(saveSettings(flags, files));
    EXPECT_EQ(readWholeFile(files.settingsPath), "10");
    flags.thirtyFps = true;
    EXPECT_TRUE(saveSettings(flags, files));
    EXPECT_EQ(readWholeFile(files.settingsPath), "11");
    flags.fullscreen = false;
    EXPECT_TRUE(saveSettings(flags, files));
    EXPECT_EQ(readOrCreateFile(files.settingsPath, defaultSettingsText), "01");
}

TEST(ApplySettingsText, OnlyAOneSwitchesAFlagOn) {
    gameFlags flags;
    applySettingsText("1x", flags);
    EXPECT_TRUE(flags.fullscreen);
    EXPECT_FALSE(flags.thirtyFps);
    applySettingsText("00", flags); // a '0' clears nothing
    EXPECT_TRUE(flags.fullscreen);
    applySettingsText("01", flags);
    EXPECT_TRUE(flags.thirtyFps);
    gameFlags fresh;
    applySettingsText("", fresh);
    EXPECT_FALSE(fresh.fullscreen);
}
