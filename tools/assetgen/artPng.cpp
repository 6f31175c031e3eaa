#include "artPng.h"

#include <png.h>

#include <cstdio>
#include <filesystem>

static bool writeRows(std::FILE *file, const Image8 &image) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    // Fast settings: the pictures are large and dark, and the whole set must be quick to make.
    png_set_compression_level(png, 3);
    png_set_filter(png, 0, PNG_FILTER_SUB | PNG_FILTER_UP);
    const int channels = image.hasAlpha ? 4 : 3;
    png_set_IHDR(png, info, image.width, image.height, 8,
                 image.hasAlpha ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<size_t>(image.width) * channels);
    for (int y = 0; y < image.height; y++) {
        const uint8_t *src = &image.rgba[static_cast<size_t>(y) * image.width * 4];
        for (int x = 0; x < image.width; x++) {
            for (int c = 0; c < channels; c++) {
                row[static_cast<size_t>(x) * channels + c] = src[x * 4 + c];
            }
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool writePng(const std::string &path, const Image8 &image) {
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = writeRows(file, image);
    return std::fclose(file) == 0 && written;
}
