#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "app/stateReport.h"
#include "app/windowKeys.h"
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

// Enter going down and up with the left Alt held.
void pushAltEnter() {
    SDL_Event event = {};
    event.key.keysym.sym = SDLK_RETURN;
    event.key.keysym.mod = KMOD_LALT;
    for (const bool down : {true, false}) {
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        pushEvent(event);
    }
}

// Moves the menu's cursor a line at a time, each move given the passes the menu waits for.
void stepCursor(sessionRig &rig, const keyCode key, const int lines) {
    for (int line = 0; line < lines; line++) {
        rig.press({key});
        rig.pass(8);
    }
}

// From start-up to the title menu's settings page, the cursor on its first line.
void openTitleSettings(sessionRig &rig) {
    rig.reachMenu();
    stepCursor(rig, keyCode::down, 1);
    rig.press({keyCode::enter});
}

std::string optionsFile(sessionRig &rig) {
    return readWholeFile(rig.folder.file("options.txt"));
}

// The message line of the rig's frame of this pass.
std::vector<Uint32> messageLinePixels(sessionRig &rig) {
    runPassDrawing(*rig.session);
    std::vector<Uint32> pixels;
    for (int y = 453; y < 475; y++) {
        for (int x = 400; x < 634; x++) {
            pixels.push_back(pixelRgb(rig.session->screen().surface, x, y));
        }
    }
    return pixels;
}

// How many pixels of the message line differ between the two rigs' frames of this pass.
int differingOnMessageLine(sessionRig &one, sessionRig &other) {
    const std::vector<Uint32> first = messageLinePixels(one); // both draw on the one dummy screen
    const std::vector<Uint32> second = messageLinePixels(other);
    int differing = 0;
    for (size_t at = 0; at < first.size(); at++) {
        differing += first[at] != second[at];
    }
    return differing;
}

} // namespace

// Tab brings the last message back on its line for a few seconds, drawn apart from the text
// box's areas that the scripts read: every state line, the objects' included, stays as it is
// in the same run without it.
TEST(RecallKey, ShowsTheLastMessageAgainAndLeavesEveryStateLineAsItWas) {
    sessionRig plain;
    sessionRig recalling;
    plain.startPlayAt(1);
    recalling.startPlayAt(1);
    int pass = 1;
    const auto stepBoth = [&](const bool pressTab) {
        plain.pass(); // first: the two rigs share one event queue
        if (pressTab) {
            recalling.press({keyCode::tab});
        } else {
            recalling.pass();
        }
        pass += pressTab ? 2 : 1;
        if (pressTab) {
            plain.pass();
        }
        EXPECT_EQ(stateReport(*recalling.session, pass, true), stateReport(*plain.session, pass, true))
            << "pass " << pass;
    };
    // Before any message there is nothing to recall.
    stepBoth(true);
    EXPECT_EQ(differingOnMessageLine(plain, recalling), 0);
    // Level 1 teaches driving on the message line, then fades the words out.
    bool shown = false;
    while (pass < 1500 && !(shown && !plain.text().message.holdsLetters())) {
        shown = shown || plain.text().message.holdsLetters();
        stepBoth(false);
    }
    ASSERT_TRUE(shown);
    stepBoth(true);
    EXPECT_GT(differingOnMessageLine(plain, recalling), 100);
    for (int k = 0; k < 300; k++) {
        stepBoth(false);
    }
    EXPECT_EQ(differingOnMessageLine(plain, recalling), 0);
}

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

// Alt+Enter switches fullscreen as the settings page's line does, saved at once and the open
// page's line relabelled, and it is no Enter: the line under the cursor is not chosen.
TEST(WindowKeys, AltEnterSwitchesFullscreenAndChoosesNothing) {
    sessionRig rig;
    rig.startPlayAt(5);
    rig.pass();
    rig.press({keyCode::esc});
    rig.pass(20);
    rig.press({keyCode::down});
    rig.press({keyCode::enter}); // settings, with the cursor on "go back"
    const menuPages &menu = rig.context().pauseMenu;
    ASSERT_EQ(menu.page, menuPage::settings);
    pushAltEnter();
    rig.pass();
    followWindowKeys(*rig.session, rig.folder.file("screenshots"));
    EXPECT_TRUE(rig.session->flags.fullscreen);
    EXPECT_EQ(rig.settings(), "10");
    EXPECT_EQ(menu.page, menuPage::settings);
    EXPECT_EQ(menu.items[0], "fullscreen toggle - on");
    rig.pass();
    EXPECT_FALSE(rig.session->video.currentlyWindowed);
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
// below the actions. Every line fits in the menu box and on the screen, above the dashboard
// that play shows below it.
TEST(ControlsPage, HeadsItselfAndFitsAboveTheDashboard) {
    sessionRig rig;
    openTitleSettings(rig);
    const menuPages &menu = rig.session->allLevels.zero.menu;
    stepCursor(rig, keyCode::up, 2);
    rig.press({keyCode::enter});
    ASSERT_EQ(menu.page, menuPage::controls);
    rig.pass(120);
    const std::string page = rig.menuText();
    EXPECT_EQ(page.rfind("controlschange a key - enter then the new key_accelerate - w or up", 0), 0u)
        << page;
    EXPECT_NE(page.find("steer left - a or leftsteer right - d or right"), std::string::npos) << page;
    EXPECT_NE(page.find("recall message - tab"), std::string::npos) << page;
    const std::string notes = "screenshot - f12fullscreen - alt enter";
    EXPECT_EQ(page.substr(page.size() - notes.size()), notes) << page;

    int lowest = 0;
    for (const textLetter &letter : rig.text().menu.letters) {
        lowest = letter.isEmpty() ? lowest : std::max(lowest, letter.y);
    }
    constexpr int baseline = 15, dashboardTop = 340;
    EXPECT_LE(lowest + baseline, dashboardTop);
    EXPECT_LE(page.size(), size_t(menuAreaSlots));

    rig.press({keyCode::esc}); // the settings page as it was: no heading, no notes
    EXPECT_EQ(menu.page, menuPage::settings);
    EXPECT_EQ(rig.menuText().rfind("fullscreen toggle", 0), 0u) << rig.menuText();
    EXPECT_EQ(rig.menuText().find("screenshot"), std::string::npos) << rig.menuText();
}

TEST(SettingsPage, VolumesChangeAtOnceAndAreKept) {
    sessionRig rig;
    openTitleSettings(rig);
    const levelZero &title = rig.session->allLevels.zero;
    stepCursor(rig, keyCode::up, 3);
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
    openTitleSettings(rig);
    const levelZero &title = rig.session->allLevels.zero;
    stepCursor(rig, keyCode::down, 2);
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
