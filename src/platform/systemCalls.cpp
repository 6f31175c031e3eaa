#include "platform/systemCalls.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool isFolder(const std::string &path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool makeFolder(const std::string &path) {
    return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST;
}

bool isMissing(const std::string &path) {
    struct stat info;
    return lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

bool moveIfFree(const std::string &from, const std::string &to) {
    struct stat info;
    if (lstat(to.c_str(), &info) == 0) {
        errno = EEXIST;
        return false;
    }
    return rename(from.c_str(), to.c_str()) == 0;
}

bool createNewFile(const std::string &path) {
    const int file = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (file < 0) {
        return false;
    }
    close(file);
    return true;
}

std::FILE *openWriteStream(const std::string &path) {
    return std::fopen(path.c_str(), "wb");
}

bool isPathSeparator(const char c) {
    return c == '/';
}

bool isAbsolutePath(const std::string_view path) {
    return !path.empty() && path.front() == '/';
}

std::string programFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return {};
    }
    const std::string program(path, static_cast<size_t>(length));
    const size_t slash = program.rfind('/');
    return slash == std::string::npos ? std::string() : program.substr(0, slash);
}

bool enterFolder(const std::string &path) {
    return chdir(path.c_str()) == 0;
}

std::string workingFolder() {
    char *const here = getcwd(nullptr, 0);
    if (here == nullptr) {
        return {};
    }
    std::string folder(here);
    std::free(here);
    return folder;
}

std::string environmentValue(const char *name) {
    const char *const value = std::getenv(name);
    return value != nullptr ? value : "";
}

void setEnvironment(const char *name, const char *value, const bool replace) {
    setenv(name, value, replace ? 1 : 0);
}

void clearEnvironment(const char *name) {
    unsetenv(name);
}

std::tm localTimeOf(const std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}
