// Velmora: a night drive. Opens the window and plays until the player quits.
#include <cstdio>
#include <cstring>

#include "app/runGame.h"
#include "platform/dataFolder.h"
#include "platform/video.h"

namespace {

constexpr const char *usage = "usage: velmora [--scale 1|2|3|4]\n"
                              "  --scale N  show each pixel as N x N pixels this run (default: 2 on\n"
                              "             desktops 2560 pixels wide or wider, else 1)\n";

enum class commandLine { play, help, bad };

// Reads "--scale N", the window's scale for this run; anything else is refused with a message.
commandLine readCommandLine(const int argc, char **argv, int &scale) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            return commandLine::help;
        }
        if (std::strcmp(argv[i], "--scale") != 0) {
            std::fprintf(stderr, "velmora: unknown option '%s'\n%s", argv[i], usage);
            return commandLine::bad;
        }
        const char *value = i + 1 < argc ? argv[++i] : "";
        if (std::strlen(value) != 1 || value[0] < '1' || value[0] > '0' + largestWindowScale) {
            std::fprintf(stderr, "velmora: --scale takes 1, 2, 3 or 4, not '%s'\n%s", value, usage);
            return commandLine::bad;
        }
        scale = value[0] - '0';
    }
    return commandLine::play;
}

} // namespace

int main(int argc, char **argv) {
    int scale = automaticWindowScale;
    switch (readCommandLine(argc, argv, scale)) {
    case commandLine::help:
        return 0;
    case commandLine::bad:
        return 2;
    case commandLine::play:
        break;
    }
    const screenHandle screen = openGameWindow(scale);
    if (!screen.isOpen()) {
        return 1;
    }
    closeGameAndExit(0, runGame(screen, prepareDataFiles(defaultDataFolder())));
}
