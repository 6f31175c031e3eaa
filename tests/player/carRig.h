#pragma once
// A player car with everything it links to, and a way to press keys pass by pass.
#include <SDL.h>

#include <memory>

#include "levels/levelList.h"
#include "levels/levelSet.h"
#include "media/animTables.h"
#include "media/drawList.h"
#include "media/imageBank.h"
#include "objects/objectWorld.h"
#include "objects/worldStep.h"
#include "platform/sdlInput.h"
#include "player/keyboardState.h"

struct carRig {
    keyboardState keyboard;
    levelList levels;
    std::unique_ptr<levelSet> allLevels = std::make_unique<levelSet>();
    animTables animations;
    imageBank images;
    drawList sprites{images};
    objectWorld world{animations, sprites, keyboard};
    playerCar &car = world.car;

    explicit carRig(int level) {
        allLevels->linkInto(levels);
        levels.makeCurrent(level, world.currentLevel);
        keyboard.endPass(); // a first pass with nothing held arms every key
    }

    void setKey(SDLKey key, bool down) {
        SDL_Event event = {};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.sym = key;
        inputEvent translated;
        if (translateEvent(event, translated)) {
            keyboard.handleEvent(translated);
        }
    }

    // One pass: the keyboard's end-of-pass step, then the car's step.
    void pass(int count = 1) {
        for (int i = 0; i < count; i++) {
            keyboard.endPass();
            stepPlayerCar(world);
        }
    }

    // Faces +y along the road of the straight-road levels.
    void standOnRoadFacingUp(double x = 40.5, double y = 10.5) {
        car.placeAt(
            {.x = x, .y = y, .dirX = 0.0, .dirY = 1.0, .planeX = 0.8, .planeY = 0.0, .heading = 90.0});
    }
};
