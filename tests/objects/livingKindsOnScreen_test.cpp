// The living kinds seen as a player sees them, in the levels where they stand: replay tracks,
// and games played in process where a level script does not yet set its kinds going, checked
// by reading the pixels of their screens.
#include <gtest/gtest.h>

#include <SDL_image.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/game.h"
#include "app/sessionRig.h"
#include "levels/levelEight.h"
#include "objects/objectWorld.h"
#include "support/sdlTestEnvironment.h"
#include "tools/replayRun.h"

namespace {

int brightness(SDL_Surface *shot, int x, int y) {
    const Uint32 rgb = pixelRgb(shot, x, y);
    return (rgb >> 16) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF);
}

int green(SDL_Surface *shot, int x, int y) {
    return (pixelRgb(shot, x, y) >> 8) & 0xFF;
}

// Mean brightness of a box of the screen, sampled every 4 pixels.
int meanBrightness(SDL_Surface *shot, int left, int top, int right, int bottom) {
    int sum = 0;
    int count = 0;
    for (int y = top; y < bottom; y += 4) {
        for (int x = left; x < right; x += 4) {
            sum += brightness(shot, x, y);
            count++;
        }
    }
    return sum / count;
}

// The middle of the view, where an object straight ahead stands.
int middleOfView(SDL_Surface *shot) {
    return meanBrightness(shot, 300, 190, 341, 280);
}

// Bright pixels in the message line along the bottom right of the screen.
int litLetterPixels(SDL_Surface *shot) {
    int lit = 0;
    for (int y = 448; y < 476; y++) {
        for (int x = 260; x < 636; x++) {
            lit += brightness(shot, x, y) > 300;
        }
    }
    return lit;
}

struct shotRun {
    temporaryFolder folder;
    std::vector<SDL_Surface *> shots;
    replayResult result;

    // Plays the track from a pose in a level and keeps the screens after the given passes.
    shotRun(int level, const std::string &pose, const std::string &track, int passes,
            const std::vector<int> &shotPasses) {
        writeWholeFile(folder.file("track"), track);
        std::string arguments = "--frames " + std::to_string(passes) + " --level " + std::to_string(level) +
                                " --pose " + pose + " --input " + folder.file("track") + " --data-dir " +
                                folder.path() + " --state " + std::to_string(passes);
        for (const int pass : shotPasses) {
            arguments += " --shot " + std::to_string(pass) + ":" + folder.file(std::to_string(pass) + ".png");
        }
        result = runReplay(arguments);
        for (const int pass : shotPasses) {
            shots.push_back(IMG_Load(folder.file(std::to_string(pass) + ".png").c_str()));
        }
    }
    ~shotRun() {
        for (SDL_Surface *shot : shots) {
            SDL_FreeSurface(shot);
        }
    }
    std::string lastState() const { return result.lines.empty() ? "" : result.lines.back(); }
};

} // namespace

// Level 4: four tiles before the sapling of the left grove, the flash makes it grow into a
// white tree; the car waits beside it while the screen whitens, and the battery the flash
// took is back. (Level 3's tree grows by itself and its recharge ends the level.)
TEST(LivingKindsOnScreen, TheFlashGrowsTheSaplingWhichRechargesTheBattery) {
    const shotRun run(4, "13.5,16.5,90", "10-10 space\n", 110, {60, 110});
    ASSERT_EQ(run.result.exitCode, 0) << run.result.errors;
    SDL_Surface *whitening = run.shots[0];
    SDL_Surface *recharged = run.shots[1];
    ASSERT_NE(whitening, nullptr);
    ASSERT_NE(recharged, nullptr);
    // The grown tree stands white in the middle of the view.
    EXPECT_GT(brightness(whitening, 300, 230), 550);
    EXPECT_GT(brightness(recharged, 300, 230), 450);
    // The tree holds the white flash while the car waits, then lets it go.
    EXPECT_GT(brightness(whitening, 320, 100), 250);
    EXPECT_LT(brightness(recharged, 320, 100), 120);
    // The top bar of the battery gauge is dark at 12 and lit at 13.
    EXPECT_LT(green(whitening, 195, 353), 80);
    EXPECT_GT(green(recharged, 195, 353), 200);
    EXPECT_EQ(jsonField(run.lastState(), "battery"), "13");
    EXPECT_EQ(jsonField(run.lastState(), "level"), "4");
}

// Level 4: the car stops before a statue. It turns to the car, is read and glows dark; the
// flash kills it into a grey statue, and driving into it crumbles it away.
TEST(LivingKindsOnScreen, AStatueIsReadGlowsThenFallsToTheFlashAndCrumbles) {
    const shotRun run(4, "19.5,36.0,90", "200-200 space\n265-316 w\n", 345, {5, 60, 250, 322, 345});
    ASSERT_EQ(run.result.exitCode, 0) << run.result.errors;
    for (SDL_Surface *shot : run.shots) {
        ASSERT_NE(shot, nullptr);
    }
    const int turned = middleOfView(run.shots[0]);
    const int glowing = middleOfView(run.shots[1]);
    const int killed = middleOfView(run.shots[2]);
    const int crumbling = middleOfView(run.shots[3]);
    const int gone = middleOfView(run.shots[4]);
    EXPECT_GT(turned, 120) << "the ghost stands before the car";
    EXPECT_LT(glowing, turned / 2) << "read, it glows down into the dark";
    EXPECT_GT(killed, 150) << "the grey statue the flash left";
    EXPECT_GT(crumbling, 150) << "close up, breaking";
    EXPECT_LT(gone, 50) << "nothing left";
}

