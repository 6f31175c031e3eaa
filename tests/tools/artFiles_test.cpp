// The web page's copies of the pictures are packed smaller by the asset generator's repacking,
// and the packing loses nothing: each reads back to the very pixels of the build's file, in the
// same colour type.
#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/buildPaths.h"
#include "support/sdlTestEnvironment.h"

namespace {

namespace fs = std::filesystem;

struct decodedPng {
    int width = 0, height = 0, channels = 0;
    std::vector<uint8_t> bytes;
    bool operator==(const decodedPng &) const = default;
};

// The file's pixels as RGB or RGBA bytes, as it was written; empty when it cannot be read.
decodedPng decode(const fs::path &path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) {
        return {};
    }
    decodedPng out;
    out.channels = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0 ? 4 : 3;
    image.format = out.channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    out.bytes.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.bytes.data(), 0, nullptr)) {
        return {};
    }
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    return out;
}

} // namespace

TEST(PictureRepacking, TheWebCopiesKeepEveryPixelInFewerBytes) {
    const temporaryFolder folder;
    // Grain under alpha, smooth shading, a sprite with its holes: each packs best another way.
    const std::vector<std::string> names{"hud/dashboard/3.png", "introLogo/30.png", "car/left/8.png"};
    const fs::path art = fs::path(builtAssetsDir) / "art";
    for (const std::string &name : names) {
        fs::create_directories((fs::path(folder.path()) / name).parent_path());
        fs::copy_file(art / name, fs::path(folder.path()) / name);
    }
    const std::string command = std::string(builtAssetgenPath) + " --repack-pictures " + folder.path();
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const std::string &name : names) {
        SCOPED_TRACE(name);
        const fs::path copy = fs::path(folder.path()) / name;
        const decodedPng original = decode(art / name);
        ASSERT_GT(original.width, 0);
        EXPECT_TRUE(decode(copy) == original);
        EXPECT_LT(fs::file_size(copy), fs::file_size(art / name));
    }
}
