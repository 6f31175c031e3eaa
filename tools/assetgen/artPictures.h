#pragma once
// Where painted pictures go: each is written under the output folder at once and a
// small copy is kept for the contact sheet.
#include <string>
#include <vector>

#include "artImage.h"

struct sheetEntry {
    std::string path;    // as the game loads it, e.g. "art/flame/3.png"
    byteImage thumbnail; // what the contact sheet shows
};

struct pictureSink {
    std::string outDir;
    std::vector<sheetEntry> sheet;
    bool ok = true;

    // Writes OUTDIR/path and remembers it for the sheet.
    void add(const std::string &path, const byteImage &image);
};

// One painter per family of pictures; each writes its whole family.
void paintGroundTiles(pictureSink &sink);
void paintSigns(pictureSink &sink);
void paintVehicles(pictureSink &sink);
void paintPlants(pictureSink &sink);
void paintFigures(pictureSink &sink);
void paintLights(pictureSink &sink);
void paintHud(pictureSink &sink);
void paintOverlays(pictureSink &sink);
void paintLogo(pictureSink &sink);
void paintGlyphs(pictureSink &sink);
bool writeContactSheet(const std::string &outDir, const std::vector<sheetEntry> &sheet);
