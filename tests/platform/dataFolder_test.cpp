#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/dataFiles.h"
#include "platform/dataFolder.h"
#include "platform/settingsFile.h"
#include "support/sdlTestEnvironment.h"

namespace {

// Sets environment variables for one test and puts the old values back afterwards.
class environmentOverride {
  public:
    void set(const char *name, const char *value) {
        const char *old = std::getenv(name);
        saved.push_back({name, old != nullptr, old != nullptr ? old : ""});
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~environmentOverride() {
        for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
            if (it->existed) {
                setenv(it->name.c_str(), it->value.c_str(), 1);
            } else {
                unsetenv(it->name.c_str());
            }
        }
    }

  private:
    struct savedVariable {
        std::string name;
        bool existed;
        std::string value;
    };
    std::vector<savedVariable> saved;
};

int filesIn(const std::string &folder) {
    int count = 0;
    DIR *dir = opendir(folder.c_str());
    while (dirent *entry = readdir(dir)) {
        count += entry->d_name[0] != '.';
    }
    closedir(dir);
    return count;
}

// A tmpfs of a few pages mounted over a folder for one test, and filled to the last block.
class fullDisk {
  public:
    explicit fullDisk(const std::string &folder) : where(folder) {
        mounted = mount("velmora-full", where.c_str(), "tmpfs", 0, "size=16k") == 0;
        reason = mounted ? "" : std::strerror(errno);
    }
    ~fullDisk() {
        if (mounted) {
            umount2(where.c_str(), MNT_DETACH);
        }
    }
    void fill() const {
        FILE *filler = std::fopen((where + "/filler").c_str(), "wb");
        const std::string block(4096, 'f');
        while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() &&
               std::fflush(filler) == 0) {
        }
        std::fclose(filler);
    }
    void makeRoom() const { unlink((where + "/filler").c_str()); }

    std::string where;
    bool mounted = false;
    std::string reason;
};

} // namespace

TEST(DataFolder, ChosenFromAppDataThenXdgThenHome) {
    environmentOverride env;
    env.set("APPDATA", "/a");
    env.set("XDG_DATA_HOME", "/x/");
    env.set("HOME", "/h");
    EXPECT_EQ(defaultDataFolder(), "/a/Velmora");
    env.set("APPDATA", "");
    EXPECT_EQ(defaultDataFolder(), "/x/Velmora");
    env.set("XDG_DATA_HOME", nullptr);
    EXPECT_EQ(defaultDataFolder(), "/h/.local/share/Velmora");
    EXPECT_FALSE(dataFolderIsLocal());
    env.set("HOME", nullptr);
    EXPECT_EQ(defaultDataFolder(), "Velmora");
    EXPECT_TRUE(dataFolderIsLocal());
}

TEST(DataFolder, CreatedWithItsParentsAndUsable) {
    const temporaryFolder root;
    const dataFiles files = prepareDataFiles(root.file("one/two/Velmora"));
    EXPECT_TRUE(files.writable);
    EXPECT_EQ(files.settingsPath, root.file("one/two/Velmora/settings.sav"));
    EXPECT_EQ(files.gameSavePath, root.file("one/two/Velmora/game.sav"));
    EXPECT_TRUE(prepareDataFiles(files.folder).writable); // an existing folder is no error
}

TEST(DataFolder, AFolderThatCannotBeMadeIsReportedAndTheDefaultsServe) {
    const temporaryFolder root;
    writeWholeFile(root.file("blocker"), "a file where a folder should be");
    testing::internal::CaptureStderr();
    const dataFiles files = prepareDataFiles(root.file("blocker/Velmora"));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(files.writable);
    EXPECT_NE(said.find(root.file("blocker/Velmora")), std::string::npos);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
    EXPECT_EQ(readOrCreateFile(files.settingsPath, defaultSettingsText), "00");
}

TEST(AtomicWrite, ReplacesTheWholeFileAndLeavesNoTemporaryBehind) {
    const temporaryFolder folder;
    const std::string path = folder.file("game.sav");
    writeWholeFile(path, "1111111");
    EXPECT_TRUE(writeTextFile(path, "2000000"));
    EXPECT_EQ(readWholeFile(path), "2000000");
    EXPECT_EQ(filesIn(folder.path()), 1);
}

