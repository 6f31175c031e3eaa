#include "artPictures.h"
void paintSigns(PictureSink &) {}
void paintVehicles(PictureSink &) {}
void paintPlants(PictureSink &) {}
void paintFigures(PictureSink &) {}
void paintLights(PictureSink &) {}
void paintHud(PictureSink &) {}
void paintOverlays(PictureSink &) {}
void paintLogo(PictureSink &) {}
