#include "platform/windowsText.h"

#include <cerrno>
#include <windows.h>

std::wstring widePath(const std::string_view path) {
    if (path.empty()) {
        return {};
    }
    const int size = static_cast<int>(path.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, path.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), size, wide.data(), length);
    return wide;
}

std::string utf8Of(const std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

void errnoFromLastError() {
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_NETPATH:
        errno = ENOENT;
        break;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        errno = EEXIST;
        break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        errno = EACCES;
        break;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        errno = ENOSPC;
        break;
    default:
        errno = EIO;
        break;
    }
}

std::string uniqueLetters(const size_t count) {
    static constexpr char alphabet[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static unsigned serial = 0;
    unsigned long long mixed = (static_cast<unsigned long long>(GetCurrentProcessId()) << 32) ^
                               GetTickCount64() ^ (static_cast<unsigned long long>(++serial) * 2654435761u);
    std::string letters(count, 'a');
    for (char &letter : letters) {
        letter = alphabet[mixed % 36];
        mixed /= 36;
    }
    return letters;
}
