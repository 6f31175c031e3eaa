#include "platform/pngSignature.h"

#include <array>
#include <cstdio>

#include "platform/regularFile.h"

bool startsAsPng(const std::string &path) {
    constexpr std::array<unsigned char, 8> pngSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::FILE *const file = openRegularStream(path);
    if (file == nullptr) {
        return false;
    }
    std::array<unsigned char, 8> start{};
    const bool isPng =
        std::fread(start.data(), 1, start.size(), file) == start.size() && start == pngSignature;
    std::fclose(file);
    return isPng;
}
