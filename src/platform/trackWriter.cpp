#include "platform/trackWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/fileBytes.h"

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

trackWriter::~trackWriter() {
    if (fd >= 0) {
        close(fd);
    }
}

bool trackWriter::create(const std::string &target, const std::string &dataFolder, std::string &error) {
    if (liesInFolder(target, dataFolder)) {
        error = target + ": it is in the game's data folder, where no recording is written";
        return false;
    }
    // Opened without waiting, as a named pipe would hold the game until a reader came, and
    // emptied only once it is known to be a file a recording may replace.
    const int opened = open(target.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (opened < 0) {
        error = target + ": cannot write it (" + std::strerror(errno) + ")";
        return false;
    }
    const char *refusal = whyNotRecordedOver(opened);
    if (refusal != nullptr || ftruncate(opened, 0) != 0) {
        error =
            target + ": " +
            (refusal != nullptr ? refusal : "cannot empty it (" + std::string(std::strerror(errno)) + ")");
        close(opened);
        return false;
    }
    fd = opened;
    path = target;
    fileBytes = 0;
    return true;
}

// A recording that cannot be written any more ends; the game plays on.
void trackWriter::fail() {
    std::fprintf(stderr, "velmora: cannot write %s (%s); the recording stops here\n", path.c_str(),
                 std::strerror(errno));
    close(fd);
    fd = -1;
}

// A write that failed partway left part of a line: the file is cut back to the end of the
// last whole one. Should that fail too, a reader still plays up to there.
void trackWriter::keepWholeLines(size_t written) {
    const int failure = errno;
    while (written > 0 && buffer[written - 1] != '\n') {
        written--;
    }
    if (ftruncate(fd, static_cast<off_t>(fileBytes + written)) != 0) {
        // said no further: the recording stops either way
    }
    errno = failure;
}

void trackWriter::flush() {
    const size_t written = fd >= 0 ? writeWhole(fd, buffer, used) : 0;
    if (fd >= 0 && written < used) {
        keepWholeLines(written);
        fail();
    }
    fileBytes += written;
    used = 0;
}

bool trackWriter::begin(const trackStart &start) {
    const std::string line = trackHeaderLine(start) + "\n";
    if (fd < 0 || line.size() > bufferRoom) {
        return false;
    }
    std::memcpy(buffer, line.data(), line.size());
    used = line.size();
    flush();
    return fd >= 0;
}

void trackWriter::add(const trackEvent &event) {
    if (fd < 0) {
        return;
    }
    if (used + trackLineRoom > bufferRoom) {
        flush();
    }
    used += formatTrackLine(event, buffer + used);
    lastMarked = event.pass;
}

void trackWriter::endPass(const int pass) {
    if (fd >= 0 && used == 0 && pass - lastMarked >= passesBetweenMarks) {
        used = static_cast<size_t>(std::snprintf(buffer, trackLineRoom, "%d reached\n", pass));
        lastMarked = pass;
    }
    if (used > 0) {
        flush();
    }
}

void trackWriter::finish(const int lastPass) {
    if (fd < 0) {
        return;
    }
    if (lastPass > lastMarked) {
        used += static_cast<size_t>(std::snprintf(buffer + used, trackLineRoom, "%d reached\n", lastPass));
        lastMarked = lastPass;
    }
    flush();
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}
