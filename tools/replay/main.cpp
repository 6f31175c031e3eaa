// velmora-replay: plays the game headless from an input track, pass by pass, with no
// pacing, and reports states, screenshots and timings. The same track gives the same
// states and pictures on every run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/game.h"
#include "directPlay.h"
#include "inputTrack.h"
#include "levelMap.h"
#include "media/pngFile.h"
#include "platform/dataFolder.h"
#include "platform/video.h"
#include "player/carView.h"
#include "replayOptions.h"
#include "stateReport.h"
#include "timedemo.h"

namespace {

struct passTimings {
    std::vector<double> logicMs;
    std::vector<double> drawMs;
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
    }
    // A pose given for a level applies once the level has been entered, on the first pass.
    if (pass == 1 && options.level >= 0 && options.hasPose) {
        session.world.car.placeAt(poseFromHeading(options.pose));
        followCar(session.world.view, session.world.car);
    }

    const auto drawStart = std::chrono::steady_clock::now();
    if (runPassDrawing(session) && timings != nullptr) {
        timings->drawMs.push_back(millisecondsSince(drawStart));
    }
}

const auto toolStarted = std::chrono::steady_clock::now();

// Runs the passes; returns the number run (fewer than asked when the game quits).
int replay(game &session, const inputTrack &track, const replayOptions &options, bool &reportsOk) {
    const double startupMs = millisecondsSince(toolStarted);
    passTimings timings;
    if (options.timedemo) {
        timings.logicMs.reserve(options.frames);
        timings.drawMs.reserve(options.frames);
    }
    int pass = 0;
    while (pass < options.frames && !session.flags.quit) {
        pass++;
        pushTrackEvents(track, pass);
        runTimedPass(session, options.timedemo ? &timings : nullptr, options, pass);
        reportsOk = reportPass(session, options, pass) && reportsOk;
    }
    if (options.timedemo) {
        std::printf(
            "%s\n",
            timedemoReport(pass, summarise(timings.logicMs), summarise(timings.drawMs), startupMs).c_str());
    }
    return pass;
}

int fail(const std::string &message) {
    std::fprintf(stderr, "velmora-replay: %s\n%s", message.c_str(), replayUsage);
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    replayOptions options;
    options.assetsDir = VELMORA_ASSETS_DIR;
    std::string error;
    if (!parseReplayOptions(argc, argv, options, error)) {
        return fail(error);
    }
    inputTrack track;
    if (!options.inputPath.empty() && !loadInputTrack(options.inputPath, track, error)) {
        return fail(error);
    }
    makePathsAbsolute(options);
    if (chdir(options.assetsDir.c_str()) != 0) {
        return fail("cannot enter the assets folder " + options.assetsDir);
    }

    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const screenHandle screen = openGameWindow(1); // pictures come from the screen, not the window
    if (!screen.isOpen()) {
        return 1;
    }
    const std::string dataDir = options.dataDir.empty() ? defaultDataFolder() : options.dataDir;
    bool reportsOk = true;
    bool soundAudible = true;
    {
        const std::unique_ptr<game> session = std::make_unique<game>(screen, prepareDataFiles(dataDir));
        if (!options.progressFlags.empty()) {
            parseProgressFlags(options.progressFlags, session->world.car.progressFlags);
        }
        if (options.fourth >= 0) {
            session->flags.fourth = options.fourth == 1;
        }
        if (options.level >= 0) {
            startPlayInLevel(*session, options.level);
        }
        if (!options.mapPath.empty() &&
            !writeLevelMap(*session->levels.levels[options.level], session->images, options.mapCellSize,
                           options.mapPath)) {
            std::fprintf(stderr, "velmora-replay: cannot write %s\n", options.mapPath.c_str());
            reportsOk = false;
        }
        replay(*session, track, options, reportsOk);
        soundAudible = session->sounds.audible();
    }
    closeGameAndExit(reportsOk ? 0 : 1, soundAudible);
}
