#include "platform/fileBytes.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

#include "platform/regularFile.h"

bool readUpTo(const int fd, std::string &bytes, const std::size_t limit) {
    char chunk[65536];
    while (bytes.size() < limit) {
        const std::size_t room = std::min(sizeof chunk, limit - bytes.size());
        const ssize_t got = read(fd, chunk, static_cast<unsigned>(room));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            break;
        }
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    return true;
}

std::size_t writeWhole(const int fd, const char *bytes, const std::size_t size) {
    std::size_t written = 0;
    while (written < size) {
        // A gigabyte at a time at most: Windows counts a write's bytes in an unsigned int.
        const auto piece = static_cast<unsigned>(std::min<std::size_t>(size - written, 1u << 30));
        const ssize_t n = write(fd, bytes + written, piece);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        written += static_cast<std::size_t>(n);
    }
    return written;
}

fileRead readFileStart(const std::string &path, std::string &bytes, const std::size_t limit) {
    const int fd = openRegularFile(path);
    if (fd < 0) {
        switch (whatPathHolds(path)) {
        case pathHolds::nothing:
            return fileRead::missing;
        case pathHolds::noFile:
            return fileRead::notAFile;
        case pathHolds::unreadableFile:
            break;
        }
        return fileRead::unreadable;
    }
    bytes.clear();
    const bool whole = readUpTo(fd, bytes, limit);
    const int readError = errno;
    close(fd);
    if (!whole) {
        errno = readError;
        return fileRead::unreadable;
    }
    return fileRead::read;
}
