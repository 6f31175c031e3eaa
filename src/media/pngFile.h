#pragma once
// PNG writing for the game's screenshots and the asset generator alike: one writer of
// packed 8-bit rows, so both make their files the same way. And a quick reader for the
// plain 8-bit PNGs the art is made of.
#include <SDL.h>

#include <cstdint>
#include <string>

// Rows of `width` pixels, `channels` bytes a pixel (3 for RGB, 4 for RGBA), packed.
struct pngPixels {
    int width = 0;
    int height = 0;
    int channels = 3;
    const uint8_t *bytes = nullptr;
};

// Screenshots use libpng's defaults; the asset generator trades a little size for speed.
enum class pngSpeed { standard, fast };

// Writes the rows to a PNG file; false when the file cannot be written.
bool writePngFile(const std::string &path, const pngPixels &pixels, pngSpeed speed);

// Writes the surface as an 8-bit RGB PNG; false when the file cannot be written.
bool saveSurfacePng(SDL_Surface *surface, const std::string &path);

// Reads an 8-bit RGB or RGBA PNG straight into a new 32-bit surface with the masks of
// `like`, the pixels and alpha flag being those IMG_Load and a conversion to that format
// would give, without the second surface. Null for any other kind of PNG (palette, grey,
// 16-bit, interlaced, a transparent colour), for a `like` whose channels are not 8 bits,
// and for files that cannot be read: the caller then reads them the usual way.
SDL_Surface *readPlainPng(const std::string &path, const SDL_Surface *like);
