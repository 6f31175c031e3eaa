// One picture with every generated picture on a mid-grey ground, each labelled with
// the path the game loads it from, so the whole set can be judged at once.
#include <string>

#include "artLabelFont.h"
#include "artPictures.h"
#include "artPng.h"

namespace {

constexpr int kSheetWidth = 1800;
constexpr int kGap = 10;
constexpr Colour kGround = rgb(128, 128, 128);

struct Placed {
    int x, y;
};

// Pictures of one folder share a row; the font shares one run of rows.
std::string rowKey(const std::string &path) {
    if (path.rfind("art/font/", 0) == 0) {
        return "art/font/";
    }
    return path.substr(0, path.rfind('/') + 1);
}

int cellWidth(const SheetEntry &e) {
    return std::max(e.thumbnail.width, labelWidth(e.path)) + kGap;
}
int cellHeight(const SheetEntry &e) {
    return e.thumbnail.height + kLabelHeight + 4 + kGap;
}

std::vector<Placed> layOut(const std::vector<SheetEntry> &sheet, int &height) {
    std::vector<Placed> places;
    int x = kGap, y = kGap, rowHeight = 0;
    std::string key;
    for (const SheetEntry &e : sheet) {
        const bool newKey = !key.empty() && rowKey(e.path) != key;
        if (newKey || x + cellWidth(e) > kSheetWidth) {
            x = kGap;
            y += rowHeight + (newKey ? kGap : 0);
            rowHeight = 0;
        }
        key = rowKey(e.path);
        places.push_back({x, y});
        x += cellWidth(e);
        rowHeight = std::max(rowHeight, cellHeight(e));
    }
    height = y + rowHeight + kGap;
    return places;
}

void drawThumbnail(Canvas &sheet, const Image8 &image, int ox, int oy) {
    for (int y = 0; y < image.height; y++) {
        for (int x = 0; x < image.width; x++) {
            const uint8_t *p = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
            const bool key = !image.hasAlpha && p[0] == 255 && p[1] == 0 && p[2] == 255;
            if (key) {
                continue;
            }
            if (image.hasAlpha) {
                // A checker under translucent pictures shows how see-through they are.
                const bool dark = ((x / 8) + (y / 8)) % 2 == 0;
                sheet.blend(ox + x, oy + y, dark ? rgb(96, 96, 96) : rgb(160, 160, 160), 1.0f);
            }
            sheet.blend(ox + x, oy + y, rgb(p[0], p[1], p[2]), image.hasAlpha ? p[3] / 255.0f : 1.0f);
        }
    }
}

} // namespace

bool writeContactSheet(const std::string &outDir, const std::vector<SheetEntry> &sheet) {
    int height = 0;
    const std::vector<Placed> places = layOut(sheet, height);
    Canvas canvas(kSheetWidth, height);
    canvas.fill(kGround);
    for (size_t i = 0; i < sheet.size(); i++) {
        const SheetEntry &e = sheet[i];
        drawThumbnail(canvas, e.thumbnail, places[i].x, places[i].y);
        drawLabel(canvas, places[i].x, places[i].y + e.thumbnail.height + 3, e.path, rgb(20, 20, 24));
    }
    return writePng(outDir + "/contactSheet.png", toRgb(canvas));
}
