#include "media/imageBankShaded.h"

#include <array>

#include "media/helpers.h"

namespace {

// An open-addressed table from pixel to colour index, twice as large as the most colours
// a 64 x 64 picture can have, so a probe run stays short.
constexpr int tableBits = 13;
constexpr int tableSize = 1 << tableBits;
static_assert(tableSize >= 2 * shadedPictureSize * shadedPictureSize);

class colourTable {
  public:
    colourTable() { used.fill(-1); }

    // The colour's index, added to `colours` the first time it is seen.
    uint16_t indexOf(Uint32 pixel, std::vector<Uint32> &colours) {
        unsigned at = (pixel * 2654435761u) >> (32 - tableBits);
        while (used[at] >= 0) {
            if (keys[at] == pixel) {
                return static_cast<uint16_t>(used[at]);
            }
            at = (at + 1) & (tableSize - 1);
        }
        keys[at] = pixel;
        used[at] = static_cast<int32_t>(colours.size());
        colours.push_back(pixel);
        return static_cast<uint16_t>(used[at]);
    }

  private:
    std::array<Uint32, tableSize> keys;
    std::array<int32_t, tableSize> used; // the index held, or -1
};

bool fitsShadedFrame(const SDL_Surface *picture) {
    return picture != nullptr && picture->w == shadedPictureSize && picture->h == shadedPictureSize &&
           picture->format->BytesPerPixel == 4;
}

} // namespace

void shadedPicture::index(SDL_Surface *picture) {
    clear();
    if (!fitsShadedFrame(picture)) {
        return;
    }
    colourTable table;
    indices.resize(shadedPictureSize * shadedPictureSize);
    palettes.reserve(256);
    const surfaceLock lock(picture);
    for (int y = 0; y < shadedPictureSize; y++) {
        for (int x = 0; x < shadedPictureSize; x++) {
            indices[y * shadedPictureSize + x] = table.indexOf(getPixel(picture, x, y), palettes);
        }
    }
    palettes.shrink_to_fit();
    colourCount = static_cast<int>(palettes.size());
    runs.find(indices.data(), palettes.data());
    format = *picture->format;
    format.palette = nullptr; // 32-bit pixels carry their colour; no palette to point at
}

void opaqueRuns::find(const uint16_t *indices, const Uint32 *palette) {
    clear();
    const auto opaqueAt = [&](int tx, int ty) {
        return !isKeyTexel(palette[indices[ty * shadedPictureSize + tx]]);
    };
    for (int tx = 0; tx < shadedPictureSize; tx++) {
        firstOfColumn[tx] = static_cast<uint16_t>(start.size());
        for (int ty = 0; ty < shadedPictureSize; ty++) {
            if (opaqueAt(tx, ty) && (ty == 0 || !opaqueAt(tx, ty - 1))) {
                start.push_back(static_cast<uint8_t>(ty));
            }
            if (opaqueAt(tx, ty) && (ty + 1 == shadedPictureSize || !opaqueAt(tx, ty + 1))) {
                end.push_back(static_cast<uint8_t>(ty + 1));
            }
        }
    }
    firstOfColumn[shadedPictureSize] = static_cast<uint16_t>(start.size());
    start.shrink_to_fit();
    end.shrink_to_fit();
}
