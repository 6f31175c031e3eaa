#pragma once
// For the Windows files of the platform layer only: the game's UTF-8 paths as Windows' wide
// names and back, and Windows' error codes as errno values, so the messages read alike.
#include <string>
#include <string_view>

std::wstring widePath(std::string_view path);
std::string utf8Of(std::wstring_view text);
// Sets errno from the thread's last Windows error.
void errnoFromLastError();
// Letters and digits for a new file's or folder's name: different at every call, and
// between processes.
std::string uniqueLetters(size_t count);
