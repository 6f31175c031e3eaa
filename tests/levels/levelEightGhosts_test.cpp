// The ghosts of level 8 met as a player meets them, played by the replay tool: the car sets
// off the ghosts at the middle of the road, drives a little way up it and waits with its
// headlights on while the first ghost materialises, patrols to its patrol point and back, then
// sees the car, comes at it and rams it, or is caught by the flash on its way.
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

#include "support/sdlTestEnvironment.h"
#include "tools/replayRun.h"

namespace {

// The car stands in the middle of the road facing across it: the first pass of the script sets
// off the ghosts at once. It then drives up the road, turning towards the ghosts, and waits.
constexpr const char *startAndWait = "--level 8 --pose 44.0,40.0,38";
constexpr const char *waitTrack = "1-3 w\n140-180 w\n140-200 d\n";
constexpr const char *flashTrack = "1-3 w\n140-180 w\n140-200 d\n330 space down\n331 space up\n";
constexpr int firstGhostHome = 166; // the home copy of the first ghost (group 18)
constexpr double spawnX = 37.5, spawnY = 52.5;

struct ghostSeen {
    std::string mode;
    int frame = -1;
    double x = 0, y = 0;
};

struct passSeen {
    int battery = -1;
    double speed = -1;
    bool headlightsOn = false;
    ghostSeen ghost;
};

// The car and the home copy of the first ghost after each pass asked for.
std::map<int, passSeen> playPasses(const temporaryFolder &folder, const std::string &track, int frames,
                                   const std::string &extra = "") {
    writeWholeFile(folder.file("track"), track);
    std::string arguments = "--frames " + std::to_string(frames) + " " + startAndWait +
                            " --objects --state all" + " --input " + folder.file("track") + " --data-dir " +
                            folder.path() + extra;
    const replayResult result = runReplay(arguments);
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    std::map<int, passSeen> passes;
    const std::string ghostKey = "\"id\": " + std::to_string(firstGhostHome) + ",";
    for (const std::string &line : result.lines) {
        passSeen seen;
        const size_t car = line.find("\"car\": {");
        const size_t objects = line.find("\"objects\": [");
        if (car == std::string::npos || objects == std::string::npos) {
            continue;
        }
        const std::string carPart = line.substr(car, objects - car);
        seen.battery = std::stoi(jsonField(carPart, "battery"));
        seen.speed = std::stod(jsonField(carPart, "speed"));
        seen.headlightsOn = jsonField(carPart, "headlightsOn") == "true";
        const size_t ghost = line.find(ghostKey, objects);
        if (ghost != std::string::npos) {
            const std::string ghostPart = line.substr(ghost, line.find('}', ghost) - ghost);
            std::string mode = jsonField(ghostPart, "mode");
            std::erase(mode, '"');
            seen.ghost = {mode, std::stoi(jsonField(ghostPart, "frame")),
                          std::stod(jsonField(ghostPart, "x")), std::stod(jsonField(ghostPart, "y"))};
        }
        passes[std::stoi(jsonField(line, "pass"))] = seen;
    }
    return passes;
}

// The first pass from `from` on whose ghost is in `mode`; 0 when none is.
int firstPassIn(const std::map<int, passSeen> &passes, const std::string &mode, int from = 1) {
    for (const auto &[pass, seen] : passes) {
        if (pass >= from && seen.ghost.mode == mode) {
            return pass;
        }
    }
    return 0;
}

} // namespace

