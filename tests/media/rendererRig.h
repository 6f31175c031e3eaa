#pragma once
// A renderer with everything it reads, over an image bank filled with synthetic pictures
// of known colours, drawing onto the dummy screen.
#include <SDL.h>

#include <memory>

#include "app/sceneOfPass.h"
#include "app/stateContext.h"
#include "levels/levelList.h"
#include "levels/levelSet.h"
#include "media/animTables.h"
#include "media/drawList.h"
#include "media/helpers.h"
#include "media/imageBank.h"
#include "media/lightShapes.h"
#include "media/renderer.h"
#include "media/soundBank.h"
#include "media/textBox.h"
#include "objects/objectWorld.h"
#include "platform/dataFiles.h"
#include "platform/gameFlags.h"
#include "player/keyboardState.h"
#include "support/sdlTestEnvironment.h"

struct rendererRig {
    imageBank images;
    keyboardState keyboard;
    levelList levels;
    std::unique_ptr<levelSet> allLevels = std::make_unique<levelSet>();
    animTables animations;
    lightShapes shapes;
    drawList sprites{images};
    gameFlags flags;
    objectWorld world{animations, sprites, keyboard};
    textBox text;
    dataFiles files;
    soundBank sounds;
    stateContext context{flags, levels, world, text, keyboard, files, sounds};
    std::unique_ptr<renderer> frames;
    scene shown;

    explicit rendererRig(int level) {
        images.slots[screenSlot] = dummyScreen();
        allLevels->linkInto(levels);
        levels.current = level;
        context.state = gameState::inGame;
        world.view.light = 0; // headlights dark unless a test lights them
    }

    // Pictures go in first: the renderer looks up its ground texels when prepared.
    rendererRig &prepare() {
        frames = std::make_unique<renderer>(images, shapes, animations, sprites);
        frames->prepareRenderer(world.view);
        return *this;
    }

    // Draws the scene the state logic would describe from the rig as it stands.
    void drawFrame() {
        describeView(context, shown);
        frames->drawFrame(shown);
    }

    SDL_Surface *screen() const { return images.slots[screenSlot]; }

    Uint32 rgbAt(int x, int y) const { return getPixel(screen(), x, y) & 0xFFFFFF; }

    // A solid picture of one colour, as the bank would hold it.
    static SDL_Surface *solidPicture(int w, int h, Uint32 rgb) {
        SDL_Surface *raw = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
        SDL_FillRect(raw, nullptr, 0xFF000000 | rgb);
        SDL_Surface *picture = SDL_DisplayFormatAlpha(raw);
        SDL_FreeSurface(raw);
        return picture;
    }

    // A shaded frame of one colour that differs at each of the 25 light levels.
    void shadedFrame(int base, int frame, Uint32 (*colourOfLevel)(int level)) {
        SDL_Surface *picture = solidPicture(64, 64, colourOfLevel(0));
        const int slot = shadedSlot(base, frame, 0);
        images.placeShaded(slot, picture);
        SDL_FreeSurface(picture);
        shadedPicture &shaded = images.shaded[shadedFrameOf(slot)];
        shaded.palettes.resize(lightLevels);
        for (int level = 0; level < lightLevels; level++) {
            shaded.palettes[level] = 0xFF000000 | colourOfLevel(level);
            shaded.paletteOf[level] = level;
        }
    }

    // A camera standing at (x, y) facing +y, plane 0.8 along +x.
    void lookUp(double x, double y) {
        camera &view = world.view;
        view.x = x;
        view.y = y;
        view.dirX = 0.0;
        view.dirY = 1.0;
        view.planeX = 0.8;
        view.planeY = 0.0;
    }

    spriteRecord &sprite(int index, double x, double y, int image) {
        spriteRecord &record = sprites.records[index];
        record.clear();
        record.visible = true;
        record.x = x;
        record.y = y;
        record.image = image;
        record.fixedShade = true;
        record.shade = 0;
        return record;
    }
};
