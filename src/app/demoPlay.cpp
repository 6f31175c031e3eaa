#include "app/demoPlay.h"

#include <chrono>
#include <cstdio>
#include <memory>

#include "app/game.h"
#include "app/stateReport.h"
#include "app/windowKeys.h"
#include "platform/demoFolder.h"
#include "platform/inputTrack.h"
#include "platform/timingHistogram.h"

namespace {

// The demo's game, started from the run's files in a folder of its own; null, with the
// reason on standard error, when the folder cannot be made.
std::unique_ptr<game> startDemo(const screenHandle screen, const inputTrack &track,
                                const displayChoice display, const demoMode mode, demoFolder &folder) {
    std::string error;
    if (!folder.make(error)) {
        std::fprintf(stderr, "velmora: %s\n", error.c_str());
        return nullptr;
    }
    if (!fillDataFolder(folder.path(), track.start)) {
        std::fprintf(stderr, "velmora: cannot write the demo's files in %s\n", folder.path().c_str());
        return nullptr;
    }
    std::unique_ptr<game> session = std::make_unique<game>(screen, prepareDataFiles(folder.path()), display);
    session->demo.mode = mode;
    session->demo.track = &track;
    // A watcher should know the game is not theirs to play; a timed run shows no one.
    session->text.demoMark = mode == demoMode::play;
    return session;
}

double secondsSince(const std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

demoEnd playDemo(const screenHandle screen, const inputTrack &track, const displayChoice display,
                 const std::string &screenshotFolder) {
    demoFolder folder;
    const std::unique_ptr<game> session = startDemo(screen, track, display, demoMode::play, folder);
    if (!session) {
        return {.screen = screen, .failed = true};
    }
    while (!session->flags.quit) {
        session->frameTimer.start();
        if (demoOver(session->demo, session->keyboard)) {
            break;
        }
        runPassLogic(*session);
        runPassDrawing(*session);
        followWindowKeys(*session, screenshotFolder);
        paceFrame(session->frameTimer, session->frameRateCap, session->pacer, sleepMilliseconds);
    }
    // Play goes on in a window, as the game always starts, when the demo went fullscreen.
    screenHandle after = session->screen();
    if (!session->video.currentlyWindowed) {
        bool fullscreen = false;
        after = followVideoMode(session->video, fullscreen, after);
    }
    return {.screen = after, .closed = session->demo.closed, .audible = session->sounds.audible()};
}

std::string timeDemo(const screenHandle screen, const inputTrack &track, const std::string &name,
                     bool &audible, std::string *stateLine) {
    demoFolder folder;
    const std::unique_ptr<game> session =
        startDemo(screen, track, displayChoice::fromSettings, demoMode::time, folder);
    if (!session) {
        return {};
    }
    // Counted, not kept one by one: the room taken does not grow with the demo's length.
    timingHistogram drawMs;
    const auto started = std::chrono::steady_clock::now();
    while (!session->flags.quit && !demoOver(session->demo, session->keyboard)) {
        runPassLogic(*session);
        const auto drawStart = std::chrono::steady_clock::now();
        if (runPassDrawing(*session)) {
            drawMs.add(secondsSince(drawStart) * 1000.0);
        }
    }
    const double seconds = secondsSince(started);
    const timingSummary drawing = drawMs.summary();
    audible = session->sounds.audible();
    if (stateLine != nullptr) {
        *stateLine = stateReport(*session, session->demo.pass, false);
    }
    return timedemoLine(name, session->demo.pass, seconds, drawing.medianMs, drawing.p99Ms);
}

std::string timedemoLine(const std::string &name, const int passes, const double seconds,
                         const double drawMedianMs, const double drawP99Ms) {
    const double rate = seconds > 0.0 ? passes / seconds : 0.0;
    char figures[160];
    std::snprintf(figures, sizeof figures,
                  ": %d passes in %.2f s, %.1f passes/s, drawing median %.3f ms, p99 %.3f ms", passes,
                  seconds, rate, drawMedianMs, drawP99Ms);
    return name + figures;
}
