// velmora-assetgen OUTDIR: writes art/ and sounds/ under OUTDIR.
#include <cstdio>
#include <string>

#include "artGenerator.h"
#include "soundGenerator.h"

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-assetgen OUTDIR\n");
        return 2;
    }
    const std::string outDir = argv[1];
    const bool artOk = writeAllPictures(outDir);
    const bool soundOk = writeAllSounds(outDir);
    return artOk && soundOk ? 0 : 1;
}
