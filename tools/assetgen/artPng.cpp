#include "artPng.h"

#include <filesystem>
#include <vector>

#include "media/pngFile.h"

// The image keeps four bytes a pixel; a picture without alpha is written as RGB.
static std::vector<uint8_t> packedRows(const byteImage &image, const int channels) {
    std::vector<uint8_t> packed(static_cast<size_t>(image.width) * image.height * channels);
    const size_t pixelCount = static_cast<size_t>(image.width) * image.height;
    for (size_t p = 0; p < pixelCount; p++) {
        for (int c = 0; c < channels; c++) {
            packed[p * channels + c] = image.rgba[p * 4 + c];
        }
    }
    return packed;
}

bool writePng(const std::string &path, const byteImage &image) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    const int channels = image.hasAlpha ? 4 : 3;
    const std::vector<uint8_t> packed = packedRows(image, channels);
    // Fast settings: the pictures are large and dark, and the whole set must be quick to make.
    return writePngFile(path, {image.width, image.height, channels, packed.data()}, pngSpeed::fast);
}
