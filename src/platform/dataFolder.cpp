#include "platform/dataFolder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

static const char *nonEmptyEnv(const char *name) {
    const char *value = std::getenv(name);
    return value != nullptr && value[0] != '\0' ? value : nullptr;
}

std::string defaultDataFolder() {
    if (const char *appData = nonEmptyEnv("APPDATA")) {
        return joinPath(appData, "Velmora");
    }
    if (const char *dataHome = nonEmptyEnv("XDG_DATA_HOME")) {
        return joinPath(dataHome, "Velmora");
    }
    if (const char *home = nonEmptyEnv("HOME")) {
        return joinPath(joinPath(home, ".local/share"), "Velmora");
    }
    return "Velmora";
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    path += name;
    return path;
}

static bool isFolder(const std::string &path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool createFolders(const std::string &path) {
    if (path.empty()) {
        return false;
    }
    // Create each ancestor in turn; one that exists already is no error.
    for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string ancestor = path.substr(0, slash);
        if (mkdir(ancestor.c_str(), 0755) != 0 && errno != EEXIST) {
            return false;
        }
    }
    if (mkdir(path.c_str(), 0755) != 0 && errno != EEXIST) {
        return false;
    }
    return isFolder(path);
}

bool folderWritable(const std::string &path) {
    std::string probe = joinPath(path, ".write-test-XXXXXX");
    const int fd = mkstemp(probe.data());
    if (fd < 0) {
        return false;
    }
    close(fd);
    unlink(probe.c_str());
    return true;
}

static bool writeAll(int fd, std::string_view contents) {
    size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = write(fd, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

bool replaceFileAtomically(const std::string &path, std::string_view contents) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    bool ok = fchmod(fd, 0644) == 0;
    ok = ok && writeAll(fd, contents);
    ok = ok && fsync(fd) == 0;
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        unlink(temporary.c_str());
    }
    return ok;
}

bool keepFirstCopy(const std::string &path, const std::string &copyPath) {
    // A second name for the same file: nothing is copied, and an existing copy stays.
    if (link(path.c_str(), copyPath.c_str()) == 0 || errno == EEXIST) {
        return true;
    }
    // A file system without hard links: move the file aside instead, if the name is free.
    struct stat info;
    if (lstat(copyPath.c_str(), &info) == 0) {
        return true;
    }
    return errno == ENOENT && rename(path.c_str(), copyPath.c_str()) == 0;
}
