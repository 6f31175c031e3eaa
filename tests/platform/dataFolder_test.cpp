#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
