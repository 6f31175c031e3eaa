#include "stateReport.h"

#include "app/game.h"
#include "jsonLine.h"

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
        .add("needle", car.needle)
        .add("flashFrame", car.flashFrame)
        .add("groundTile", car.groundTile)
        .text();
}

std::string stateReport(const game &session, int pass) {
    const stateContext &context = session.context;
    return jsonLine()
        .add("pass", pass)
        .add("state", context.state)
        .addRaw("gameFlags", flagsReport(session.flags))
        .add("currentlyWindowed", session.video.currentlyWindowed)
        .add("settingsText", context.settingsText)
        .add("gameSaveText", context.gameSaveText)
        .add("entered", context.entered)
        .add("logoCounter", context.logoCounter)
        .add("menuCursor", context.menuCursor)
        .add("menuPage", context.menuPage)
        .add("level", session.levels.current)
        .addRaw("car", carReport(session.world.car))
        .text();
}
