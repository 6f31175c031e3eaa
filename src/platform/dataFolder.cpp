#include "platform/dataFolder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/fileBytes.h"

static const char *nonEmptyEnv(const char *name) {
    const char *value = std::getenv(name);
    return value != nullptr && value[0] != '\0' ? value : nullptr;
}

bool dataFolderIsLocal() {
    return nonEmptyEnv("APPDATA") == nullptr && nonEmptyEnv("XDG_DATA_HOME") == nullptr &&
           nonEmptyEnv("HOME") == nullptr;
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

// The writability probe's name before mkstemp's six characters.
static constexpr std::string_view probePrefix = ".write-test-";
static constexpr size_t mkstempLetters = 6;

// A byte is written too: on a full disk a new empty file can still be made.
bool folderWritable(const std::string &path) {
    std::string probe = joinPath(path, std::string(probePrefix) + "XXXXXX");
    const int fd = mkstemp(probe.data());
    if (fd < 0) {
        return false;
    }
    const bool written = write(fd, "0", 1) == 1;
    close(fd);
    unlink(probe.c_str());
    return written;
}

// The prefix and exactly six letters or digits, all mkstemp puts in place of the X's.
static bool isTemporaryNamed(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + mkstempLetters && name.starts_with(prefix) &&
           std::all_of(name.begin() + prefix.size(), name.end(),
                       [](const char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

static bool isTemporaryOf(std::string_view name, std::string_view fileName) {
    return name.size() > fileName.size() && name.starts_with(fileName) &&
           isTemporaryNamed(name.substr(fileName.size()), ".");
}

int removeLeftTemporaries(const std::string &folder, std::initializer_list<std::string_view> fileNames) {
    DIR *entries = opendir(folder.c_str());
    if (entries == nullptr) {
        return 0;
    }
    int removed = 0;
    while (const dirent *entry = readdir(entries)) {
        const std::string_view name = entry->d_name;
        const bool ours = isTemporaryNamed(name, probePrefix) ||
                          std::any_of(fileNames.begin(), fileNames.end(),
                                      [&](const std::string_view file) { return isTemporaryOf(name, file); });
        if (!ours) {
            continue;
        }
        struct stat info;
        const std::string path = joinPath(folder, name);
        if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && unlink(path.c_str()) == 0) {
            removed++;
        }
    }
    closedir(entries);
    return removed;
}

static bool writeAll(int fd, std::string_view contents) {
    return writeWhole(fd, contents.data(), contents.size()) == contents.size();
}

bool replaceFileAtomically(const std::string &path, std::string_view contents) {
    std::string temporary = path + temporarySuffix;
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    bool ok = fchmod(fd, 0644) == 0;
    ok = ok && writeAll(fd, contents);
    ok = ok && fsync(fd) == 0;
    int failure = errno;
    if (close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        unlink(temporary.c_str());
        errno = failure; // the caller hears why the write failed, not how the cleaning went
        return false;
    }
    syncFolderOf(path);
    return true;
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