TEST(LevelEightGhosts, AGhostPatrolsSeesTheWaitingCarRamsItAndRestsAtItsSpawn) {
    const temporaryFolder folder;
    const std::map<int, passSeen> passes = playPasses(folder, waitTrack, 450);

    // It materialises where it was placed, then patrols out to its patrol point, seven tiles
    // across the road, and back.
    const int patrolling = firstPassIn(passes, "patrol");
    ASSERT_GT(patrolling, 0);
    std::set<int> appearing;
    for (int pass = 1; pass < patrolling; pass++) {
        appearing.insert(passes.at(pass).ghost.frame);
    }
    EXPECT_TRUE(appearing.count(3) && appearing.count(8)); // the spawn pictures
    double farthest = 0;
    const int attacking = firstPassIn(passes, "attack");
    ASSERT_GT(attacking, patrolling + 140);
    for (int pass = patrolling; pass < attacking; pass++) {
        farthest = std::max(farthest, passes.at(pass).ghost.x);
    }
    EXPECT_GT(farthest, 43.5);
    EXPECT_LT(passes.at(attacking).ghost.x, farthest); // on its way back when it sees the car

    // The car has long stopped and waits with its headlights on.
    EXPECT_EQ(passes.at(attacking).speed, 0.0);
    EXPECT_TRUE(passes.at(attacking).headlightsOn);

    // The ram: three bars of battery, the whole group dead at once.
    const int rammed = firstPassIn(passes, "dead");
    ASSERT_GT(rammed, attacking);
    EXPECT_EQ(passes.at(rammed - 1).battery, 13);
    EXPECT_EQ(passes.at(rammed).battery, 10);
    EXPECT_EQ(passes.at(rammed).ghost.frame, 2); // unseen, right at the car

    // Dead where it rammed for 31 updates, then at rest at its spawn point.
    const int resting = firstPassIn(passes, "none", rammed);
    EXPECT_EQ(resting, rammed + 31);
    EXPECT_DOUBLE_EQ(passes.at(resting - 1).ghost.x, passes.at(rammed).ghost.x);
    EXPECT_DOUBLE_EQ(passes.at(resting).ghost.x, spawnX);
    EXPECT_DOUBLE_EQ(passes.at(resting).ghost.y, spawnY);
}

TEST(LevelEightGhosts, TheFlashKillsAGhostOnItsWayAndItFadesBackToItsSpawn) {
    const temporaryFolder folder;
    const std::map<int, passSeen> passes = playPasses(folder, flashTrack, 380);
    const int killed = firstPassIn(passes, "dead");
    EXPECT_EQ(killed, 336);                   // six passes after the flash was fired
    EXPECT_EQ(passes.at(killed).battery, 12); // the flash's own charge, no ram
    // It fades through the spawn pictures backwards while it stays where it was caught.
    std::set<int> frames;
    for (int pass = killed; pass < killed + 31; pass++) {
        frames.insert(passes.at(pass).ghost.frame);
        EXPECT_DOUBLE_EQ(passes.at(pass).ghost.y, passes.at(killed).ghost.y);
    }
    EXPECT_TRUE(frames.count(8) && frames.count(5) && frames.count(3));
    EXPECT_EQ(firstPassIn(passes, "none"), killed + 31);
    EXPECT_EQ(passes.at(380).battery, 12);
}

// Ghost cars are drawn in a pale blue-green the dark road never shows.
TEST(LevelEightGhosts, AHuntingGhostGlowsInTheView) {
    const temporaryFolder folder;
    writeWholeFile(folder.file("track"), waitTrack);
    const replayResult result =
        runReplay(std::string("--frames 340 ") + startAndWait + " --input " + folder.file("track") +
                  " --data-dir " + folder.path() + " --shot 240:" + folder.file("patrol.png") +
                  " --shot 340:" + folder.file("hunt.png"));
    ASSERT_EQ(result.exitCode, 0) << result.errors;
    auto ghostPixels = [](const std::string &path) {
        const std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)> shot(IMG_Load(path.c_str()),
                                                                            SDL_FreeSurface);
        EXPECT_NE(shot, nullptr) << path;
        if (!shot) {
            return -1;
        }
        SDL_Surface *image = shot.get();
        const int bytes = image->format->BytesPerPixel;
        int count = 0;
        for (int y = 0; y < 290; y++) { // the view above the bonnet
            for (int x = 0; x < image->w; x++) {
                const Uint8 *p = static_cast<const Uint8 *>(image->pixels) + y * image->pitch + x * bytes;
                Uint32 pixel = 0;
                for (int k = bytes - 1; k >= 0; k--) { // little-endian rows
                    pixel = (pixel << 8) | p[k];
                }
                Uint8 r, g, b;
                SDL_GetRGB(pixel, image->format, &r, &g, &b);
                count += b > 150 && g > 120 && r < 120;
            }
        }
        return count;
    };
    EXPECT_GT(ghostPixels(folder.file("hunt.png")), 1000);
    EXPECT_LT(ghostPixels(folder.file("patrol.png")), 300); // patrolling, out of sight
}
