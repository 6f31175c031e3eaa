#include "platform/programStart.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
// after windows.h, which it needs
#include <shellapi.h>

#include "platform/windowsText.h"

namespace {

// Where standard error goes when the game has no console: a file in the temporary folder.
std::wstring keptMessagesPath;

bool hasHandle(const DWORD which) {
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE;
}

std::wstring temporaryFile(const wchar_t *name) {
    wchar_t folder[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
    return length == 0 || length > MAX_PATH ? std::wstring(name) : std::wstring(folder, length) + name;
}

// A program started without a console has no standard streams: Windows' C library marks them
// as standing on no file (-2) and will not reopen them. A file opened anew takes the stream's
// own number instead, and the stream is told its number again.
bool pointStreamAt(std::FILE *stream, const int number, const wchar_t *path) {
    const int fd = _wopen(path, _O_WRONLY | _O_CREAT | _O_TRUNC, _S_IREAD | _S_IWRITE);
    if (fd < 0) {
        return false;
    }
    const bool moved = _dup2(fd, number) == 0;
    _close(fd);
    if (moved && _fileno(stream) != number) {
        stream->_file = number;
    }
    return moved;
}

std::string keptMessages() {
    std::FILE *file = _wfopen(keptMessagesPath.c_str(), L"rb");
    if (file == nullptr) {
        return {};
    }
    char text[4096];
    const size_t length = std::fread(text, 1, sizeof text - 1, file);
    std::fclose(file);
    return std::string(text, length);
}

} // namespace

programArguments argumentsOf(const int argc, char **argv) {
    programArguments arguments;
    int count = 0;
    wchar_t **const wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr) {
        arguments.texts.assign(argv, argv + argc);
    } else {
        for (int index = 0; index < count; index++) {
            arguments.texts.push_back(utf8Of(wide[index]));
        }
        LocalFree(wide);
    }
    for (const std::string &text : arguments.texts) {
        arguments.pointers.push_back(text.c_str());
    }
    return arguments;
}

// A game started from a console, or with its output sent somewhere, has handles already; one
// started from cmd.exe borrows its console; one from the Start menu keeps what it says.
void connectMessages() {
    if (hasHandle(STD_ERROR_HANDLE) && hasHandle(STD_OUTPUT_HANDLE)) {
        return;
    }
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        pointStreamAt(stdout, 1, L"CONOUT$");
        pointStreamAt(stderr, 2, L"CONOUT$");
        return;
    }
    keptMessagesPath = temporaryFile(L"velmora-messages.txt");
    if (!pointStreamAt(stderr, 2, keptMessagesPath.c_str())) {
        keptMessagesPath.clear();
    }
}

int cannotStart(const int status) {
    if (keptMessagesPath.empty()) {
        return status;
    }
    std::fflush(stderr);
    const std::string messages = keptMessages();
    const std::wstring text = widePath(messages.empty() ? "Velmora could not start." : messages);
    MessageBoxW(nullptr, text.c_str(), L"Velmora", MB_OK | MB_ICONERROR);
    return status;
}
