// Screenshots of the generated art through the replay tool: the road lit where the
// headlights fall, black where no light reaches, and the same picture on every run.
#include <gtest/gtest.h>

#include <SDL_image.h>

#include "support/sdlTestEnvironment.h"
#include "tools/replayRun.h"

namespace {

struct pose {
    const char *name;
    int level;
    const char *where; // X,Y,HEADING
    bool darkAhead;    // no lamp, flame or other light far ahead
};

// Along the lamp-lit road of level 5, round the ring of level 3, down the diagonal of
// level 14, and up the unlit road of level 9 beyond its gap.
const pose poses[] = {{"straight road", 5, "40.5,10.5,90", false},
                      {"ring", 3, "12.5,46.5,90", false},
                      {"diagonal road", 14, "20.5,8.5,60", false},
                      {"unlit road", 9, "40.5,55.5,90", true}};

int brightness(SDL_Surface *shot, int x, int y) {
    const Uint32 rgb = pixelRgb(shot, x, y);
    return (rgb >> 16) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF);
}

std::string shootPose(const temporaryFolder &folder, const pose &where, const std::string &name) {
    const std::string path = folder.file(name);
    const replayResult result = runReplay("--frames 2 --level " + std::to_string(where.level) + " --pose " +
                                          where.where + " --shot 2:" + path + " --data-dir " + folder.path());
    EXPECT_EQ(result.exitCode, 0) << result.errors;
    return path;
}

} // namespace

TEST(RendererScreenshots, HeadlightsLightTheRoadAheadAndTheDistanceStaysBlack) {
    const temporaryFolder folder;
    for (const pose &where : poses) {
        SDL_Surface *shot = IMG_Load(shootPose(folder, where, "shot.png").c_str());
        ASSERT_NE(shot, nullptr) << where.name;
        // Four tiles ahead the light is full: the floor there is drawn and bright.
        int lit = 0;
        for (int x = 200; x < 440; x += 8) {
            lit += brightness(shot, x, 300) > 60;
        }
        EXPECT_GT(lit, 20) << where.name;
        // Just below the horizon the floor is more than twelve tiles away: no light, only
        // the faint glow the headlights throw on the windscreen.
        for (int x = 100; x < 540 && where.darkAhead; x += 8) {
            EXPECT_LT(brightness(shot, x, 252), 30) << where.name << " column " << x;
        }
        SDL_FreeSurface(shot);
    }
}

// The crossroads' road runs between two rows of burning street lamps: far beyond the
// headlights, they still light patches of the road and the posts themselves stand out.
TEST(RendererScreenshots, StreetLampsLightTheRoadBeyondTheHeadlights) {
    const temporaryFolder folder;
    const pose road = {"lamp-lit road", 6, "40.5,2.5,90", false};
    SDL_Surface *shot = IMG_Load(shootPose(folder, road, "lamps.png").c_str());
    ASSERT_NE(shot, nullptr);
    int litFarAway = 0;
    for (int y = 250; y < 258; y++) {
        for (int x = 100; x < 540; x += 4) {
            litFarAway += brightness(shot, x, y) > 60;
        }
    }
    EXPECT_GT(litFarAway, 20);
    int lampPosts = 0; // bright pixels above the horizon: only the lamp heads are there
    for (int y = 150; y < 240; y++) {
        for (int x = 40; x < 600; x += 2) {
            lampPosts += brightness(shot, x, y) > 300;
        }
    }
    EXPECT_GT(lampPosts, 10);
    SDL_FreeSurface(shot);
}

TEST(RendererScreenshots, TheSameDriveGivesTheSamePicture) {
    const temporaryFolder folder;
    for (const pose &where : poses) {
        const std::string first = readWholeFile(shootPose(folder, where, "a.png"));
        const std::string second = readWholeFile(shootPose(folder, where, "b.png"));
        EXPECT_FALSE(first.empty());
        EXPECT_EQ(first, second) << where.name;
    }
}
