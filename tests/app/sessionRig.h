#pragma once
// The whole game, built as the program builds it, over a private data folder, played pass
// by pass with real key events through SDL's queue.
#include <SDL.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "app/game.h"
#include "platform/input.h"
#include "support/sdlTestEnvironment.h"

struct sessionRig {
    temporaryFolder folder;
    std::unique_ptr<game> session;

    // A saved game and a settings file to start with, if given.
    explicit sessionRig(const char *savedGame = nullptr, const char *settings = nullptr) {
        const dataFiles files = prepareDataFiles(folder.path());
        if (savedGame != nullptr) {
            writeWholeFile(files.gameSavePath, savedGame);
        }
        if (settings != nullptr) {
            writeWholeFile(files.settingsPath, settings);
        }
        SDL_Event stale;
        while (SDL_PollEvent(&stale)) {
        }
        session = std::make_unique<game>(screenHandle{dummyScreen()}, files);
    }

    stateContext &context() { return session->context; }
    const textBox &text() const { return session->text; }

    // Runs passes with nothing pressed.
    void pass(int count = 1) {
        for (int i = 0; i < count; i++) {
            runPassLogic(*session);
        }
    }

    // Presses the keys on one pass and lets them go on the next.
    void press(std::initializer_list<keyCode> keys) {
        hold(keys);
        pushKeys(keys, false);
        pass();
    }

    // Presses the keys for one pass only; they stay down until the next press or pass.
    void hold(std::initializer_list<keyCode> keys) {
        pushKeys(keys, true);
        pass();
    }

    // Runs until the state is reached (at most `limit` passes); false if it never is.
    bool runUntil(gameState state, int limit = 400) {
        for (int i = 0; i < limit && context().state != state; i++) {
            pass();
        }
        return context().state == state;
    }

    // From start-up to the title menu, with the menu written in.
    void reachMenu() {
        runUntil(gameState::title);
        press({keyCode::enter});
        runUntil(gameState::introMenu);
        pass(60);
    }

    // Straight into play in a level, as the replay tool does; the entry pass runs.
    void startPlayAt(int level) {
        session->levels.startLevel = level;
        context().state = gameState::inGame;
        context().entered = false;
        pass();
    }

    std::string savedGame() const { return readWholeFile(folder.file("game.sav")); }
    std::string settings() const { return readWholeFile(folder.file("settings.sav")); }

    // The menu area's letters in slot order.
    std::string menuText() const {
        std::string letters;
        for (const textLetter &letter : text().menu.letters) {
            if (!letter.isEmpty()) {
                letters += letter.letter;
            }
        }
        return letters;
    }

  private:
    static void pushKeys(std::initializer_list<keyCode> keys, bool down) {
        for (const keyCode key : keys) {
            queueKeyEvent(key, down);
        }
    }
};
