#include "platform/demoFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/dataFolder.h"

namespace {

// A folder is cleared up only once nothing in it has changed for this long, besides being
// unlocked: a game from before the lock, playing a demo, holds none, and a folder just made is
// not locked yet.
constexpr time_t leftAloneSeconds = 10 * 60;

std::string temporaryFolder() {
    const char *temporary = std::getenv("TMPDIR");
    return temporary != nullptr && temporary[0] != '\0' ? temporary : "/tmp";
}

// The folder opened and locked; -1 when it cannot be opened or a game holds its lock.
int lockFolder(const std::string &path) {
    const int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

// The folder opened and locked when it is one of this user's, not a link, left alone for a
// while, that no game holds locked; else -1.
int lockLeftOver(const std::string &path, const time_t now) {
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid() ||
        now - info.st_mtime < leftAloneSeconds) {
        return -1;
    }
    return lockFolder(path);
}

} // namespace

void demoFolder::remove() {
    if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        folder.clear();
    }
    if (lock >= 0) {
        close(lock);
        lock = -1;
    }
}

bool demoFolder::make(std::string &error) {
    std::string name = joinPath(temporaryFolder(), std::string(demoFolderPrefix) + "XXXXXX");
    if (mkdtemp(name.data()) == nullptr) {
        error = "cannot make a folder to play the demo in (" + std::string(std::strerror(errno)) + ")";
        return false;
    }
    folder = name;
    // Held until the folder is removed. On a file system without locks it stays unlocked, and
    // other games cannot lock it either, so never take it.
    lock = lockFolder(name);
    return true;
}

int removeLeftDemoFolders() {
    const std::string temporary = temporaryFolder();
    DIR *entries = opendir(temporary.c_str());
    if (entries == nullptr) {
        return 0;
    }
    int removed = 0;
    const time_t now = time(nullptr);
    while (const dirent *entry = readdir(entries)) {
        const std::string path = joinPath(temporary, entry->d_name);
        const int lock = isDemoFolderName(entry->d_name) ? lockLeftOver(path, now) : -1;
        if (lock < 0) {
            continue;
        }
        std::error_code failed;
        removed += std::filesystem::remove_all(path, failed) > 0 ? 1 : 0;
        close(lock);
    }
    closedir(entries);
    return removed;
}
