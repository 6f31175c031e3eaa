// Velmora: a night drive. Opens the window and plays until the player quits.
// SDL.h renames main to its own entry point's callee where the system starts programs
// elsewhere (WinMain on Windows); it must see this file's main.
#include <SDL.h>

#include <cstdio>

#include "app/commandLine.h"
#include "app/demoPlay.h"
#include "app/runGame.h"
#include "platform/assetFolder.h"
#include "platform/dataFolder.h"
#include "platform/demoFolder.h"
#include "platform/inputTrack.h"
#include "platform/printableText.h"
#include "platform/programStart.h"
#include "platform/screenshotFile.h"
#include "platform/trackWriter.h"
#include "platform/video.h"

namespace {

// A track to play, read before the window opens; false, said in one line, when it is not one.
bool loadDemo(const commandLineChoice &choice, inputTrack &track) {
    std::string error;
    if (!loadInputTrack(choice.demoPath, track, error, true)) {
        std::fprintf(stderr, "velmora: %s\n", error.c_str());
        return false;
    }
    if (track.start.game != gameVersion()) {
        std::fprintf(stderr,
                     "velmora: %s was recorded by velmora %s; this is %s, and it may play differently\n",
                     choice.demoPath.c_str(), printableText(track.start.game).c_str(), gameVersion().c_str());
    }
    if (track.cutShortInLine > 0) {
        std::fprintf(
            stderr,
            "velmora: %s was cut short in line %d as it was recorded; it plays up to the line before\n",
            choice.demoPath.c_str(), track.cutShortInLine);
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    connectMessages();
    const programArguments arguments = argumentsOf(argc, argv);
    const commandLineChoice choice =
        readCommandLine(static_cast<int>(arguments.texts.size()), arguments.pointers.data());
    switch (choice.action) {
    case commandAction::help:
        std::fputs(usageLine, stdout);
        std::fputs(optionsText, stdout);
        return 0;
    case commandAction::version:
        std::puts(versionLine().c_str());
        return 0;
    case commandAction::bad:
        std::fprintf(stderr, "velmora: %s\n%sRun 'velmora --help' for the options.\n",
                     choice.complaint.c_str(), usageLine);
        return cannotStart(2);
    case commandAction::play:
        break;
    }
    // The folders of demos that games killed as they played left behind go first, as the
    // temporary files of a save killed halfway do.
    removeLeftDemoFolders();
    // The demo's file is opened before the move into the asset folder, where a relative
    // path would lead elsewhere; so is the data folder settled, where a relative one would
    // land otherwise.
    const std::string dataFolder = absolutePath(defaultDataFolder());
    inputTrack track;
    trackWriter recording;
    std::string error;
    const bool playsTrack = choice.demo == demoMode::play || choice.demo == demoMode::time;
    if (playsTrack && !loadDemo(choice, track)) {
        return cannotStart(2);
    }
    // A window with nothing to show in it would only be black.
    const std::string assetFolder = findAssetFolder();
    if (assetFolder.empty()) {
        return cannotStart(1);
    }
    if (choice.demo == demoMode::record && !recording.create(choice.demoPath, dataFolder, error)) {
        std::fprintf(stderr, "velmora: %s\n", error.c_str());
        return cannotStart(2);
    }
    if (dataFolderIsLocal() && choice.demo != demoMode::time) {
        std::fprintf(stderr, "velmora: HOME, XDG_DATA_HOME and APPDATA are unset; saving in %s\n",
                     dataFolder.c_str());
    }
    enterAssetFolder(assetFolder);
    screenHandle screen = openGameWindow(choice.scale);
    if (!screen.isOpen()) {
        return cannotStart(1);
    }
    if (choice.demo == demoMode::time) {
        bool audible = false;
        std::string stateLine;
        const std::string figures =
            timeDemo(screen, track, choice.demoPath, audible, choice.printState ? &stateLine : nullptr);
        if (!figures.empty()) {
            std::puts(figures.c_str());
        }
        if (!stateLine.empty()) {
            std::puts(stateLine.c_str());
        }
        closeGameAndExit(figures.empty() ? 1 : 0, audible);
    }
    // A watched demo showed the logo already: Esc, or its end, leads straight to the title.
    gameOpening opening = gameOpening::logo;
    if (choice.demo == demoMode::play) {
        const demoEnd end =
            playDemo(screen, track, choice.display, joinPath(dataFolder, screenshotsFolderName));
        if (end.closed) {
            closeGameAndExit(0, end.audible);
        }
        screen = end.screen;
        opening = end.failed ? gameOpening::logo : gameOpening::title;
    }
    closeGameAndExit(0, runGame(screen, prepareDataFiles(dataFolder), choice.display,
                                choice.demo == demoMode::record ? &recording : nullptr, opening));
}
