#include "platform/screenshotFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "platform/dataFolder.h"

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
    std::tm local{};
    localtime_r(&when, &local);
    for (int number = 1; number <= mostNamesPerSecond; number++) {
        const std::string path = joinPath(folder, screenshotName(local, number));
        const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (file >= 0) {
            close(file);
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
