#include "platform/programStart.h"

#include <cstdio>
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
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
        return;
    }
    keptMessagesPath = temporaryFile(L"velmora-messages.txt");
    if (_wfreopen(keptMessagesPath.c_str(), L"w", stderr) == nullptr) {
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