// Level 7: with the headlights off, the car waits before the moon with four flames won;
// one is brought out every 31 frames, and they burn as they circle the moon, lighting the
// ground before the car. Far from every light the ground stays black.
TEST(LivingKindsOnScreen, FlamesBurnAndLightTheGroundAroundThem) {
    const shotRun flames(7, "40.5,28.5,90 --flags 111100", "2-2 e\n", 160, {160});
    const shotRun nothing(7, "10.5,10.5,90", "2-2 e\n", 60, {60});
    ASSERT_EQ(flames.result.exitCode, 0) << flames.result.errors;
    ASSERT_NE(flames.shots[0], nullptr);
    ASSERT_NE(nothing.shots[0], nullptr);
    EXPECT_EQ(jsonField(flames.lastState(), "headlightsOn"), "false");
    int flameBodies = 0;
    for (int x = 100; x < 560; x += 4) {
        const Uint32 rgb = pixelRgb(flames.shots[0], x, 260);
        flameBodies += (rgb >> 16) > 150 && (rgb & 0xFF) < 60; // orange
    }
    EXPECT_GT(flameBodies, 10);
    EXPECT_GT(meanBrightness(flames.shots[0], 80, 296, 560, 304), 60);
    EXPECT_LT(meanBrightness(nothing.shots[0], 80, 296, 560, 304), 20);
}

// Level 7 as its script will command it: the moon pulsing and the lightning ring striking
// at random. The game is played in this process so the modes can be set as the script would
// set them; the screens are those the replay tool takes.
TEST(LivingKindsOnScreen, TheMoonPulsesAndItsLightningRingFlickers) {
    sessionRig rig;
    rig.startPlayAt(7);
    game &session = *rig.session;
    session.world.car.placeAt(
        {.x = 35.5, .y = 39.5, .dirX = 1.0, .dirY = 0.0, .planeX = 0.0, .planeY = -0.8, .heading = 180.0});
    session.world.car.headlightsOn = false; // only the moon and the lightning light the ground
    setObject(session.world, {.groupId = 0}, {.mode = objectMode::pulse});
    for (int32_t group = 7; group <= 38; group++) {
        setObject(session.world, {.groupId = group}, {.mode = objectMode::random});
    }
    int darkestMoon = 1 << 30, brightestMoon = 0, fewestBolts = 1 << 30, mostBolts = 0;
    for (int pass = 1; pass <= 120; pass++) {
        runPassLogic(session);
        ASSERT_TRUE(runPassDrawing(session));
        if (pass < 40) {
            continue; // the first strikes are still gathering
        }
        SDL_Surface *screen = session.screen().surface;
        const int moonLight = meanBrightness(screen, 200, 280, 440, 320);
        darkestMoon = std::min(darkestMoon, moonLight);
        brightestMoon = std::max(brightestMoon, moonLight);
        int bolts = 0;
        for (int y = 150; y < 250; y += 2) {
            for (int x = 60; x < 580; x += 2) {
                const bool besideTheMoon = x < 260 || x >= 380;
                bolts += besideTheMoon && brightness(screen, x, y) > 450;
            }
        }
        fewestBolts = std::min(fewestBolts, bolts);
        mostBolts = std::max(mostBolts, bolts);
    }
    EXPECT_GT(brightestMoon, darkestMoon + 60) << "the moon's light on the ground pulses";
    EXPECT_GT(mostBolts, fewestBolts + 15) << "bolts come and go";
}

// Level 8's statue speaks in the stretch of the level in which it stands shown (the car is
// put beside the road there, where no drive from the road can reach past the lamp posts):
// the car stops before it, the statue turns to it, and after 41 passes its line is on screen.
TEST(LivingKindsOnScreen, AStatueTurnsToTheStoppedCarAndSpeaksItsLine) {
    sessionRig rig;
    rig.startPlayAt(8);
    game &session = *rig.session;
    auto &ghostRoad = static_cast<levelEight &>(*session.levels.levels[session.levels.current]);
    ghostRoad.stage = levelEight::onFirstPass;
    constexpr int32_t statueGroup = 44;
    setObject(session.world, {.groupId = statueGroup}, {.visible = true});
    // Beside the road, the statue ahead and to the right, 3.6 tiles off.
    session.world.car.placeAt({.x = 45.6,
                               .y = 8.5,
                               .dirX = 0.530,
                               .dirY = 0.848,
                               .planeX = 0.678,
                               .planeY = -0.424,
                               .heading = 122.0});
    rig.pass(20);
    SDL_Surface *screen = session.screen().surface;
    ASSERT_TRUE(runPassDrawing(session));
    EXPECT_GT(middleOfView(screen), 120) << "the statue, turned to the car, stands ahead";
    EXPECT_EQ(litLetterPixels(screen), 0) << "not yet read";
    // Read after 41 passes, it glows down to dark and back up while its line is shown.
    rig.pass(73);
    ASSERT_TRUE(runPassDrawing(session));
    std::string line;
    for (const textLetter &letter : rig.text().message.letters) {
        if (!letter.isEmpty()) {
            line += letter.letter;
        }
    }
    EXPECT_EQ(line, "dissolve them with light");
    EXPECT_GT(litLetterPixels(screen), 200) << "the line is drawn along the bottom of the screen";
    EXPECT_GT(middleOfView(screen), 120) << "the statue glows bright again";
}
