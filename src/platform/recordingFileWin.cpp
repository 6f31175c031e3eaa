#include "platform/recordingFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <io.h>
#include <windows.h>

#include "platform/inputTrack.h"
#include "platform/pathText.h"
#include "platform/windowsText.h"

namespace {

// True when the path, its links followed, names something in the folder.
bool liesInFolder(const std::string &path, const std::string &folder) {
    std::error_code failed;
    const std::filesystem::path resolved =
        std::filesystem::weakly_canonical(std::filesystem::absolute(filesystemPath(path), failed), failed);
    return !failed && std::filesystem::equivalent(resolved.parent_path(), filesystemPath(folder), failed);
}

// Why the open file may not be emptied for a recording; null when it may: a file on a disk
// that is empty or holds an earlier recording.
const char *whyNotRecordedOver(const HANDLE file) {
    LARGE_INTEGER size;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileSizeEx(file, &size)) {
        return "not a regular file";
    }
    const std::string header = std::string(trackHeaderWord) + " ";
    char start[32] = {};
    DWORD got = 0;
    const bool recording =
        size.QuadPart == 0 ||
        (ReadFile(file, start, static_cast<DWORD>(header.size()), &got, nullptr) && got == header.size() &&
         header.compare(0, header.size(), start, header.size()) == 0);
    return recording ? nullptr : "it holds something that is not a recording, and is left as it is";
}

bool emptyFile(const HANDLE file) {
    LARGE_INTEGER start{};
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

} // namespace

int openRecordingFile(const std::string &target, const std::string &dataFolder, std::string &error) {
    if (liesInFolder(target, dataFolder)) {
        error = target + ": it is in the game's data folder, where no recording is written";
        return -1;
    }
    const HANDLE file = CreateFileW(widePath(target).c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ,
                                    nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        errnoFromLastError();
        error = target + ": cannot write it (" + std::strerror(errno) + ")";
        return -1;
    }
    const char *refusal = whyNotRecordedOver(file);
    if (refusal != nullptr || !emptyFile(file)) {
        errnoFromLastError();
        error =
            target + ": " +
            (refusal != nullptr ? refusal : "cannot empty it (" + std::string(std::strerror(errno)) + ")");
        CloseHandle(file);
        return -1;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDWR | _O_BINARY);
    if (fd < 0) {
        error = target + ": cannot write it";
        CloseHandle(file);
    }
    return fd;
}

bool cutFileTo(const int fd, const size_t bytes) {
    return _chsize_s(fd, static_cast<long long>(bytes)) == 0;
}
