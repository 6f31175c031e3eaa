#include "platform/recordingFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/inputTrack.h"

namespace {

// True when the path, its links followed, names something in the folder.
bool liesInFolder(const std::string &path, const std::string &folder) {
    std::error_code failed;
    const std::filesystem::path resolved =
        std::filesystem::weakly_canonical(std::filesystem::absolute(path, failed), failed);
    struct stat parent;
    struct stat data;
    return !failed && stat(resolved.parent_path().c_str(), &parent) == 0 &&
           stat(folder.c_str(), &data) == 0 && parent.st_dev == data.st_dev && parent.st_ino == data.st_ino;
}

// Why the open file may not be emptied for a recording; null when it may: a regular file that
// is empty or holds an earlier recording.
const char *whyNotRecordedOver(const int fd) {
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return "not a regular file";
    }
    const std::string header = std::string(trackHeaderWord) + " ";
    char start[32] = {};
    const bool recording =
        info.st_size == 0 || (pread(fd, start, header.size(), 0) == static_cast<ssize_t>(header.size()) &&
                              header.compare(0, header.size(), start, header.size()) == 0);
    return recording ? nullptr : "it holds something that is not a recording, and is left as it is";
}

} // namespace

int openRecordingFile(const std::string &target, const std::string &dataFolder, std::string &error) {
    if (liesInFolder(target, dataFolder)) {
        error = target + ": it is in the game's data folder, where no recording is written";
        return -1;
    }
    // Opened without waiting, as a named pipe would hold the game until a reader came, and
    // emptied only once it is known to be a file a recording may replace.
    const int opened = open(target.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (opened < 0) {
        error = target + ": cannot write it (" + std::strerror(errno) + ")";
        return -1;
    }
    const char *refusal = whyNotRecordedOver(opened);
    if (refusal != nullptr || ftruncate(opened, 0) != 0) {
        error =
            target + ": " +
            (refusal != nullptr ? refusal : "cannot empty it (" + std::string(std::strerror(errno)) + ")");
        close(opened);
        return -1;
    }
    return opened;
}

bool cutFileTo(const int fd, const size_t bytes) {
    return ftruncate(fd, static_cast<off_t>(bytes)) == 0;
}
