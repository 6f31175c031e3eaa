#include <gtest/gtest.h>

#include <cstdio>

#include "levels/levelZero.h"
#include "platform/dataFiles.h"
#include "player/optionsFile.h"
#include "sessionRig.h"

namespace {

void pushEvent(SDL_Event event) {
    ASSERT_EQ(SDL_PushEvent(&event), 0) << SDL_GetError();
}

void pushButton(Uint8 button, bool down) {
    SDL_Event event = {};
    event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
    event.jbutton.button = button;
    event.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
    pushEvent(event);
}

void pushStick(Uint8 axis, Sint16 value) {
    SDL_Event event = {};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = axis;
    event.jaxis.value = value;
    pushEvent(event);
}

void pushHat(Uint8 value) {
    SDL_Event event = {};
    event.type = SDL_JOYHATMOTION;
    event.jhat.value = value;
    pushEvent(event);
}

void pushFocusLost(Uint8 what) {
    SDL_Event event = {};
    event.type = SDL_ACTIVEEVENT;
    event.active.gain = 0;
    event.active.state = what;
    pushEvent(event);
}

std::string optionsFile(sessionRig &rig) {
    return readWholeFile(rig.folder.file("options.txt"));
}

} // namespace

TEST(Gamepad, ButtonsAndTheStickDriveTheCar) {
    sessionRig rig;
    rig.startPlayAt(5);
    const playerCar &car = rig.session->world.car;
    const double heading = car.heading;
    pushButton(0, true);
    pushStick(0, 2000); // inside the dead zone: no steering
    rig.pass(20);
    EXPECT_GT(car.speed, 2.0);
    EXPECT_EQ(car.heading, heading);
    pushStick(0, -30000);
    rig.pass(20);
    EXPECT_NE(car.heading, heading);
    pushStick(0, 0);
    pushButton(0, false);
    pushButton(7, true); // start pauses
    rig.pass();
    EXPECT_EQ(rig.context().state, gameState::paused);
}

TEST(Gamepad, TheDpadAndAButtonChooseAMenuLine) {
    sessionRig rig;
    rig.reachMenu();
    const levelZero &title = rig.session->allLevels.zero;
    pushHat(SDL_HAT_DOWN);
    rig.pass();
    pushHat(SDL_HAT_CENTERED);
    rig.pass(8);
    EXPECT_EQ(title.menu.cursor, 1);
    pushButton(0, true);
    rig.pass();
    EXPECT_EQ(title.menu.page, menuPage::settings);
    pushButton(0, false);
    pushButton(1, true); // the right button backs out
    rig.pass();
    EXPECT_EQ(title.menu.page, menuPage::main);
}

TEST(Focus, LosingItPausesPlayButNotTheTitle) {
    for (const Uint8 what : {Uint8(SDL_APPINPUTFOCUS), Uint8(SDL_APPACTIVE)}) {
        sessionRig rig;
        rig.startPlayAt(5);
        rig.pass();
        pushFocusLost(what);
        rig.pass();
        EXPECT_EQ(rig.context().state, gameState::paused);
        rig.pass(60);
        EXPECT_EQ(rig.menuText(), "paused---------_unpausesettingsreturn to title");
    }
    sessionRig rig;
    rig.reachMenu();
    const std::string menu = rig.menuText();
    pushFocusLost(SDL_APPINPUTFOCUS);
    rig.pass(20);
    EXPECT_EQ(rig.context().state, gameState::introMenu);
    EXPECT_EQ(rig.menuText(), menu);
}

