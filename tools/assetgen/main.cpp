// velmora-assetgen OUTDIR: writes art/ and sounds/ under OUTDIR.
// velmora-assetgen --repack-pictures FOLDER: packs the PNGs under FOLDER as small as it can,
// with the same pixels, for the web page's download (slower to read: the desktop keeps its).
#include <cstdio>
#include <string>

#include "artGenerator.h"
#include "artRepack.h"
#include "soundGenerator.h"

int main(int argc, char **argv) {
    if (argc == 3 && std::string(argv[1]) == "--repack-pictures") {
        return repackPictures(argv[2]) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-assetgen OUTDIR | --repack-pictures FOLDER\n");
        return 2;
    }
    const std::string outDir = argv[1];
    const bool artOk = writeAllPictures(outDir);
    const bool soundOk = writeAllSounds(outDir);
    return artOk && soundOk ? 0 : 1;
}
