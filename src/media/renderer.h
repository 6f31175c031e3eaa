#pragma once
// Draws one whole frame for the current game state and presents it: the night road from the
// driver's seat, ray cast over a wrapping tile floor, every object an upright billboard, all
// of it lit only by the light map; then the dashboard, the fade and the text; last the
// player's brightness over the whole frame.
#include <SDL.h>

#include <cstdint>

#include "media/drawList.h"
#include "media/frameBrightness.h"
#include "media/imageBankShaded.h"
#include "media/layerBlitter.h"
#include "media/lightMap.h"
#include "media/scene.h"

class imageBank;
class lightShapes;
class animTables;
class camera;
class textBox;

constexpr int spriteTableRows = 241; // bottom rows 240 … 480
constexpr int spriteTableTexels = 65;

class renderer {
  public:
    renderer(imageBank &images, const lightShapes &shapes, const animTables &animations, drawList &sprites);

    imageBank &images;
    const lightShapes &shapes;
    const animTables &animations;
    drawList &sprites;
    scene shown; // the pass being drawn: its view, its level, its fade and its text

    SDL_Rect viewRect;
    double invDet = 1.25;
    int32_t columnRun[spriteTableRows][spriteTableTexels];
    int32_t rowRun[spriteTableRows][spriteTableTexels];
    int32_t rowStart[spriteTableRows][spriteTableTexels]; // the rows of the texel rows above each
    lightMap light;
    layerBlitter layers;
    rowCover cover; // what the bonnet and dashboard will cover this frame
    // The curve of the scene's brightness, built again only when it changes.
    brightnessTable brightness;
    // Off, every floor pixel is interpolated on its column's ray, as the stepped rows are
    // checked against.
    bool steppedFloor = true;

    // Computes the view's inverse determinant and the sprite size tables; once, before
    // the first frame, after the pictures are loaded, from the camera as it starts.
    void prepareRenderer(const camera &view);
    // Draws the pass's scene and presents it.
    void drawFrame(const scene &pass);

    // The pieces of a frame, in the order drawFrame uses them.
    void drawWorldView();
    void fillLightMap();
    void castFloor();
    void drawSprites();
    void clearScreen();
    void drawFade();
    void drawLogo();
    void drawPlay();
    // One of the text box's areas, when the scene has text.
    void drawText(void (textBox::*drawArea)(imageBank &) const);

  private:
    // Ground texels by tile code and light level, looked up once instead of per pixel.
    shadedTexels groundTexels[89][25];
    // A sprite as it lands on the screen this frame.
    struct spriteOnScreen {
        int record; // its index in the draw list
        int64_t screenX, h;
        double tY; // its depth
    };
    spriteOnScreen onScreen[drawListCapacity]; // the sprites drawn, in draw-list order
    int shownSprites = 0;
    int32_t spriteOrder[drawListCapacity]; // places in onScreen, farthest first
    double rowDistance[480];               // how far ahead the floor seen on each screen row lies

    void prepareGroundTexels();
    void prepareRowDistances(const camera &view);
    void prepareSpriteTables();
    // Each column's ray end, found once per frame before the rows are drawn.
    struct floorRay {
        double farX, farY;
        double dist;
        int firstRow;
        bool skewed; // its far end is off the straight ray: drawn by interpolation only
    };
    floorRay floorRays[640];
    int skewedColumns[641]; // the skewed columns of this frame, left to right, then a stop
    int skewedRays = 0;
    // One screen row of floor and what it is drawn for.
    struct floorRowSpan {
        SDL_Surface *screen;
        const camera *view;
        int32_t side;
        int y;
        int firstColumn, lastColumn;
    };
    struct groundRun;

    // The columns and the end row the floor writes every pixel of, from the view band's
    // top down; false when this pass draws no floor.
    bool floorBand(int &firstColumn, int &lastColumn, int &lastRow) const;
    const floorRay &castColumnRay(const camera &view, int x);
    static Uint32 *rowPixels(const floorRowSpan &row);
    void castFloorPixel(const floorRowSpan &row, int x, groundRun &run) const;
    void castFloorRow(const floorRowSpan &row);
    void castSteppedFloorRow(const floorRowSpan &row);
    void castTileRun(const floorRowSpan &row, int x, int run, int64_t pointX, int64_t pointY, int64_t stepX,
                     int64_t stepY, const shadedTexels &texels, groundRun &interpolated) const;
    void sortSpritesFarthestFirst(const camera &view);
    bool projectSprite(const camera &view, const spriteRecord &record, spriteOnScreen &place) const;
    void drawSprite(SDL_Surface *screen, int32_t side, const spriteRecord &record,
                    const spriteOnScreen &place);
    void drawPicture(SDL_Surface *screen, int picture, int64_t first, int64_t last, int top, int bottom,
                     double tY);
    void drawPictureColumn(SDL_Surface *screen, const shadedTexels &texels, int tx, int left, int right,
                           int top, int bottom) const;
};
