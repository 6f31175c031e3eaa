#include "platform/trackWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

trackWriter::~trackWriter() {
    if (fd >= 0) {
        close(fd);
    }
}

bool trackWriter::create(const std::string &target, std::string &error) {
    fd = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = target + ": cannot write it (" + std::strerror(errno) + ")";
        return false;
    }
    path = target;
    return true;
}

// A recording that cannot be written any more ends; the game plays on.
void trackWriter::fail() {
    std::fprintf(stderr, "velmora: cannot write %s (%s); the recording stops here\n", path.c_str(),
                 std::strerror(errno));
    close(fd);
    fd = -1;
}

void trackWriter::flush() {
    size_t written = 0;
    while (fd >= 0 && written < used) {
        const ssize_t n = write(fd, buffer + written, used - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            fail();
            break;
        }
        written += static_cast<size_t>(n);
    }
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
