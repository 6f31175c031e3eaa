#include "platform/regularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "platform/windowsText.h"

namespace {

// Windows opens a file without waiting, whatever it is; what is opened is then checked to be
// a file on a disk, never a console, a pipe or a device such as "NUL" or "COM1".
HANDLE openForReading(const std::string &path, const DWORD access) {
    return CreateFileW(widePath(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

enum class standing : unsigned char { nothing, folder, device, danglingLink, file, unknown };

standing whatStands(const std::string &path) {
    const DWORD attributes = GetFileAttributesW(widePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? standing::nothing
                                                                              : standing::unknown;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return standing::folder;
    }
    const HANDLE file = openForReading(path, 0);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool link = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        return link && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
                   ? standing::danglingLink
                   : standing::unknown;
    }
    const DWORD type = GetFileType(file);
    CloseHandle(file);
    return type == FILE_TYPE_DISK ? standing::file : standing::device;
}

} // namespace

int openRegularFile(const std::string &path) {
    const HANDLE file = openForReading(path, GENERIC_READ);
    if (file == INVALID_HANDLE_VALUE) {
        errnoFromLastError();
        return -1;
    }
    if (GetFileType(file) != FILE_TYPE_DISK) {
        CloseHandle(file);
        errno = EINVAL;
        return -1;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(file);
    }
    return fd;
}

pathHolds whatPathHolds(const std::string &path) {
    const int openError = errno;
    pathHolds holds = pathHolds::unreadableFile;
    switch (whatStands(path)) {
    case standing::nothing:
        holds = pathHolds::nothing;
        break;
    case standing::folder:
    case standing::device:
    case standing::danglingLink:
        holds = pathHolds::noFile;
        break;
    case standing::file:
    case standing::unknown:
        break;
    }
    errno = openError;
    return holds;
}

const char *noFileKind(const std::string &path) {
    switch (whatStands(path)) {
    case standing::folder:
        return "a folder";
    case standing::device:
        return "a device";
    case standing::nothing:
    case standing::danglingLink:
        return "a link to nothing";
    case standing::file:
    case standing::unknown:
        break;
    }
    return "no regular file";
}

std::FILE *openRegularStream(const std::string &path) {
    const int fd = openRegularFile(path);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE *file = _fdopen(fd, "rb");
    if (file == nullptr) {
        _close(fd);
    }
    return file;
}
