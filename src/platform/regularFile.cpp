#include "platform/regularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

int openRegularFile(const std::string &path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        errno = EINVAL;
        return -1;
    }
    return fd;
}

pathHolds whatPathHolds(const std::string &path) {
    const int openError = errno;
    struct stat info;
    pathHolds holds = pathHolds::unreadableFile;
    if (lstat(path.c_str(), &info) != 0) {
        holds = errno == ENOENT ? pathHolds::nothing : pathHolds::unreadableFile;
    } else if (S_ISLNK(info.st_mode) && stat(path.c_str(), &info) != 0) {
        // A link whose far end is missing, or a loop of links, leads to no file.
        holds = errno == ENOENT || errno == ELOOP ? pathHolds::noFile : pathHolds::unreadableFile;
    } else if (!S_ISREG(info.st_mode)) {
        holds = pathHolds::noFile;
    }
    errno = openError;
    return holds;
}

const char *noFileKind(const std::string &path) {
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        return "a link to nothing";
    }
    if (S_ISDIR(info.st_mode)) {
        return "a folder";
    }
    if (S_ISFIFO(info.st_mode)) {
        return "a named pipe";
    }
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode)) {
        return "a device";
    }
    return "no regular file";
}

std::FILE *openRegularStream(const std::string &path) {
    const int fd = openRegularFile(path);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE *file = fdopen(fd, "rb");
    if (file == nullptr) {
        close(fd);
    }
    return file;
}
