#include <cstdio>
#include <ctime>

#include "app/game.h"
#include "app/windowKeys.h"
#include "media/pngFile.h"
#include "platform/screenshotFile.h"

void saveScreenshot(const game &session, const std::string &folder) {
    std::string error;
    const std::string path = claimScreenshotPath(folder, std::time(nullptr), error);
    if (path.empty()) {
        std::fprintf(stderr, "velmora: no screenshot: %s\n", error.c_str());
        return;
    }
    if (!saveSurfacePng(session.screen().surface, path)) {
        std::remove(path.c_str());
        std::fprintf(stderr, "velmora: no screenshot: cannot write %s\n", path.c_str());
        return;
    }
    std::fprintf(stderr, "velmora: screenshot %s\n", path.c_str());
}
