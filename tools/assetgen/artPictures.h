#pragma once
// Where painted pictures go: each is written under the output folder at once and a
// small copy is kept for the contact sheet.
#include <string>
#include <vector>

#include "artImage.h"

struct SheetEntry {
    std::string path; // as the game loads it, e.g. "art/flame/3.png"
    Image8 thumbnail; // what the contact sheet shows
};

struct PictureSink {
    std::string outDir;
    std::vector<SheetEntry> sheet;
    bool ok = true;

    // Writes OUTDIR/path and remembers it for the sheet.
    void add(const std::string &path, const Image8 &image);
};

// One painter per family of pictures; each writes its whole family.
void paintGroundTiles(PictureSink &sink);
void paintSigns(PictureSink &sink);
void paintVehicles(PictureSink &sink);
void paintPlants(PictureSink &sink);
void paintFigures(PictureSink &sink);
void paintLights(PictureSink &sink);
void paintHud(PictureSink &sink);
void paintOverlays(PictureSink &sink);
void paintLogo(PictureSink &sink);
void paintGlyphs(PictureSink &sink);
bool writeContactSheet(const std::string &outDir, const std::vector<SheetEntry> &sheet);
