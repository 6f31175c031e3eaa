#pragma once
// The sprites of one frame: refilled by the world every pass, read by the renderer.
#include <cstdint>

class imageBank;

constexpr int drawListCapacity = 1000;

struct spriteRecord {
    bool visible;
    bool split; // drawn as a left and a right half side by side
    bool emitsLight;
    int32_t lightShape;
    int32_t shade;
    bool fixedShade; // drawn at `shade` instead of the light of its tile
    double x, y;
    // The first of the 25 light-level slots of each picture frame; 0 for none.
    int32_t image, leftImage, rightImage;

    void clear();
};

class drawList {
  public:
    explicit drawList(imageBank &bank);

    imageBank &images;
    int32_t count = drawListCapacity;
    spriteRecord records[drawListCapacity];

    void clear();
};
