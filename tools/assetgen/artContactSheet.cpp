// One picture with every generated picture on a mid-grey ground, each labelled with
// the path the game loads it from, so the whole set can be judged at once.
#include <string>

#include "artLabelFont.h"
#include "artPictures.h"
#include "artPng.h"

namespace {

constexpr int sheetWidth = 1800;
constexpr int cellGap = 10;
constexpr uint8_t sheetGrey = 128;

struct sheetPlace {
    int x, y;
};

// Each family (the folder under art/) starts on a new row.
std::string rowKey(const std::string &path) {
    const size_t second = path.find('/', 4);
    return path.substr(0, second == std::string::npos ? path.size() : second);
}

int cellWidth(const sheetEntry &e) {
    return std::max(e.thumbnail.width, labelWidth(e.path)) + cellGap;
}
int cellHeight(const sheetEntry &e) {
    return e.thumbnail.height + labelHeight + 4 + cellGap;
}

std::vector<sheetPlace> layOut(const std::vector<sheetEntry> &sheet, int &height) {
    std::vector<sheetPlace> places;
    int x = cellGap, y = cellGap, rowHeight = 0;
    std::string key;
    for (const sheetEntry &e : sheet) {
        const bool newKey = !key.empty() && rowKey(e.path) != key;
        if (newKey || x + cellWidth(e) > sheetWidth) {
            x = cellGap;
            y += rowHeight + (newKey ? cellGap : 0);
            rowHeight = 0;
        }
        key = rowKey(e.path);
        places.push_back({x, y});
        x += cellWidth(e);
        rowHeight = std::max(rowHeight, cellHeight(e));
    }
    height = y + rowHeight + cellGap;
    return places;
}

// The sheet is large, so it is composed in bytes rather than on a float canvas.
struct sheetCanvas {
    byteImage image;
    void put(int x, int y, const uint8_t *rgb, int alpha) {
        if (x < 0 || y < 0 || x >= image.width || y >= image.height) {
            return;
        }
        uint8_t *p = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
        for (int c = 0; c < 3; c++) {
            p[c] = static_cast<uint8_t>((rgb[c] * alpha + p[c] * (255 - alpha)) / 255);
        }
    }
};

void drawThumbnail(sheetCanvas &sheet, const byteImage &image, int ox, int oy) {
    for (int y = 0; y < image.height; y++) {
        for (int x = 0; x < image.width; x++) {
            const uint8_t *p = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
            if (!image.hasAlpha) {
                const bool key = p[0] == 255 && p[1] == 0 && p[2] == 255;
                if (!key) {
                    sheet.put(ox + x, oy + y, p, 255);
                }
                continue;
            }
            // A checker under translucent pictures shows how see-through they are.
            const uint8_t checker = ((x / 8) + (y / 8)) % 2 == 0 ? 96 : 160;
            const uint8_t grey[3] = {checker, checker, checker};
            sheet.put(ox + x, oy + y, grey, 255);
            sheet.put(ox + x, oy + y, p, p[3]);
        }
    }
}

} // namespace

bool writeContactSheet(const std::string &outDir, const std::vector<sheetEntry> &sheet) {
    int height = 0;
    const std::vector<sheetPlace> places = layOut(sheet, height);
    sheetCanvas canvas;
    canvas.image.width = sheetWidth;
    canvas.image.height = height;
    canvas.image.rgba.assign(static_cast<size_t>(sheetWidth) * height * 4, sheetGrey);
    const uint8_t ink[3] = {20, 20, 24};
    for (size_t i = 0; i < sheet.size(); i++) {
        const sheetEntry &e = sheet[i];
        drawThumbnail(canvas, e.thumbnail, places[i].x, places[i].y);
        drawLabel([&](int x, int y) { canvas.put(x, y, ink, 255); }, places[i].x,
                  places[i].y + e.thumbnail.height + 3, e.path);
    }
    return writePng(outDir + "/contactSheet.png", canvas.image);
}