// A write that fails halfway (here: the file-size limit, which binds even for root)
// reports failure and leaves the old file as it was.
TEST(AtomicWrite, AFailedWriteLeavesTheOldFileIntact) {
    const temporaryFolder folder;
    const std::string path = folder.file("game.sav");
    writeWholeFile(path, "3010100");

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit = {4, 4};
        setrlimit(RLIMIT_FSIZE, &limit);
        const bool written = writeTextFile(path, "0000000 and a great deal more than four bytes");
        _exit(written ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed write was reported as success";
    EXPECT_EQ(readWholeFile(path), "3010100");
    EXPECT_EQ(filesIn(folder.path()), 1);
}

// A writer killed at any moment leaves the old file or the new one, never a torn one.
TEST(AtomicWrite, AWriterKilledMidWriteLeavesOldOrNewContent) {
    const temporaryFolder folder;
    const std::string path = folder.file("game.sav");
    const std::string oldText(200000, 'o');
    const std::string newText(200000, 'n');
    for (int attempt = 0; attempt < 20; attempt++) {
        writeWholeFile(path, oldText);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (;;) {
                writeTextFile(path, newText);
                writeTextFile(path, oldText);
            }
        }
        usleep(1000 + attempt * 700);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const std::string left = readWholeFile(path);
        EXPECT_TRUE(left == oldText || left == newText) << "torn file of " << left.size() << " bytes";
    }
}

TEST(LeftTemporaries, OnlyTheGamesOwnAreRemovedAtStartUp) {
    const temporaryFolder folder;
    const std::vector<std::string> ours = {"game.sav.Ab3xYz", "settings.sav.000000", ".write-test-q1W2e3"};
    const std::vector<std::string> others = {"game.sav",        "game.sav.bad",     "game.sav.Ab3xYz7",
                                             "game.sav.Ab3-Yz", "notes.txt.Ab3xYz", "game.savXAb3xYz",
                                             "settings.sav.abc"};
    for (const std::string &name : ours) {
        writeWholeFile(folder.file(name), "1");
    }
    for (const std::string &name : others) {
        writeWholeFile(folder.file(name), "1");
    }
    ASSERT_EQ(mkdir(folder.file("game.sav.Folder").c_str(), 0755), 0); // not a file: stays
    ASSERT_TRUE(prepareDataFiles(folder.path()).writable);
    for (const std::string &name : ours) {
        EXPECT_NE(access(folder.file(name).c_str(), F_OK), 0) << name;
    }
    for (const std::string &name : others) {
        EXPECT_EQ(access(folder.file(name).c_str(), F_OK), 0) << name;
    }
    EXPECT_EQ(access(folder.file("game.sav.Folder").c_str(), F_OK), 0);
}

// A folder in the saved game's place: the save fails aloud, the text waits, and the next
// save of the other file writes it once the folder is gone.
TEST(SaveFailure, AFolderNamedLikeTheFileIsReportedAndTheTextWaits) {
    const temporaryFolder folder;
    dataFiles files = prepareDataFiles(folder.path());
    ASSERT_EQ(mkdir(files.gameSavePath.c_str(), 0755), 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(saveDataFile(files, dataFile::savedGame, "2110000"));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "velmora: could not save " + files.gameSavePath +
                        ": Is a directory; kept in memory to try again\n");
    EXPECT_TRUE(files.unsavedGame.waiting);
    EXPECT_EQ(filesIn(folder.path()), 1); // no temporary left behind

    rmdir(files.gameSavePath.c_str());
    testing::internal::CaptureStderr();
    EXPECT_TRUE(saveDataFile(files, dataFile::settings, "01"));
    said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "velmora: saved " + files.gameSavePath + " at last\n");
    EXPECT_EQ(readWholeFile(files.gameSavePath), "2110000");
    EXPECT_FALSE(files.unsavedGame.waiting);
}

// A real full disk (a tiny tmpfs; mounting needs root): the start-up check sees it, every save
// fails and waits, and the way out writes both once there is room again.
TEST(SaveFailure, AFullDiskKeepsTheTextsUntilThereIsRoom) {
    const temporaryFolder folder;
    const fullDisk disk(folder.path());
    if (!disk.mounted) {
        GTEST_SKIP() << "cannot mount a tmpfs here: " << disk.reason;
    }
    const std::string data = folder.file("Velmora");
    ASSERT_TRUE(createFolders(data));
    writeWholeFile(data + "/game.sav", "1100000");
    disk.fill();
    testing::internal::CaptureStderr();
    dataFiles files = prepareDataFiles(data);
    EXPECT_FALSE(files.writable);
    EXPECT_FALSE(saveDataFile(files, dataFile::savedGame, "2110000"));
    EXPECT_FALSE(saveDataFile(files, dataFile::settings, "10"));
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("could not save " + files.gameSavePath + ": No space left on device"),
              std::string::npos)
        << said;
    EXPECT_EQ(readWholeFile(files.gameSavePath), "1100000");
    EXPECT_EQ(filesIn(data), 1);

    disk.makeRoom();
    testing::internal::CaptureStderr();
    saveWaitingTexts(files);
    said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(readWholeFile(files.gameSavePath), "2110000");
    EXPECT_EQ(readWholeFile(files.settingsPath), "10");
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 2) << said;
}
