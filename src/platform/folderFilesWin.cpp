#include "platform/dataFolder.h"

#include <algorithm>
#include <cerrno>
#include <windows.h>

#include "platform/windowsText.h"

namespace {

// A new file named `stem` and six letters, opened for writing; its name lands in `path`.
HANDLE createTemporary(const std::string &stem, std::string &path, const DWORD flags) {
    for (int attempt = 0; attempt < 100; attempt++) {
        path = stem + uniqueLetters(temporaryLetters);
        const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL | flags, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) {
            return file;
        }
    }
    return INVALID_HANDLE_VALUE;
}

bool writeAll(const HANDLE file, const std::string_view contents) {
    size_t written = 0;
    while (written < contents.size()) {
        DWORD wrote = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - written, 1u << 20));
        if (!WriteFile(file, contents.data() + written, chunk, &wrote, nullptr) || wrote == 0) {
            return false;
        }
        written += wrote;
    }
    return true;
}

} // namespace

// A byte is written too: on a full disk a new empty file can still be made. The probe goes
// when its handle closes.
bool folderWritable(const std::string &path) {
    std::string probe;
    const HANDLE file =
        createTemporary(joinPath(path, std::string(writeProbePrefix)), probe, FILE_FLAG_DELETE_ON_CLOSE);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = writeAll(file, "0");
    CloseHandle(file);
    return written;
}

int removeLeftTemporaries(const std::string &folder, std::initializer_list<std::string_view> fileNames) {
    WIN32_FIND_DATAW entry;
    const HANDLE entries = FindFirstFileW(widePath(joinPath(folder, "*")).c_str(), &entry);
    if (entries == INVALID_HANDLE_VALUE) {
        return 0;
    }
    int removed = 0;
    do {
        const std::string name = utf8Of(entry.cFileName);
        const bool plainFile =
            (entry.dwFileAttributes &
             (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) == 0;
        if (plainFile && isLeftTemporary(name, fileNames) &&
            DeleteFileW(widePath(joinPath(folder, name)).c_str())) {
            removed++;
        }
    } while (FindNextFileW(entries, &entry));
    FindClose(entries);
    return removed;
}

// The new text reaches the disk before the rename, and the rename itself is written through,
// so a crash or a power cut leaves the old file or the new one.
bool replaceFileAtomically(const std::string &path, std::string_view contents) {
    std::string temporary;
    const HANDLE file = createTemporary(path + ".", temporary, 0);
    if (file == INVALID_HANDLE_VALUE) {
        errnoFromLastError();
        return false;
    }
    bool ok = writeAll(file, contents) && FlushFileBuffers(file);
    if (!ok) {
        errnoFromLastError();
    }
    CloseHandle(file);
    if (ok && !MoveFileExW(widePath(temporary).c_str(), widePath(path).c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        errnoFromLastError();
        ok = false;
    }
    if (!ok) {
        const int failure = errno;
        DeleteFileW(widePath(temporary).c_str());
        errno = failure; // the caller hears why the write failed, not how the cleaning went
        return false;
    }
    syncFolderOf(path);
    return true;
}

bool keepFirstCopy(const std::string &path, const std::string &copyPath) {
    // A second name for the same file: nothing is copied, and an existing copy stays.
    const std::wstring from = widePath(path);
    const std::wstring to = widePath(copyPath);
    if (CreateHardLinkW(to.c_str(), from.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) {
        return true;
    }
    // A file system without hard links (FAT): a real copy, never over an existing one.
    return CopyFileW(from.c_str(), to.c_str(), TRUE) || GetLastError() == ERROR_FILE_EXISTS;
}
