#include "media/pngFile.h"

#include <png.h>

#include <cstdio>
#include <vector>

#include "media/helpers.h"
#include "platform/regularFile.h"
#include "platform/surfaces.h"
#include "platform/systemCalls.h"

namespace {

struct pngHeader {
    png_uint_32 width = 0, height = 0;
    int depth = 0, colourType = 0, interlace = 0;
    bool transparentColour = false;
};

// Reading lives in small functions of plain data, as libpng leaves them by longjmp.
bool readHeader(png_structp png, png_infop info, std::FILE *file, pngHeader *header) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_init_io(png, file);
    // Every chunk's CRC is still checked, so damaged data is still refused; the second
    // checksum, over the inflated rows, costs a tenth of the start-up.
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_read_info(png, info);
    png_get_IHDR(png, info, &header->width, &header->height, &header->depth, &header->colourType,
                 &header->interlace, nullptr, nullptr);
    header->transparentColour = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    return true;
}

bool isPlain(const pngHeader &header) {
    constexpr png_uint_32 largest = 4096;
    return header.depth == 8 && header.interlace == PNG_INTERLACE_NONE && !header.transparentColour &&
           (header.colourType == PNG_COLOR_TYPE_RGB || header.colourType == PNG_COLOR_TYPE_RGBA) &&
           header.width > 0 && header.height > 0 && header.width <= largest && header.height <= largest;
}

bool hasByteChannels(const SDL_PixelFormat *format) {
    return format->BytesPerPixel == 4 && format->Rloss == 0 && format->Gloss == 0 && format->Bloss == 0 &&
           format->Aloss == 0 && format->Amask != 0;
}

// Packs one row of RGB or RGBA bytes into pixels with the surface's channel shifts; RGB
// rows are opaque.
void packRow(const uint8_t *bytes, int channels, SDL_Surface *surface, int y) {
    const SDL_PixelFormat *format = surface->format;
    Uint32 *pixels = reinterpret_cast<Uint32 *>(static_cast<uint8_t *>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < surface->w; x++, bytes += channels) {
        const Uint32 alpha = channels == 4 ? bytes[3] : 0xFF;
        pixels[x] = static_cast<Uint32>(bytes[0]) << format->Rshift |
                    static_cast<Uint32>(bytes[1]) << format->Gshift |
                    static_cast<Uint32>(bytes[2]) << format->Bshift | alpha << format->Ashift;
    }
}

// The usual display format on a little-endian machine keeps a pixel's bytes as blue, green,
// red, alpha: libpng can put the rows there itself, in place, with an opaque alpha byte
// after each RGB pixel.
bool takesRowsInPlace(const SDL_PixelFormat *format) {
    return SDL_BYTEORDER == SDL_LIL_ENDIAN && format->Rshift == 16 && format->Gshift == 8 &&
           format->Bshift == 0 && format->Ashift == 24;
}

bool readRows(png_structp png, SDL_Surface *surface, uint8_t *row, int channels) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    const bool inPlace = takesRowsInPlace(surface->format);
    if (inPlace) {
        png_set_bgr(png);
        if (channels == 3) {
            png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
        }
    }
    for (int y = 0; y < surface->h; y++) {
        if (inPlace) {
            png_read_row(png, static_cast<png_bytep>(surface->pixels) + y * surface->pitch, nullptr);
        } else {
            png_read_row(png, row, nullptr);
            packRow(row, channels, surface, y);
        }
    }
    png_read_end(png, nullptr);
    return true;
}

// The image library blends a picture read from an RGBA file and copies one read from an
// RGB file; the conversion keeps that, and so does this.
SDL_Surface *surfaceLike(const SDL_Surface *like, int width, int height, int channels) {
    const SDL_PixelFormat *format = like->format;
    SDL_Surface *surface =
        createPixelSurface(width, height, format->Rmask, format->Gmask, format->Bmask, format->Amask);
    if (surface != nullptr) {
        setAlphaBlending(surface, channels == 4);
    }
    return surface;
}

SDL_Surface *readPlainRows(std::FILE *file, const SDL_Surface *like) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
    pngHeader header;
    SDL_Surface *surface = nullptr;
    if (info != nullptr && readHeader(png, info, file, &header) && isPlain(header)) {
        const int channels = header.colourType == PNG_COLOR_TYPE_RGBA ? 4 : 3;
        std::vector<uint8_t> row(static_cast<size_t>(header.width) * channels);
        surface =
            surfaceLike(like, static_cast<int>(header.width), static_cast<int>(header.height), channels);
        if (surface != nullptr && !readRows(png, surface, row.data(), channels)) {
            SDL_FreeSurface(surface);
            surface = nullptr;
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return surface;
}

} // namespace

SDL_Surface *readPlainPng(const std::string &path, const SDL_Surface *like) {
    if (like == nullptr || !hasByteChannels(like->format)) {
        return nullptr;
    }
    std::FILE *file = openRegularStream(path);
    if (file == nullptr) {
        return nullptr;
    }
    SDL_Surface *surface = readPlainRows(file, like);
    std::fclose(file);
    return surface;
}

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
    std::FILE *file = openWriteStream(path);
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
