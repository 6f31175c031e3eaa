// The generator writes the same bytes every time: one more run matches, file for file, the art
// and sounds the build made, and writes nothing the build's copy lacks.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/buildPaths.h"
#include "support/sdlTestEnvironment.h"

namespace {

namespace fs = std::filesystem;

// Every regular file under `folder` of the first tree is in the second with the same bytes;
// gives how many were compared.
int compareTrees(const fs::path &first, const fs::path &second, const std::string &folder) {
    int compared = 0;
    for (const auto &entry : fs::recursive_directory_iterator(first / folder)) {
        if (!entry.is_regular_file()) {
            continue;
        }
        const fs::path twin = second / fs::relative(entry.path(), first);
        EXPECT_TRUE(fs::is_regular_file(twin)) << twin;
        EXPECT_TRUE(readWholeFile(entry.path().string()) == readWholeFile(twin.string())) << entry.path();
        compared++;
    }
    return compared;
}

} // namespace

TEST(AssetGenerator, AnotherRunWritesTheBuildsArtAndSoundsByteForByte) {
    const temporaryFolder fresh;
    const std::string command = std::string(builtAssetgenPath) + " " + fresh.path() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const fs::path built(builtAssetsDir);
    for (const char *folder : {"art", "sounds"}) {
        const int compared = compareTrees(fresh.path(), built, folder);
        EXPECT_EQ(compareTrees(built, fresh.path(), folder), compared) << folder;
        EXPECT_GE(compared, std::string(folder) == "art" ? 525 : 23) << folder; // every file the game loads
    }
    EXPECT_TRUE(fs::exists(fs::path(fresh.path()) / "contactSheet.png"));
}
