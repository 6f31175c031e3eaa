#include "artRepack.h"

#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <future>
#include <vector>

#include "artPngPack.h"

namespace {

namespace fs = std::filesystem;

struct decodedPicture {
    int width = 0, height = 0, channels = 0;
    std::vector<uint8_t> bytes;
    bool operator==(const decodedPicture &) const = default;
};

// The file's pixels as the RGB or RGBA bytes it holds; empty when it cannot be read.
decodedPicture decode(const fs::path &path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return {};
    }
    decodedPicture picture;
    picture.channels = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0 ? 4 : 3;
    image.format = picture.channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    picture.bytes.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, picture.bytes.data(), 0, nullptr)) {
        return {};
    }
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    return picture;
}

bool writeFile(const fs::path &path, const std::vector<uint8_t> &bytes) {
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

bool repackOne(const fs::path &path) {
    const decodedPicture original = decode(path);
    if (original.width == 0) {
        return false;
    }
    const fs::path packed = path.string() + ".packed";
    const std::vector<uint8_t> bytes =
        smallestPng({original.width, original.height, original.channels, original.bytes.data()});
    const bool same = !bytes.empty() && writeFile(packed, bytes) && decode(packed) == original;
    std::error_code error;
    if (same && fs::file_size(packed) < fs::file_size(path)) {
        fs::rename(packed, path, error);
    } else {
        fs::remove(packed, error);
    }
    return same && !error;
}

// Every `step`th file from `first` on, named on stderr when it fails.
bool repackEvery(const std::vector<fs::path> &paths, size_t first, size_t step) {
    bool allPacked = true;
    for (size_t i = first; i < paths.size(); i += step) {
        if (!repackOne(paths[i])) {
            std::fprintf(stderr, "velmora-assetgen: cannot repack %s\n", paths[i].c_str());
            allPacked = false;
        }
    }
    return allPacked;
}

} // namespace

bool repackPictures(const std::string &folder) {
    std::vector<fs::path> paths;
    for (const auto &entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".png") {
            paths.push_back(entry.path());
        }
    }
    std::sort(paths.begin(), paths.end());
    // Two threads, every other file each: a file is packed on its own, so its bytes do not
    // depend on which thread packs it.
    std::future<bool> odd =
        std::async(std::launch::async, repackEvery, std::cref(paths), size_t{1}, size_t{2});
    const bool evenPacked = repackEvery(paths, 0, 2);
    return odd.get() && evenPacked;
}
