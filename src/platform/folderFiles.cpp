#include "platform/dataFolder.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/fileBytes.h"

// A byte is written too: on a full disk a new empty file can still be made.
bool folderWritable(const std::string &path) {
    std::string probe = joinPath(path, std::string(writeProbePrefix) + "XXXXXX");
    const int fd = mkstemp(probe.data());
    if (fd < 0) {
        return false;
    }
    const bool written = write(fd, "0", 1) == 1;
    close(fd);
    unlink(probe.c_str());
    return written;
}

int removeLeftTemporaries(const std::string &folder, std::initializer_list<std::string_view> fileNames) {
    DIR *entries = opendir(folder.c_str());
    if (entries == nullptr) {
        return 0;
    }
    int removed = 0;
    while (const dirent *entry = readdir(entries)) {
        if (!isLeftTemporary(entry->d_name, fileNames)) {
            continue;
        }
        struct stat info;
        const std::string path = joinPath(folder, entry->d_name);
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
