#include "levels/levelOne.h"

#include "levels/keyWords.h"
#include "levels/levelLayout.h"
#include "levels/scriptBlocks.h"
#include "levels/scriptServices.h"
#include "levels/tileCodes.h"
#include "media/textBox.h"
#include "objects/objectWorld.h"

using enum objectKind;

namespace {

constexpr int32_t butterflyGroup = 0;
constexpr int32_t nextLevel = 2;

} // namespace

void levelOne::setup() {
    beginLayout(*this, 35);
    // The only start tile of the game: a new game puts the car here.
    placeStartTile(*this, 30, 17);
    placeObject(*this, butterfly, 33, 3);
    stage = showingOpeningWords;
    timer = counter = 0;
}

void levelOne::script(objectWorld &world, const scriptServices &services) {
    if (stage == showingOpeningWords) {
        showOpeningWords(world, services.text);
    } else if (stage == waitingForLight) {
        waitForTheLight(world, services.text);
    } else if (stage == teachingDriving) {
        teachDriving(world, services.text);
    } else if (stage == drivingAway) {
        if (driveAway(world, services) == levelExit::left) {
            return; // level 2 has the rest of the pass
        }
    }
}

// The car stands at the start facing −x, not moving, with an empty battery.
void levelOne::holdCar(objectWorld &world) const {
    playerCar &car = world.car;
    car.battery = 0;
    car.placeAt(
        {.x = 30.5, .y = 17.5, .dirX = -1.0, .dirY = 0.0, .planeX = 0.0, .planeY = 0.8, .heading = 0.0});
    car.speed = 0.0;
}

void levelOne::showOpeningWords(objectWorld &world, textBox &text) {
    music = 1;
    holdCar(world);
    if (counter > 19) {
        counter = 0;
        text.showHint(142, 200, "the roads always there", false);
        text.showHint(137, 221, "youve just got to find it", false);
        stage = waitingForLight;
    } else {
        counter++;
    }
}

void levelOne::waitForTheLight(objectWorld &world, textBox &text) {
    holdCar(world);
    if (timer < 350) {
        timer++;
    }
    if (timer == 240) {
        text.commandHint(textCommand::fade);
    }
    if (timer == 350) {
        stage = teachingDriving;
        timer = 0;
        moveHomeBy(world, butterflyGroup, -14, 14);
        world.fade.fadeIn();
    }
}

void levelOne::teachDriving(objectWorld &world, textBox &text) {
    if (timer < 1000) {
        timer++;
    }
    if (timer == 360) {
        // "wasd to drive" with the default keys.
        text.showMessage((drivingKeysText(world.car.bindings) << " to drive").view());
    }
    if (timer == 540) {
        text.commandMessages(textCommand::fade);
    }
    if (world.car.x < 30) {
        text.commandMessages(textCommand::fade);
        timer = 0;
        stage = drivingAway;
    }
}

levelExit levelOne::driveAway(objectWorld &world, const scriptServices &services) {
    timer++;
    if (timer <= 299) {
        return levelExit::stayed;
    }
    const levelExit exit = leaveFor(world, services, *this, nextLevel);
    timer = 0;
    counter = 0;
    return exit;
}
