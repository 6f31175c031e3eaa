#include "app/stateReport.h"

#include "app/game.h"
#include "app/jsonLine.h"
#include "app/objectNames.h"
#include "levels/levelEight.h"
#include "levels/levelEleven.h"
#include "levels/levelFifteen.h"
#include "levels/levelFive.h"
#include "levels/levelFour.h"
#include "levels/levelFourteen.h"
#include "levels/levelNine.h"
#include "levels/levelOne.h"
#include "levels/levelSeven.h"
#include "levels/levelSeventeen.h"
#include "levels/levelSix.h"
#include "levels/levelSixteen.h"
#include "levels/levelTen.h"
#include "levels/levelThirteen.h"
#include "levels/levelThree.h"
#include "levels/levelTwelve.h"
#include "levels/levelTwo.h"

// The states as the reports have always named them.
const char *stateName(const gameState state) {
    switch (state) {
    case gameState::logoAnim:
        return "logoAnim";
    case gameState::title:
        return "title";
    case gameState::introMenu:
        return "introMenu";
    case gameState::inGame:
        return "inGame";
    case gameState::paused:
        return "paused";
    }
    return "none";
}

static const char *pageName(const menuPage page) {
    switch (page) {
    case menuPage::main:
        return "main";
    case menuPage::newGame:
        return "newGame";
    case menuPage::settings:
        return "settings";
    case menuPage::controls:
        return "controls";
    case menuPage::title:
        return "title";
    }
    return "none";
}

static std::string flagsReport(const gameFlags &flags) {
    return jsonLine()
        .add("quit", flags.quit)
        .add("fullscreen", flags.fullscreen)
        .add("thirtyFps", flags.thirtyFps)
        .add("fourth", flags.fourth)
        .text();
}

static std::string carReport(const playerCar &car) {
    return jsonLine()
        .add("x", car.x)
        .add("y", car.y)
        .add("dirX", car.dirX)
        .add("dirY", car.dirY)
        .add("heading", car.heading)
        .add("speed", car.speed)
        .add("turn", car.turn)
        .add("battery", car.battery)
        .add("headlightsOn", car.headlightsOn)
        .add("light", car.light)
        .add("needle", car.cockpit.needle)
        .add("flashFrame", car.cockpit.flashFrame)
        .add("groundTile", car.groundTile)
        .text();
}

static std::string objectReport(const basicObj &object) {
    jsonLine line;
    line.add("kind", kindName(object.kind))
        .add("group", object.groupId)
        .add("id", object.objectId)
        .add("x", object.x)
        .add("y", object.y)
        .add("visible", object.visible)
        .add("frame", object.frame)
        .add("mode", modeName(object.mode))
        .add("state", object.state);
    // Ghost cars turn as they patrol and hunt.
    if (object.kind == objectKind::ghostCar) {
        line.add("angle", object.angle);
    }
    return line.text();
}

// The letters an area holds, in slot order, as one string.
std::string areaText(const textArea &area) {
    std::string letters;
    for (const textLetter &letter : area.letters) {
        if (!letter.isEmpty()) {
            letters += letter.letter;
        }
    }
    return letters;
}

static std::string textReport(const textBox &text) {
    return jsonLine()
        .add("menu", areaText(text.menu))
        .add("message", areaText(text.message))
        .add("hint", areaText(text.hint))
        .text();
}

std::string progressFlagsText(const playerCar &car) {
    std::string flags;
    for (const bool won : car.progressFlags) {
        flags += won ? '1' : '0';
    }
    return flags;
}

// The script stage of the current level, when the current level is of that class.
template <class levelClass> static bool stageOf(const level *current, int &stage) {
    if (const auto *scripted = dynamic_cast<const levelClass *>(current)) {
        stage = static_cast<int>(scripted->stage); // the stage's number, as the traces keep it
        return true;
    }
    return false;
}

// The script stage of the current level (level 10 reports its stage, not its phase).
int currentStage(const levelList &levels) {
    const level *current = levels.levels[levels.current];
    int stage = -1;
    stageOf<levelOne>(current, stage) || stageOf<levelTwo>(current, stage) ||
        stageOf<levelThree>(current, stage) || stageOf<levelFour>(current, stage) ||
        stageOf<levelFive>(current, stage) || stageOf<levelSix>(current, stage) ||
        stageOf<levelSeven>(current, stage) || stageOf<levelEight>(current, stage) ||
        stageOf<levelNine>(current, stage) || stageOf<levelTen>(current, stage) ||
        stageOf<levelEleven>(current, stage) || stageOf<levelTwelve>(current, stage) ||
        stageOf<levelThirteen>(current, stage) || stageOf<levelFourteen>(current, stage) ||
        stageOf<levelFifteen>(current, stage) || stageOf<levelSixteen>(current, stage) ||
        stageOf<levelSeventeen>(current, stage);
    return stage;
}

// Level 7's moon phase; -1 elsewhere.
int currentMoonPhase(const levelList &levels) {
    const auto *seven = dynamic_cast<const levelSeven *>(levels.levels[levels.current]);
    return seven != nullptr ? seven->moonPhase : -1;
}

static int placedCount(const objectWorld &world) {
    int placed = 0;
    forEachPlaced(world, [&](const basicObj &) { placed++; });
    return placed;
}

static std::string placedObjectsReport(const objectWorld &world) {
    std::string list = "[";
    forEachPlaced(
        world, [&](const basicObj &object) { list += (list.size() > 1 ? ", " : "") + objectReport(object); });
    return list + "]";
}

std::string stateReport(const game &session, int pass, bool listObjects) {
    const stateContext &context = session.context;
    jsonLine line;
    line.add("pass", pass)
        .add("state", stateName(context.state))
        .addRaw("gameFlags", flagsReport(session.flags))
        .add("currentlyWindowed", session.video.currentlyWindowed)
        .add("settingsText", context.settingsText)
        .add("gameSaveText", context.gameSaveText)
        .add("entered", context.entered)
        .add("logoCounter", context.logoCounter)
        .add("menuCursor", context.pauseMenu.cursor)
        .add("menuPage", pageName(context.pauseMenu.page))
        .add("level", session.levels.current)
        .add("stage", currentStage(session.levels));
    if (const int moonPhase = currentMoonPhase(session.levels); moonPhase >= 0) {
        line.add("moonPhase", moonPhase); // only while in the moon level
    }
    line.add("music", session.levels.levels[session.levels.current]->music)
        .add("fadeLevel", session.world.fade.fadeLevel)
        .add("progressFlags", progressFlagsText(session.world.car))
        .add("startLevel", session.levels.startLevel)
        .addRaw("text", textReport(session.text))
        .addRaw("car", carReport(session.world.car))
        .add("placedObjects", placedCount(session.world));
    if (listObjects) {
        line.addRaw("objects", placedObjectsReport(session.world));
    }
    return line.text();
}
