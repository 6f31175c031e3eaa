#include "artPngPack.h"

#include <libdeflate.h>

#include <array>
#include <cstddef>
#include <cstdlib>
#include <memory>

namespace {

enum class rowFilter : uint8_t { none = 0, sub = 1, up = 2, average = 3, paeth = 4 };
constexpr std::array<rowFilter, 5> everyFilter{rowFilter::none, rowFilter::sub, rowFilter::up,
                                               rowFilter::average, rowFilter::paeth};

// How a picture's rows are filtered: all one way, or each the way that leaves the smallest
// differences (the usual guess at what deflates best).
enum class filterPlan { none, sub, perRow };
constexpr std::array<filterPlan, 3> everyPlan{filterPlan::none, filterPlan::sub, filterPlan::perRow};

int paethPredictor(int left, int above, int aboveLeft) {
    const int estimate = left + above - aboveLeft;
    const int toLeft = std::abs(estimate - left);
    const int toAbove = std::abs(estimate - above);
    const int toAboveLeft = std::abs(estimate - aboveLeft);
    if (toLeft <= toAbove && toLeft <= toAboveLeft) {
        return left;
    }
    return toAbove <= toAboveLeft ? above : aboveLeft;
}

// Writes the filter's byte and the row's differences from its prediction to `out`; `above`
// is null for the first row.
void filterRow(rowFilter filter, const uint8_t *row, const uint8_t *above, size_t length, int channels,
               uint8_t *out) {
    out[0] = static_cast<uint8_t>(filter);
    for (size_t i = 0; i < length; i++) {
        const bool hasLeft = i >= static_cast<size_t>(channels);
        const int left = hasLeft ? row[i - channels] : 0;
        const int up = above != nullptr ? above[i] : 0;
        const int upLeft = hasLeft && above != nullptr ? above[i - channels] : 0;
        int prediction = 0;
        switch (filter) {
        case rowFilter::none:
            break;
        case rowFilter::sub:
            prediction = left;
            break;
        case rowFilter::up:
            prediction = up;
            break;
        case rowFilter::average:
            prediction = (left + up) / 2;
            break;
        case rowFilter::paeth:
            prediction = paethPredictor(left, up, upLeft);
            break;
        }
        out[i + 1] = static_cast<uint8_t>(row[i] - prediction);
    }
}

// The differences' sum, each byte taken as a signed value.
long differenceSum(const uint8_t *filtered, size_t length) {
    long sum = 0;
    for (size_t i = 1; i <= length; i++) {
        sum += filtered[i] < 128 ? filtered[i] : 256 - filtered[i];
    }
    return sum;
}

// The picture's rows filtered by the plan, each with its filter byte; with `sampled`, only a
// quarter of them, in bands of 8 (deflate finds much of its matches a row or two above).
std::vector<uint8_t> filteredRows(const packedPicture &picture, filterPlan plan, bool sampled) {
    constexpr int band = 8;
    const size_t length = static_cast<size_t>(picture.width) * picture.channels;
    std::vector<uint8_t> rows;
    std::vector<uint8_t> candidate(length + 1);
    std::vector<uint8_t> best(length + 1);
    for (int y = 0; y < picture.height; y++) {
        if (sampled && (y / band) % 4 != 0) {
            continue;
        }
        const uint8_t *row = picture.bytes + static_cast<size_t>(y) * length;
        const uint8_t *above = y > 0 ? row - length : nullptr;
        if (plan != filterPlan::perRow) {
            filterRow(plan == filterPlan::none ? rowFilter::none : rowFilter::sub, row, above, length,
                      picture.channels, best.data());
        } else {
            long bestSum = -1;
            for (const rowFilter filter : everyFilter) {
                filterRow(filter, row, above, length, picture.channels, candidate.data());
                const long sum = differenceSum(candidate.data(), length);
                if (bestSum < 0 || sum < bestSum) {
                    bestSum = sum;
                    best.swap(candidate);
                }
            }
        }
        rows.insert(rows.end(), best.begin(), best.end());
    }
    return rows;
}

struct compressorFree {
    void operator()(libdeflate_compressor *compressor) const { libdeflate_free_compressor(compressor); }
};

std::vector<uint8_t> zlibStream(const std::vector<uint8_t> &data, int level) {
    const std::unique_ptr<libdeflate_compressor, compressorFree> compressor(
        libdeflate_alloc_compressor(level));
    if (compressor == nullptr) {
        return {};
    }
    std::vector<uint8_t> stream(libdeflate_zlib_compress_bound(compressor.get(), data.size()));
    stream.resize(
        libdeflate_zlib_compress(compressor.get(), data.data(), data.size(), stream.data(), stream.size()));
    return stream;
}

// A sample of the rows packed each way tells the plans apart, in a quarter of the time.
filterPlan bestPlan(const packedPicture &picture) {
    constexpr int quickLevel = 9;
    filterPlan best = filterPlan::perRow;
    size_t bestSize = 0;
    for (const filterPlan plan : everyPlan) {
        const size_t size = zlibStream(filteredRows(picture, plan, true), quickLevel).size();
        if (bestSize == 0 || size < bestSize) {
            bestSize = size;
            best = plan;
        }
    }
    return best;
}

void appendBigEndian(std::vector<uint8_t> &out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<uint8_t>(value >> shift));
    }
}

void appendChunk(std::vector<uint8_t> &out, const char (&type)[5], const std::vector<uint8_t> &data) {
    appendBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uint32_t crc = libdeflate_crc32(0, out.data() + typeAt, out.size() - typeAt);
    appendBigEndian(out, crc);
}

} // namespace

std::vector<uint8_t> smallestPng(const packedPicture &picture) {
    constexpr int hardestLevel = 12;
    const std::vector<uint8_t> stream =
        zlibStream(filteredRows(picture, bestPlan(picture), false), hardestLevel);
    if (stream.empty()) {
        return {};
    }
    std::vector<uint8_t> header;
    appendBigEndian(header, static_cast<uint32_t>(picture.width));
    appendBigEndian(header, static_cast<uint32_t>(picture.height));
    const uint8_t colourType = picture.channels == 4 ? 6 : 2; // RGBA or RGB
    header.insert(header.end(), {8, colourType, 0, 0, 0}); // 8 bits, deflate, filtered rows, not interlaced
    std::vector<uint8_t> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", stream);
    appendChunk(png, "IEND", {});
    return png;
}
