#include "artPictures.h"
void paintHud(PictureSink &) {}
void paintOverlays(PictureSink &) {}
void paintLogo(PictureSink &) {}
