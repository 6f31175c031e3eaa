// velmora-replay: plays the game headless from an input track, pass by pass, with no
// pacing, and reports states, screenshots and timings. The same track gives the same
// states and pictures on every run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/demoRun.h"
#include "app/game.h"
#include "app/stateReport.h"
#include "directPlay.h"
#include "journeyDriver.h"
#include "levelMap.h"
#include "levels/levelList.h"
#include "levels/levelSet.h"
#include "media/pngFile.h"
#include "platform/assetFolder.h"
#include "platform/dataFolder.h"
#include "platform/demoFolder.h"
#include "platform/inputTrack.h"
#include "platform/printableText.h"
#include "platform/trackWriter.h"
#include "platform/video.h"
#include "player/carView.h"
#include "replayOptions.h"
#include "timedemo.h"

namespace {

struct passTimings {
    std::vector<double> logicMs;
    std::vector<double> drawMs;
    std::vector<int> logicLevel; // the level each logic time was measured in
    std::vector<int> drawLevel;
};

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Paths given on the command line are relative to where the tool was started; the game
// itself runs in the assets folder.
void makePathsAbsolute(replayOptions &options) {
    namespace fs = std::filesystem;
    for (screenshotRequest &shot : options.shots) {
        shot.path = fs::absolute(shot.path).string();
    }
    if (!options.mapPath.empty()) {
        options.mapPath = fs::absolute(options.mapPath).string();
    }
    if (!options.dataDir.empty()) {
        options.dataDir = fs::absolute(options.dataDir).string();
    }
    options.giveUpShot = fs::absolute(options.giveUpShot).string();
}

bool wantsState(const replayOptions &options, int pass) {
    if (options.stateEveryPass) {
        return true;
    }
    for (const int wanted : options.statePasses) {
        if (wanted == pass) {
            return true;
        }
    }
    return false;
}

bool reportPass(const game &session, const replayOptions &options, int pass) {
    if (wantsState(options, pass)) {
        std::printf("%s\n", stateReport(session, pass, options.listObjects).c_str());
    }
    bool ok = true;
    for (const screenshotRequest &shot : options.shots) {
        if (shot.pass == pass && !saveSurfacePng(session.screen().surface, shot.path)) {
            std::fprintf(stderr, "velmora-replay: cannot write %s\n", shot.path.c_str());
            ok = false;
        }
    }
    return ok;
}

// Times the pass only for a timedemo (`timings` not null): two samples a pass kept for
// nothing would grow the tool by 15 MiB a million passes.
void runTimedPass(game &session, passTimings *timings, const replayOptions &options, int pass) {
    const auto logicStart = std::chrono::steady_clock::now();
    runPassLogic(session);
    if (timings != nullptr) {
        timings->logicMs.push_back(millisecondsSince(logicStart));
        timings->logicLevel.push_back(session.levels.current);
    }
    // A pose given for a level applies once the level has been entered, on the first pass.
    if (pass == 1 && options.level >= 0 && options.hasPose) {
        session.world.car.placeAt(poseFromHeading(options.pose));
        followCar(session.world.view, session.world.car);
    }

    const auto drawStart = std::chrono::steady_clock::now();
    if (runPassDrawing(session) && timings != nullptr) {
        timings->drawMs.push_back(millisecondsSince(drawStart));
        timings->drawLevel.push_back(session.levels.current);
    }
}

const auto toolStarted = std::chrono::steady_clock::now();

// The samples measured in one level.
std::vector<double> samplesIn(const std::vector<double> &samples, const std::vector<int> &levels, int level) {
    std::vector<double> chosen;
    for (size_t k = 0; k < samples.size(); k++) {
        if (levels[k] == level) {
            chosen.push_back(samples[k]);
        }
    }
    return chosen;
}

// With a plan, the timings of each level the journey passed through, in level order.
void reportLevelTimings(const passTimings &timings) {
    for (int level = 0; level < levelCount; level++) {
        const std::vector<double> logic = samplesIn(timings.logicMs, timings.logicLevel, level);
        if (!logic.empty()) {
            const std::vector<double> draw = samplesIn(timings.drawMs, timings.drawLevel, level);
            std::printf("%s\n", levelTimedemoReport(level, static_cast<int>(logic.size()), summarise(logic),
                                                    summarise(draw))
                                    .c_str());
        }
    }
}

// The driver gave up: say where, and keep the last state and the screen it gave up on.
void reportGiveUp(const game &session, const journeyDriver &driver, const replayOptions &options, int pass) {
    std::fprintf(stderr, "velmora-replay: gave up on %s\n", driver.failureMessage().c_str());
    std::printf("%s\n", stateReport(session, pass, false).c_str());
    if (!saveSurfacePng(session.screen().surface, options.giveUpShot)) {
        std::fprintf(stderr, "velmora-replay: cannot write %s\n", options.giveUpShot.c_str());
        return;
    }
    std::fprintf(stderr, "velmora-replay: the screen it gave up on: %s\n", options.giveUpShot.c_str());
}

struct replayInput {
    const inputTrack &track;
    journeyDriver *driver; // null without a plan
};

// Runs the passes; returns the number run (fewer than asked when the game quits or a plan
// ends).
int replay(game &session, const replayInput &input, const replayOptions &options, bool &reportsOk) {
    const double startupMs = millisecondsSince(toolStarted);
    passTimings timings;
    if (options.timedemo) {
        // Room for the passes asked for, up to an hour's; a longer run grows it as it goes.
        const auto room = static_cast<size_t>(std::min(options.frames, 60 * 60 * 60));
        timings.logicMs.reserve(room);
        timings.drawMs.reserve(room);
        timings.logicLevel.reserve(room);
        timings.drawLevel.reserve(room);
    }
    trackCursor cursor;
    int pass = 0;
    while (pass < options.frames && !session.flags.quit) {
        if (input.driver != nullptr) {
            input.driver->beforePass(session);
            if (input.driver->gaveUp()) {
                reportGiveUp(session, *input.driver, options, pass);
                reportsOk = false;
                break;
            }
            if (input.driver->finished()) {
                break;
            }
        }
        pass++;
        pushTrackEvents(input.track, cursor, pass);
        runTimedPass(session, options.timedemo ? &timings : nullptr, options, pass);
        reportsOk = reportPass(session, options, pass) && reportsOk;
    }
    if (input.driver != nullptr && !input.driver->gaveUp()) {
        if (!input.driver->finished() && !session.flags.quit) {
            std::fprintf(stderr, "velmora-replay: the plan was not done in %d passes\n", options.frames);
            reportsOk = false;
        }
        std::printf("%s\n", stateReport(session, pass, false).c_str());
    }
    if (options.timedemo) {
        std::printf(
            "%s\n",
            timedemoReport(pass, summarise(timings.logicMs), summarise(timings.drawMs), startupMs).c_str());
        if (input.driver != nullptr) {
            reportLevelTimings(timings);
        }
    }
    return pass;
}

int fail(const std::string &message) {
    std::fprintf(stderr, "velmora-replay: %s\n%s", message.c_str(), replayUsage);
    return 2;
}

// The side of a level as its setup builds it, read before the game is.
int sideOfLevel(const int index) {
    const std::unique_ptr<levelSet> levels = std::make_unique<levelSet>();
    levelList list;
    levels->linkInto(list);
    return list.levels[index]->side;
}

bool startFromRecording(const inputTrack &track, replayOptions &options, demoFolder &ownFolder,
                        std::string &error) {
    if (track.start.game != gameVersion()) {
        std::fprintf(stderr, "velmora-replay: the track was recorded by velmora %s; this is %s\n",
                     printableText(track.start.game).c_str(), gameVersion().c_str());
    }
    if (track.cutShortInLine > 0) {
        std::fprintf(stderr,
                     "velmora-replay: the track was cut short in line %d as it was recorded; it plays up to "
                     "the line before\n",
                     track.cutShortInLine);
    }
    if (options.dataDir.empty()) {
        if (!ownFolder.make(error)) {
            return false;
        }
        options.dataDir = ownFolder.path();
    }
    if (!createFolders(options.dataDir) || !fillDataFolder(options.dataDir, track.start)) {
        error = "cannot write the recorded run's files in " + options.dataDir;
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    removeLeftDemoFolders(); // the tool plays demos in folders of their own too
    replayOptions options;
    options.assetsDir = VELMORA_ASSETS_DIR;
    std::string error;
    if (!parseReplayOptions(argc, argv, options, error)) {
        return fail(error);
    }
    if (options.help) {
        std::fputs(replayUsage, stdout);
        std::fputs(replayOptionsText, stdout);
        return 0;
    }
    if (options.hasPose && !poseFitsLevel(options.pose, sideOfLevel(options.level), error)) {
        return fail(error);
    }
    inputTrack track;
    if (!options.inputPath.empty() && !loadInputTrack(options.inputPath, track, error)) {
        return fail(error);
    }
    std::vector<journeyLeg> plan;
    if (!options.planPath.empty() && !loadJourneyPlan(options.planPath, plan, error)) {
        return fail(error);
    }
    journeyDriver driver(std::move(plan));
    // A recorded track starts from the files its run started from: in the folder given, else
    // in one of its own, removed at the end.
    demoFolder ownFolder;
    if (track.recorded && !startFromRecording(track, options, ownFolder, error)) {
        return fail(error);
    }
    // The player's own folder, settled as the game settles it: before the move into the assets.
    if (options.dataDir.empty()) {
        options.dataDir = defaultDataFolder();
        if (dataFolderIsLocal()) {
            std::fprintf(stderr, "velmora-replay: HOME, XDG_DATA_HOME and APPDATA are unset; saving in %s\n",
                         std::filesystem::absolute(options.dataDir).c_str());
        }
    }
    // Made before the move into the assets, so a relative path is where the tool was started.
    trackWriter recording;
    if (!options.recordPath.empty() && !recording.create(options.recordPath, options.dataDir, error)) {
        return fail(error);
    }
    makePathsAbsolute(options);
    const std::string assets = std::filesystem::absolute(options.assetsDir).string();
    if (chdir(options.assetsDir.c_str()) != 0) {
        return fail("cannot enter the assets folder " + options.assetsDir);
    }
    // States alone would need no pictures, but every shot and map would come out black.
    if (!holdsAnyPicture(".")) {
        std::fprintf(stderr,
                     "velmora-replay: not one picture could be read in %s/art (--assets names the folder "
                     "that holds art/ and sounds/)\n",
                     assets.c_str());
        return 1;
    }

    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const screenHandle screen = openGameWindow(1); // pictures come from the screen, not the window
    if (!screen.isOpen()) {
        return 1;
    }
    bool reportsOk = true;
    bool soundAudible = true;
    {
        const std::unique_ptr<game> session =
            std::make_unique<game>(screen, prepareDataFiles(options.dataDir));
        if (!options.progressFlags.empty()) {
            parseProgressFlags(options.progressFlags, session->world.car.progressFlags);
        }
        if (options.fourth >= 0) {
            session->flags.fourth = options.fourth == 1;
        }
        if (options.level >= 0) {
            startPlayInLevel(*session, options.level);
        }
        if (recording.isOpen()) {
            startRecording(*session, recording);
        }

        if (!options.mapPath.empty() &&
            !writeLevelMap(*session->levels.levels[options.level], session->images, options.mapCellSize,
                           options.mapPath)) {
            std::fprintf(stderr, "velmora-replay: cannot write %s\n", options.mapPath.c_str());
            reportsOk = false;
        }
        replay(*session, replayInput{track, options.planPath.empty() ? nullptr : &driver}, options,
               reportsOk);
        recording.finish(session->demo.pass);
        soundAudible = session->sounds.audible();
    }
    ownFolder.remove(); // the exit below runs no destructors
    closeGameAndExit(driver.gaveUp() ? 3 : (reportsOk ? 0 : 1), soundAudible);
}
