#include "platform/trackWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "platform/fileBytes.h"
#include "platform/recordingFile.h"

trackWriter::~trackWriter() {
    if (fd >= 0) {
        close(fd);
    }
}

bool trackWriter::create(const std::string &target, const std::string &dataFolder, std::string &error) {
    const int opened = openRecordingFile(target, dataFolder, error);
    if (opened < 0) {
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
    if (!cutFileTo(fd, fileBytes + written)) {
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
