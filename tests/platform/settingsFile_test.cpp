#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/dataFiles.h"
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
    dataFiles files = prepareDataFiles(folder.path());
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

// A named pipe or a folder in a file's place gives the default at once and is
// left where it is; a named pipe with no writer used to stop the game at start-up.
TEST(ReadOrCreateFile, AnythingButARegularFileIsUnreadableAndLeftAlone) {
    const temporaryFolder folder;
    ASSERT_EQ(mkfifo(folder.file("settings.sav").c_str(), 0644), 0);
    ASSERT_EQ(mkfifo(folder.file("game.sav").c_str(), 0644), 0);
    ASSERT_EQ(mkdir(folder.file("folder.sav").c_str(), 0755), 0);

    // In a child, so a read that blocks fails the test instead of hanging the suite.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        alarm(5);
        const bool ok = readOrCreateFile(folder.file("settings.sav"), "00") == "00" &&
                        readOrCreateFile(folder.file("game.sav"), "0000000") == "0000000" &&
                        readOrCreateFile(folder.file("folder.sav"), "00") == "00";
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "the read did not return";
    EXPECT_EQ(WEXITSTATUS(status), 0);

    struct stat info;
    ASSERT_EQ(stat(folder.file("settings.sav").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(stat(folder.file("game.sav").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    ASSERT_EQ(stat(folder.file("folder.sav").c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
}

// A malformed file is replaced, but its bytes are kept beside it first; the first copy kept
// is never overwritten by a later malformed file, and an empty file leaves no copy.
TEST(ReadOrCreateFile, AMalformedFileIsKeptOnceBesideItsReplacement) {
    const temporaryFolder folder;
    const std::string path = folder.file("game.sav");
    const std::string kept = malformedCopyPath(path);
    EXPECT_EQ(kept, folder.file("game.sav.bad"));

    writeWholeFile(path, "");
    EXPECT_EQ(readOrCreateFile(path, "0000000"), "0000000");
    EXPECT_NE(access(kept.c_str(), F_OK), 0) << "an empty file was kept";

    writeWholeFile(path, "2101100 \n"); // six flames and a stray space
    EXPECT_EQ(readOrCreateFile(path, "0000000"), "0000000");
    EXPECT_EQ(readWholeFile(path), "0000000");
    EXPECT_EQ(readWholeFile(kept), "2101100 \n");

    writeWholeFile(path, "later");
    EXPECT_EQ(readOrCreateFile(path, "0000000"), "0000000");
    EXPECT_EQ(readWholeFile(kept), "2101100 \n");

    // A well-formed file keeps nothing and is not touched.
    writeWholeFile(path, "1000000");
    EXPECT_EQ(readOrCreateFile(path, "0000000"), "1000000");
    EXPECT_EQ(readWholeFile(kept), "2101100 \n");
}

// A folder, a named pipe, a link to /dev/null or a link to nothing where a file belongs is
// said once, on the first read, and no save ever writes through it or replaces it.
TEST(DataFileGuard, WhatIsNoFileIsToldOnceAndNeverWrittenOver) {
    const std::vector<std::pair<const char *, std::function<int(const std::string &)>>> kinds = {
        {"a folder", [](const std::string &path) { return mkdir(path.c_str(), 0755); }},
        {"a named pipe", [](const std::string &path) { return mkfifo(path.c_str(), 0644); }},
        {"a device", [](const std::string &path) { return symlink("/dev/null", path.c_str()); }},
        {"a link to nothing",
         [](const std::string &path) { return symlink("gone/options.txt", path.c_str()); }},
    };
    for (const auto &[kind, make] : kinds) {
        const temporaryFolder folder;
        dataFiles files = prepareDataFiles(folder.path());
        ASSERT_EQ(make(files.optionsPath), 0) << kind;
        struct stat before;
        ASSERT_EQ(lstat(files.optionsPath.c_str(), &before), 0);

        testing::internal::CaptureStderr();
        for (int read = 0; read < 2; read++) {
            std::string bytes;
            noteFileRead(files, dataFile::options, readFileStart(files.optionsPath, bytes, 16));
        }
        EXPECT_EQ(readDataFile(files, dataFile::savedGame, "0000000"), "0000000");
        EXPECT_FALSE(saveDataFile(files, dataFile::options, "musicVolume 3\n")) << kind;
        EXPECT_TRUE(saveDataFile(files, dataFile::savedGame, "1000000"));
        saveWaitingTexts(files);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said, "velmora: " + files.optionsPath + " is " + kind +
                            ", not a file; playing with the defaults, and nothing will be saved to it\n");
        EXPECT_EQ(files.unreadToTell, 1u << static_cast<unsigned>(dataFile::options));

        struct stat after;
        ASSERT_EQ(lstat(files.optionsPath.c_str(), &after), 0);
        EXPECT_EQ(after.st_mode, before.st_mode) << kind;
        EXPECT_EQ(after.st_ino, before.st_ino) << kind;
        EXPECT_EQ(readWholeFile(files.gameSavePath), "1000000");
    }
}
