#include "artGenerator.h"

#include "artPictures.h"
#include "artPng.h"

// What the contact sheet shows of a picture: full-screen layers at half size, world
// sprites and glyphs twice as large, everything else as it is.
static byteImage thumbnailOf(const byteImage &image) {
    if (image.width >= 600) {
        return shrunk(image, 2);
    }
    if (image.width <= 64 && image.height <= 64 && image.width > 32) {
        return enlarged(image, 2);
    }
    if (image.width <= 32 && image.height <= 32) {
        return enlarged(image, 2);
    }
    return image;
}

void pictureSink::add(const std::string &path, const byteImage &image) {
    if (!writePng(outDir + "/" + path, image)) {
        ok = false;
    }
    sheet.push_back({path, thumbnailOf(image)});
}

bool writeAllPictures(const std::string &outDir) {
    pictureSink sink;
    sink.outDir = outDir;
    paintLogo(sink);
    paintGlyphs(sink);
    paintHud(sink);
    paintOverlays(sink);
    paintGroundTiles(sink);
    paintVehicles(sink);
    paintSigns(sink);
    paintLights(sink);
    paintPlants(sink);
    paintFigures(sink);
    const bool sheetOk = writeContactSheet(outDir, sink.sheet);
    return sink.ok && sheetOk;
}
