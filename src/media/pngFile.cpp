#include "media/pngFile.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "media/helpers.h"

static std::vector<uint8_t> surfaceRgb(SDL_Surface *surface) {
    std::vector<uint8_t> rgb(static_cast<size_t>(surface->w) * surface->h * 3);
    const surfaceLock lock(surface);
    size_t at = 0;
    for (int y = 0; y < surface->h; y++) {
        for (int x = 0; x < surface->w; x++) {
            Uint8 r, g, b;
            SDL_GetRGB(getPixel(surface, x, y), surface->format, &r, &g, &b);
            rgb[at++] = r;
            rgb[at++] = g;
            rgb[at++] = b;
        }
    }
    return rgb;
}

static bool writeRows(std::FILE *file, const pngPixels &pixels, const pngSpeed speed) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    if (speed == pngSpeed::fast) {
        png_set_compression_level(png, 3);
        png_set_filter(png, 0, PNG_FILTER_SUB | PNG_FILTER_UP);
    }
    png_set_IHDR(png, info, pixels.width, pixels.height, 8,
                 pixels.channels == 4 ? PNG_COLOR_TYPE_RGBA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const size_t rowBytes = static_cast<size_t>(pixels.width) * pixels.channels;
    for (int y = 0; y < pixels.height; y++) {
        png_write_row(png, pixels.bytes + static_cast<size_t>(y) * rowBytes);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool writePngFile(const std::string &path, const pngPixels &pixels, const pngSpeed speed) {
    if (pixels.bytes == nullptr || (pixels.channels != 3 && pixels.channels != 4)) {
        return false;
    }
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = writeRows(file, pixels, speed);
    return std::fclose(file) == 0 && written;
}

bool saveSurfacePng(SDL_Surface *surface, const std::string &path) {
    if (surface == nullptr || surface->format->BytesPerPixel != 4) {
        return false;
    }
    const std::vector<uint8_t> rgb = surfaceRgb(surface);
    return writePngFile(path, {surface->w, surface->h, 3, rgb.data()}, pngSpeed::standard);
}
