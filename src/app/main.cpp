// Velmora: a night drive. Opens the window and plays until the player quits.
#include <cstdio>

#include "app/commandLine.h"
#include "app/runGame.h"
#include "platform/assetFolder.h"
#include "platform/dataFolder.h"
#include "platform/video.h"

int main(int argc, char **argv) {
    const commandLineChoice choice = readCommandLine(argc, argv);
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
        return 2;
    case commandAction::play:
        break;
    }
    // The data folder is settled before the move into the asset folder, where a relative
    // one would land otherwise.
    const std::string dataFolder = absolutePath(defaultDataFolder());
    if (dataFolderIsLocal()) {
        std::fprintf(stderr, "velmora: HOME, XDG_DATA_HOME and APPDATA are unset; saving in %s\n",
                     dataFolder.c_str());
    }
    enterAssetFolder();
    const screenHandle screen = openGameWindow(choice.scale);
    if (!screen.isOpen()) {
        return 1;
    }
    closeGameAndExit(0, runGame(screen, prepareDataFiles(dataFolder), choice.display));
}
