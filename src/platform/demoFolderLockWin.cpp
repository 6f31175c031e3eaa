#include "platform/demoFolder.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <windows.h>

#include "platform/dataFolder.h"
#include "platform/pathText.h"
#include "platform/systemCalls.h"
#include "platform/windowsText.h"

// The lock is a file in the folder that the game playing there holds open, shared with no one
// and deleted when it closes: Windows closes it however the game ends, and while it is held
// no other game can take it.
namespace {

constexpr const char *lockFileName = ".lock";
// A folder is cleared up only once nothing in it has changed for this long, besides being
// unlocked; a folder just made is not locked yet.
constexpr long long leftAloneSeconds = 10 * 60;
constexpr long long fileTimeTicksPerSecond = 10000000;

std::string temporaryFolder() {
    wchar_t path[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, path);
    return length == 0 || length > MAX_PATH ? std::string(".") : utf8Of(std::wstring_view(path, length));
}

// The folder's lock file made and held; -1 when a game holds it already or it cannot be made.
int lockFolder(const std::string &path) {
    const HANDLE file =
        CreateFileW(widePath(joinPath(path, lockFileName)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                    FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return -1;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_WRONLY);
    if (fd < 0) {
        CloseHandle(file);
    }
    return fd;
}

long long secondsSince(const FILETIME when) {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME time) {
        return static_cast<long long>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) |
                                      time.dwLowDateTime);
    };
    return (ticks(now) - ticks(when)) / fileTimeTicksPerSecond;
}

} // namespace

void demoFolder::remove() {
    // The lock goes first: Windows removes no folder a file in it is held open in.
    if (lock >= 0) {
        _close(lock);
        lock = -1;
    }
    if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(filesystemPath(folder), ignored);
        folder.clear();
    }
}

bool demoFolder::make(std::string &error) {
    const std::string temporary = temporaryFolder();
    for (int attempt = 0; attempt < 100; attempt++) {
        const std::string name =
            joinPath(temporary, std::string(demoFolderPrefix) + uniqueLetters(demoFolderLetters));
        if (CreateDirectoryW(widePath(name).c_str(), nullptr)) {
            folder = name;
            lock = lockFolder(name);
            return true;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    errnoFromLastError();
    error = "cannot make a folder to play the demo in (" + std::string(std::strerror(errno)) + ")";
    return false;
}

int removeLeftDemoFolders() {
    const std::string temporary = temporaryFolder();
    WIN32_FIND_DATAW entry;
    const HANDLE entries = FindFirstFileW(widePath(joinPath(temporary, "velmora-demo-*")).c_str(), &entry);
    if (entries == INVALID_HANDLE_VALUE) {
        return 0;
    }
    int removed = 0;
    do {
        const std::string name = utf8Of(entry.cFileName);
        const bool plainFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                                 (entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
        if (!plainFolder || !isDemoFolderName(name) ||
            secondsSince(entry.ftLastWriteTime) < leftAloneSeconds) {
            continue;
        }
        const std::string path = joinPath(temporary, name);
        const int lock = lockFolder(path);
        if (lock < 0) {
            continue;
        }
        _close(lock);
        std::error_code failed;
        removed += std::filesystem::remove_all(filesystemPath(path), failed) > 0 ? 1 : 0;
    } while (FindNextFileW(entries, &entry));
    FindClose(entries);
    return removed;
}
