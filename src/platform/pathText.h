#pragma once
// The game's paths are UTF-8 text; std::filesystem's narrow strings are UTF-8 on POSIX systems
// but the local code page on Windows, so the two meet through u8 strings.
#include <filesystem>
#include <string>

inline std::filesystem::path filesystemPath(const std::string &path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

inline std::string utf8Path(const std::filesystem::path &path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}