TEST(ControlsPage, RebindsCancelsRestoresAndEscBacksOut) {
    sessionRig rig;
    rig.startPlayAt(5);
    rig.pass();
    rig.press({keyCode::esc});
    rig.pass(20);
    rig.press({keyCode::down});
    rig.press({keyCode::enter}); // settings
    const menuPages &menu = rig.context().pauseMenu;
    rig.press({keyCode::up});
    rig.press({keyCode::up});
    rig.press({keyCode::enter}); // controls
    ASSERT_EQ(menu.page, menuPage::controls);
    EXPECT_EQ(menu.items[0], "accelerate - w or up");

    rig.press({keyCode::enter}); // accelerate waits for its key
    EXPECT_EQ(menu.items[0], "accelerate - press a key");
    rig.press({keyCode::d}); // d steered right: that action takes the key it replaces
    EXPECT_EQ(menu.items[0], "accelerate - d or up");
    EXPECT_EQ(menu.items[3], "steer right - w or right");
    EXPECT_NE(optionsFile(rig).find("accelerate d up\nbrake s down\nleft a left\nright w right\n"),
              std::string::npos)
        << optionsFile(rig);

    rig.press({keyCode::enter});
    rig.press({keyCode::esc}); // cancels: nothing changes
    EXPECT_EQ(menu.items[0], "accelerate - d or up");
    EXPECT_EQ(menu.page, menuPage::controls);

    for (int line = 0; line < choosableActionCount; line++) {
        rig.press({keyCode::down});
    }
    rig.press({keyCode::enter}); // defaults
    EXPECT_EQ(menu.items[0], "accelerate - w or up");
    EXPECT_EQ(optionsFile(rig).rfind("accelerate w up\n", 0), 0u);

    rig.press({keyCode::esc}); // back to the settings, onto "controls"
    EXPECT_EQ(menu.page, menuPage::settings);
    EXPECT_EQ(menu.cursor, settingsPage::controlsItem);
    rig.press({keyCode::esc}); // back to the main page; the box stays
    EXPECT_EQ(menu.page, menuPage::main);
    rig.pass(40);
    EXPECT_EQ(rig.context().state, gameState::paused);
}

// The page has its own heading and says how a key is changed; the keys no one changes stand
// below the actions. It leaves room for one more action in the menu box and on the screen,
// above the dashboard that play shows below it.
TEST(ControlsPage, HeadsItselfAndFitsAboveTheDashboardWithOneMoreAction) {
    sessionRig rig;
    rig.reachMenu();
    const menuPages &menu = rig.session->allLevels.zero.menu;
    rig.press({keyCode::down});
    rig.pass(8);
    rig.press({keyCode::enter}); // settings
    rig.press({keyCode::up});
    rig.pass(8);
    rig.press({keyCode::up});
    rig.pass(8);
    rig.press({keyCode::enter});
    ASSERT_EQ(menu.page, menuPage::controls);
    rig.pass(120);
    const std::string page = rig.menuText();
    EXPECT_EQ(page.rfind("controlschange a key - enter then the new key_accelerate - w or up", 0), 0u)
        << page;
    EXPECT_NE(page.find("steer left - a or leftsteer right - d or right"), std::string::npos) << page;
    const std::string notes = "screenshot - f12fullscreen - alt enter";
    EXPECT_EQ(page.substr(page.size() - notes.size()), notes) << page;

    int lowest = 0;
    for (const textLetter &letter : rig.text().menu.letters) {
        lowest = letter.isEmpty() ? lowest : std::max(lowest, letter.y);
    }
    constexpr int lineHeight = 21, baseline = 15, dashboardTop = 340;
    EXPECT_LE(lowest + lineHeight + baseline, dashboardTop);
    EXPECT_LE(page.size() + std::string("recall message - tab or backspace").size(), size_t(menuAreaSlots));

    rig.press({keyCode::esc}); // the settings page as it was: no heading, no notes
    EXPECT_EQ(menu.page, menuPage::settings);
    EXPECT_EQ(rig.menuText().rfind("fullscreen toggle", 0), 0u) << rig.menuText();
    EXPECT_EQ(rig.menuText().find("screenshot"), std::string::npos) << rig.menuText();
}

