#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/assetFolder.h"
#include "support/buildPaths.h"
#include "support/sdlTestEnvironment.h"

namespace {

// The folders that hold the assets in a test, and every folder that was asked about.
std::set<std::string> foldersWithAssets;
std::set<std::string> foldersAsked;

bool fakeHoldsAssets(const std::string &folder) {
    foldersAsked.insert(folder);
    return foldersWithAssets.count(folder) != 0;
}

std::string choose(const assetFolderPlaces &places, std::set<std::string> withAssets) {
    foldersWithAssets = std::move(withAssets);
    foldersAsked.clear();
    return chooseAssetFolder(places, fakeHoldsAssets);
}

} // namespace

TEST(AssetFolder, TheVariableThenABuildOrInstallThatHoldsTheAssetsThenTheWorkingFolder) {
    const assetFolderPlaces all{.fromEnvironment = "/mine",
                                .buildAssets = "/src/build/assets",
                                .besideProgram = "/opt/v/share/velmora",
                                .builtIn = "/usr/share/velmora"};
    // The player's own folder is taken even when it lacks the assets: the warning says so.
    EXPECT_EQ(choose(all, {}), "/mine");
    assetFolderPlaces installed = all;
    installed.fromEnvironment.clear();
    // A build's fresh assets beat an older install of the game.
    EXPECT_EQ(choose(installed, {"/src/build/assets", "/usr/share/velmora"}), "/src/build/assets");
    EXPECT_EQ(choose(installed, {"/opt/v/share/velmora", "/usr/share/velmora"}), "/opt/v/share/velmora");
    EXPECT_EQ(choose(installed, {"/usr/share/velmora"}), "/usr/share/velmora");
    EXPECT_EQ(choose(installed, {}), ".");
    // A build that was never installed has no install places: nothing empty is looked at.
    EXPECT_EQ(choose({}, {""}), ".");
    EXPECT_TRUE(foldersAsked.empty());
}

// A picture counts once it loads: an art folder holding only files that are no pictures, or
// none, gives the game nothing to show.
TEST(AssetFolder, AnyPictureThatLoadsCountsAndNothingElse) {
    const temporaryFolder folder;
    EXPECT_FALSE(holdsAnyPicture(folder.path()));
    ASSERT_EQ(mkdir(folder.file("art").c_str(), 0755), 0);
    ASSERT_EQ(mkdir(folder.file("art/hud").c_str(), 0755), 0);
    writeWholeFile(folder.file("art/hud/wheel.png"), "not a picture");
    writeWholeFile(folder.file("art/notes.txt"), "");
    EXPECT_FALSE(holdsAnyPicture(folder.path()));
    writeWholeFile(folder.file("art/hud/icon.png"),
                   readWholeFile(std::string(builtAssetsDir) + "/art/icon.png"));
    EXPECT_TRUE(holdsAnyPicture(folder.path()));
}

TEST(AssetFolder, AssetsMeanBothFoldersAndPathsSurviveAMove) {
    const temporaryFolder folder;
    ASSERT_EQ(mkdir(folder.file("art").c_str(), 0755), 0);
    EXPECT_FALSE(holdsGameAssets(folder.path()));
    writeWholeFile(folder.file("sounds"), "not a folder");
    EXPECT_FALSE(holdsGameAssets(folder.path()));
    ASSERT_EQ(unlink(folder.file("sounds").c_str()), 0);
    ASSERT_EQ(mkdir(folder.file("sounds").c_str(), 0755), 0);
    EXPECT_TRUE(holdsGameAssets(folder.path()));

    char *const here = getcwd(nullptr, 0);
    EXPECT_EQ(absolutePath("Velmora"), std::string(here) + "/Velmora");
    EXPECT_EQ(absolutePath("/home/a/Velmora"), "/home/a/Velmora");
    std::free(here);
}
