#pragma once
#include <cstdint>
#include <vector>

// An 8-bit RGB or RGBA picture as packed rows of `channels` bytes a pixel.
struct packedPicture {
    int width = 0;
    int height = 0;
    int channels = 3;
    const uint8_t *bytes = nullptr;
};

// The picture as a PNG file's bytes, as small as this packer can make them: the row filters
// that suit it, deflated by libdeflate at its hardest (about a tenth smaller than zlib's best,
// and several times slower). The same picture always gives the same bytes.
std::vector<uint8_t> smallestPng(const packedPicture &picture);
