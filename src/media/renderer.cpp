#include "media/renderer.h"

#include <algorithm>

#include "media/animTables.h"
#include "media/dashboard.h"
#include "media/drawList.h"
#include "media/helpers.h"
#include "media/imageBank.h"
#include "media/textBox.h"
#include "platform/windowScaling.h"

namespace {

constexpr SDL_Rect menuViewRect = {0, 0, 640, 400};
constexpr SDL_Rect playViewRect = {30, 240, 580, 80};
constexpr int pauseDimFrame = 3;

} // namespace

renderer::renderer(imageBank &bank, const lightShapes &lightShapeTable, const animTables &tables,
                   drawList &spriteList)
    : images(bank), shapes(lightShapeTable), animations(tables), sprites(spriteList), viewRect(playViewRect),
      layers(bank) {
    light.clear();
}

void renderer::prepareRenderer(const camera &view) {
    invDet = 1.0 / (view.planeX * view.dirY - view.dirX * view.planeY);
    prepareSpriteTables();
    prepareGroundTexels();
    prepareRowDistances(view);
    layers.planAll();
}

void renderer::prepareRowDistances(const camera &view) {
    const int half = view.screenHeight / 2;
    for (int y = 0; y < 480; y++) {
        // The horizon row and those above it see the far end of every ray.
        rowDistance[y] =
            y > half ? static_cast<double>(view.screenHeight) / (2 * y - view.screenHeight) : 1e30;
    }
}

void renderer::prepareGroundTexels() {
    for (int tile = 0; tile < groundTileCodes; tile++) {
        for (int level = 0; level < lightLevels; level++) {
            groundTexels[tile][level] = images.texelsAt(shadedSlot(groundBase, tile, level));
        }
    }
}

// Black wherever the frame draws nothing opaque of its own: in play the bonnet and the
// dashboard cover the bottom of the screen and the pillars, and need nothing under them,
// and the floor writes every pixel of its band itself.
void renderer::clearScreen() {
    cover.clear();
    const bool inPlay = shown.layout == sceneLayout::play || shown.layout == sceneLayout::paused;
    if (inPlay && shown.view != nullptr) {
        const dashboardPlacement at = placeDashboard(animations, shown.view->cockpit);
        layers.markCover(at.hoodSlot, at.hoodX, at.hoodY, cover);
        layers.markCover(at.dashSlot, at.dashX, at.dashY, cover);
        viewRect = playViewRect;
        int firstColumn = 0;
        int lastColumn = 0;
        int lastRow = 0;
        if (floorBand(firstColumn, lastColumn, lastRow)) {
            for (int row = std::max<int>(viewRect.y, 0); row < std::min(lastRow, rowCover::rows); row++) {
                cover.add(row, firstColumn, lastColumn + 1);
            }
        }
    }
    clearUncovered(images.slots[screenSlot], cover);
}

void renderer::drawFade() {
    const int32_t level = shown.fadeLevel;
    if (level >= 0 && level <= fadeClear) {
        layers.blit(blackFlashBase + level, 0, 0);
    }
}

void renderer::drawWorldView() {
    if (shown.view == nullptr) {
        return; // nothing to see the world from
    }
    fillLightMap();
    SDL_Surface *screen = images.slots[screenSlot];
    const surfaceLock lock(screen);
    castFloor();
    drawSprites();
}

void renderer::drawFrame(const scene &pass) {
    SDL_Surface *screen = images.slots[screenSlot];
    if (screen == nullptr) {
        return;
    }
    shown = pass;
    clearScreen();
    if (shown.layout != sceneLayout::logo && shown.layout != sceneLayout::title) {
        images.releaseLogo(); // shown again only after a return to the title
    }
    switch (shown.layout) {
    case sceneLayout::logo:
        drawLogo();
        break;
    case sceneLayout::title:
        drawLogo();
        drawFade();
        drawText(&textBox::drawHintArea);
        break;
    case sceneLayout::menu:
        viewRect = menuViewRect;
        layers.blit(copyrightsSlot, 210, 452);
        drawWorldView();
        drawFade();
        drawText(&textBox::drawMenuArea);
        break;
    case sceneLayout::play:
    case sceneLayout::paused:
        drawPlay();
        break;
    case sceneLayout::nothing:
        break;
    }
    drawText(&textBox::drawDemoMark);
    applyBrightness(brightness, shown.brightness, screen);
    showScreen(screen);
}

// The logo frame is read from its file as it comes up; one frame is held at a time.
void renderer::drawLogo() {
    const int frame = animations.at(logoFrames, shown.logoCounter);
    images.showLogoFrame(frame);
    layers.blit(introLogoBase + frame, 0, 0);
}

void renderer::drawText(void (textBox::*drawArea)(imageBank &) const) {
    if (shown.text != nullptr) {
        (shown.text->*drawArea)(images);
    }
}

// The road from the driver's seat under the dashboard; paused, dimmed under the menu.
void renderer::drawPlay() {
    viewRect = playViewRect;
    drawWorldView();
    if (shown.view != nullptr) {
        drawDashboard(layers, animations, shown.view->cockpit, shown.view->headlightsOn, shown.view->battery);
    }
    drawFade();
    drawText(&textBox::drawMessageArea);
    drawText(&textBox::drawHintArea);
    if (shown.layout == sceneLayout::paused) {
        layers.blit(blackFlashBase + pauseDimFrame, 0, 0);
        drawText(&textBox::drawMenuArea);
    }
}
