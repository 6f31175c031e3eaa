#include "platform/screenshotFile.h"

#include <cerrno>
#include <cstring>

#include "platform/dataFolder.h"
#include "platform/systemCalls.h"

namespace {

// Far more than F12 can be pressed in one second.
constexpr int mostNamesPerSecond = 100;

std::string reasonFrom(const int error) {
    return std::strerror(error);
}

} // namespace

std::string screenshotName(const std::tm &when, const int number) {
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H%M%S", &when);
    const std::string numbered = number > 1 ? "-" + std::to_string(number) : "";
    return std::string("velmora-") + stamp + numbered + ".png";
}

std::string claimScreenshotPath(const std::string &folder, const std::time_t when, std::string &error) {
    if (!createFolders(folder)) {
        error = "cannot make " + folder + ": " + reasonFrom(errno);
        return {};
    }
    const std::tm local = localTimeOf(when);
    for (int number = 1; number <= mostNamesPerSecond; number++) {
        const std::string path = joinPath(folder, screenshotName(local, number));
        if (createNewFile(path)) {
            return path;
        }
        if (errno != EEXIST) {
            error = "cannot write in " + folder + ": " + reasonFrom(errno);
            return {};
        }
    }
    error = "every name for this second is taken in " + folder;
    return {};
}
