#include "media/renderer.h"

#include "app/stateContext.h"
#include "levels/levelList.h"
#include "media/animTables.h"
#include "media/dashboard.h"
#include "media/drawList.h"
#include "media/helpers.h"
#include "media/imageBank.h"
#include "media/textBox.h"
#include "objects/objectWorld.h"

namespace {

constexpr SDL_Rect menuViewRect = {0, 0, 640, 400};
constexpr SDL_Rect playViewRect = {30, 240, 580, 80};
constexpr int pauseDimFrame = 3;

} // namespace

renderer::renderer(const stateContext &state, const levelList &levelsOfGame, imageBank &bank,
                   const keyboardState &keys, const lightShapes &lightShapeTable, const animTables &tables,
                   drawList &spriteList, const objectWorld &objects)
    : context(state), levels(levelsOfGame), images(bank), keyboard(keys), shapes(lightShapeTable),
      animations(tables), sprites(spriteList), world(objects), viewRect(playViewRect), layers(bank) {
    light.clear();
}

void renderer::prepareRenderer() {
    const camera &view = world.view;
    invDet = 1.0 / (view.planeX * view.dirY - view.dirX * view.planeY);
    prepareSpriteTables();
    prepareGroundTexels();
    prepareRowDistances();
    layers.planAll();
}

void renderer::prepareRowDistances() {
    const int half = world.view.screenHeight / 2;
    for (int y = 0; y < 480; y++) {
        // The horizon row and those above it see the far end of every ray.
        rowDistance[y] =
            y > half ? static_cast<double>(world.view.screenHeight) / (2 * y - world.view.screenHeight)
                     : 1e30;
    }
}

void renderer::prepareGroundTexels() {
    for (int tile = 0; tile < groundTileCodes; tile++) {
        for (int level = 0; level < lightLevels; level++) {
            texelSource &source = groundTexels[tile][level];
            const SDL_Surface *picture = images.slots[shadedSlot(groundBase, tile, level)];
            const bool usable = picture != nullptr && picture->w >= shadedPictureSize &&
                                picture->h >= shadedPictureSize && picture->format->BytesPerPixel == 4;
            source.pixels = usable ? static_cast<const Uint32 *>(picture->pixels) : nullptr;
            source.pitch = usable ? picture->pitch / 4 : 0;
        }
    }
}

void renderer::drawFade() {
    const int32_t level = world.fade.fadeLevel;
    if (level >= 0 && level <= fadeClear) {
        layers.blit(blackFlashBase + level, 0, 0);
    }
}

void renderer::drawWorldView() {
    fillLightMap();
    SDL_Surface *screen = images.slots[screenSlot];
    const surfaceLock lock(screen);
    castFloor();
    drawSprites();
}

void renderer::drawFrame() {
    SDL_Surface *screen = images.slots[screenSlot];
    if (screen == nullptr) {
        return;
    }
    SDL_FillRect(screen, nullptr, 0);
    const gameState state = context.state;
    if (state == gameState::logoAnim || state == gameState::title) {
        const int frame = animations.at(logoFrames, context.logoCounter);
        layers.blit(introLogoBase + frame, 0, 0);
        if (state == gameState::title) {
            drawFade();
            if (text != nullptr) {
                text->drawHintArea(images);
            }
        }
    } else if (state == gameState::introMenu) {
        viewRect = menuViewRect;
        layers.blit(copyrightsSlot, 210, 452);
        drawWorldView();
        drawFade();
        if (text != nullptr) {
            text->drawMenuArea(images);
        }
    } else if (state == gameState::inGame || state == gameState::paused) {
        viewRect = playViewRect;
        drawWorldView();
        drawDashboard(layers, animations, world.view.cockpit, world.view.headlightsOn, world.view.battery);
        drawFade();
        if (text != nullptr) {
            text->drawMessageArea(images);
            text->drawHintArea(images);
        }
        if (state == gameState::paused) {
            layers.blit(blackFlashBase + pauseDimFrame, 0, 0);
            if (text != nullptr) {
                text->drawMenuArea(images);
            }
        }
    }
    SDL_Flip(screen);
}
