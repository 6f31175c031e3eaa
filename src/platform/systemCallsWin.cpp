#include "platform/systemCalls.h"

#include <cerrno>
#include <cstdlib>
#include <cwchar>
#include <windows.h>

#include "platform/windowsText.h"

namespace {

DWORD attributesOf(const std::string &path) {
    return GetFileAttributesW(widePath(path).c_str());
}

} // namespace

bool isFolder(const std::string &path) {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool makeFolder(const std::string &path) {
    if (CreateDirectoryW(widePath(path).c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) {
        return true;
    }
    errnoFromLastError();
    return false;
}

bool isMissing(const std::string &path) {
    if (attributesOf(path) != INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken, in one step.
bool moveIfFree(const std::string &from, const std::string &to) {
    if (MoveFileExW(widePath(from).c_str(), widePath(to).c_str(), MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    errnoFromLastError();
    return false;
}

bool createNewFile(const std::string &path) {
    const HANDLE file = CreateFileW(widePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        errnoFromLastError();
        return false;
    }
    CloseHandle(file);
    return true;
}

std::FILE *openWriteStream(const std::string &path) {
    return _wfopen(widePath(path).c_str(), L"wb");
}

bool isPathSeparator(const char c) {
    return c == '/' || c == '\\';
}

// "C:\...", "C:/..." and "\\server\share\..."; "\folder" alone still depends on the drive.
bool isAbsolutePath(const std::string_view path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && isPathSeparator(path[2]);
    const bool share = path.size() >= 2 && isPathSeparator(path[0]) && isPathSeparator(path[1]);
    return drive || share;
}

std::string programFolder() {
    wchar_t path[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    if (length == 0 || length >= MAX_PATH * 4) {
        return {};
    }
    const std::string program = utf8Of(std::wstring_view(path, length));
    const size_t slash = program.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : program.substr(0, slash);
}

bool enterFolder(const std::string &path) {
    if (SetCurrentDirectoryW(widePath(path).c_str())) {
        return true;
    }
    errnoFromLastError();
    return false;
}

std::string workingFolder() {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    std::wstring here(size, L'\0');
    const DWORD length = GetCurrentDirectoryW(size, here.data());
    return length == 0 || length >= size ? std::string() : utf8Of(std::wstring_view(here.data(), length));
}

std::string environmentValue(const char *name) {
    const wchar_t *const value = _wgetenv(widePath(name).c_str());
    return value != nullptr ? utf8Of(value) : "";
}

void setEnvironment(const char *name, const char *value, const bool replace) {
    if (replace || std::getenv(name) == nullptr) {
        _putenv_s(name, value);
    }
}

// An empty value takes the variable away.
void clearEnvironment(const char *name) {
    _putenv_s(name, "");
}

std::tm localTimeOf(const std::time_t when) {
    std::tm local{};
    localtime_s(&local, &when);
    return local;
}
