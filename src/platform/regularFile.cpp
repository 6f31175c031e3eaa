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
