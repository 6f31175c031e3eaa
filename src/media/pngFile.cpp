#include "media/pngFile.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "media/helpers.h"

static std::vector<png_byte> surfaceRgb(SDL_Surface *surface) {
    std::vector<png_byte> rgb(static_cast<size_t>(surface->w) * surface->h * 3);
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

static bool writeRgbPng(std::FILE *file, int width, int height, std::vector<png_byte> &rgb) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; y++) {
        png_write_row(png, &rgb[static_cast<size_t>(y) * width * 3]);
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool saveSurfacePng(SDL_Surface *surface, const std::string &path) {
    if (surface == nullptr || surface->format->BytesPerPixel != 4) {
        return false;
    }
    std::vector<png_byte> rgb = surfaceRgb(surface);
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = writeRgbPng(file, surface->w, surface->h, rgb);
    return std::fclose(file) == 0 && written;
}