TEST(SettingsPage, VolumesChangeAtOnceAndAreKept) {
    sessionRig rig;
    rig.reachMenu();
    const levelZero &title = rig.session->allLevels.zero;
    rig.press({keyCode::down});
    rig.pass(8);
    rig.press({keyCode::enter});
    for (int step = 0; step < 3; step++) {
        rig.press({keyCode::up});
        rig.pass(8);
    }
    ASSERT_EQ(title.menu.cursor, settingsPage::effectsItem);
    rig.press({keyCode::left});
    rig.press({keyCode::left});
    rig.press({keyCode::right});
    EXPECT_EQ(rig.session->world.volumes.effects, 9);
    EXPECT_EQ(title.menu.items[settingsPage::effectsItem], "effects volume - 9");
    EXPECT_NE(optionsFile(rig).find("musicVolume 10\neffectsVolume 9\n"), std::string::npos);
    rig.press({keyCode::up});
    rig.pass(8);
    rig.press({keyCode::enter}); // choose goes round from 10 to 0
    EXPECT_EQ(rig.session->world.volumes.music, 0);
    EXPECT_EQ(rig.session->sounds.volumes, &rig.session->world.volumes);
    EXPECT_EQ(rig.settings(), "00"); // the settings file keeps its two characters
}

// The brightness line works as the volumes do, and the next frame drawn carries it.
TEST(SettingsPage, BrightnessChangesAtOnceAndIsKept) {
    sessionRig rig;
    rig.reachMenu();
    const levelZero &title = rig.session->allLevels.zero;
    rig.press({keyCode::down});
    rig.pass(8);
    rig.press({keyCode::enter});
    for (int step = 0; step < 2; step++) {
        rig.press({keyCode::down});
        rig.pass(8);
    }
    ASSERT_EQ(title.menu.cursor, settingsPage::brightnessItem);
    rig.press({keyCode::right});
    EXPECT_EQ(title.menu.items[settingsPage::brightnessItem], "brightness - 6");
    EXPECT_NE(optionsFile(rig).find("effectsVolume 10\nbrightness 6\n"), std::string::npos);
    rig.press({keyCode::left});
    rig.press({keyCode::left});
    EXPECT_EQ(rig.session->world.brightness, 4);
    EXPECT_NE(optionsFile(rig).find("brightness 4\n"), std::string::npos);
    runPassDrawing(*rig.session);
    EXPECT_EQ(rig.session->pass.brightness, 4);
}

TEST(OptionsFile, GoodLinesCountBadOnesAreSkippedAndTheFileKeptOnce) {
    const temporaryFolder folder;
    const std::string path = folder.file("options.txt");
    writeWholeFile(path, "# mine\r\nlights l\r\nbrake\nflash nothing\neffectsVolume 3\npause esc p\n");
    keyboardState keyboard;
    keyBindings bindings(keyboard);
    soundVolumes volumes;
    int brightness = defaultBrightness;
    readOptionsFile(path, bindings, volumes, brightness);
    EXPECT_EQ(keyNames(bindings.keysOf(keyAction::lightsKey)), "l");
    EXPECT_EQ(keyNames(bindings.keysOf(keyAction::brakeKey)), "s down");
    EXPECT_EQ(keyNames(bindings.keysOf(keyAction::flashKey)), "space");
    EXPECT_EQ(keyNames(bindings.keysOf(keyAction::pauseKey)), "esc p");
    EXPECT_EQ(volumes.effects, 3);
    EXPECT_EQ(volumes.music, fullVolume);
    const std::string kept = readWholeFile(path + ".bad");
    EXPECT_EQ(kept, readWholeFile(path));

    std::remove(path.c_str());       // the game replaces a file, never writes into it
    writeWholeFile(path, "brake\n"); // a second bad file leaves the first copy
    readOptionsFile(path, bindings, volumes, brightness);
    EXPECT_EQ(readWholeFile(path + ".bad"), kept);

    // What is written reads back the same.
    keyBindings again(keyboard);
    soundVolumes volumesAgain;
    int brightnessAgain = defaultBrightness;
    EXPECT_EQ(applyOptionsText(playerOptionsText(bindings, volumes, brightness), again, volumesAgain,
                               brightnessAgain, "test"),
              0);
    EXPECT_EQ(playerOptionsText(again, volumesAgain, brightnessAgain),
              playerOptionsText(bindings, volumes, brightness));
}
