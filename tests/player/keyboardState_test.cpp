#include <gtest/gtest.h>

#include <set>
#include <string>

#include "player/keyBindings.h"
#include "player/keyboardState.h"
#include "support/sdlTestEnvironment.h"

namespace {

SDL_Event keyEvent(SDLKey symbol, bool down) {
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = symbol;
    return event;
}

void push(SDL_Event event) {
    SDL_PushEvent(&event);
}

class KeyboardPoll : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(dummyScreen(), nullptr);
        SDL_Event drained;
        while (SDL_PollEvent(&drained)) {
        }
    }
};

} // namespace

TEST(KeyNames, FiftyFourUniqueNamesOverSixtyTrackedKeys) {
    std::set<std::string> names;
    int named = 0;
    for (const trackedKey &key : trackedKeys) {
        if (key.name != nullptr) {
            named++;
            names.insert(key.name);
        }
    }
    EXPECT_EQ(named, namedKeyCount);
    EXPECT_EQ(names.size(), static_cast<size_t>(namedKeyCount));
    EXPECT_EQ(keyIndexByName("ctrl"), keyIndexBySymbol(SDLK_LCTRL));
    EXPECT_EQ(keyIndexByName("shift"), keyIndexBySymbol(SDLK_LSHIFT));
    EXPECT_EQ(keyIndexByName("enter"), keyIndexBySymbol(SDLK_RETURN));
    EXPECT_EQ(keyIndexByName("forwardSlash"), keyIndexBySymbol(SDLK_SLASH));
    EXPECT_GE(keyIndexBySymbol(SDLK_RCTRL), 0);
    EXPECT_EQ(trackedKeys[keyIndexBySymbol(SDLK_RCTRL)].name, nullptr);
    EXPECT_EQ(keyIndexByName("rightCtrl"), -1);
}

TEST(KeyboardState, AHeldKeyReportsPressedOnItsFirstPassOnly) {
    keyboardState keyboard;
    keyboard.endPass();
    keyboard.handleEvent(keyEvent(SDLK_w, true));
    keyboard.endPass();
    EXPECT_TRUE(keyboard.isKeyDown("w"));
    EXPECT_TRUE(keyboard.isKeyPressed("w"));
    for (int pass = 0; pass < 5; pass++) {
        keyboard.endPass();
        EXPECT_TRUE(keyboard.isKeyDown("w"));
        EXPECT_FALSE(keyboard.isKeyPressed("w"));
    }
    // Released and pressed again: a fresh press.
    keyboard.handleEvent(keyEvent(SDLK_w, false));
    keyboard.endPass();
    keyboard.handleEvent(keyEvent(SDLK_w, true));
    keyboard.endPass();
    EXPECT_TRUE(keyboard.isKeyPressed("w"));
}

// Keys start unarmed: one already down when the game starts is not a fresh press.
TEST(KeyboardState, AKeyDownBeforeTheFirstPassIsNotAPress) {
    keyboardState keyboard;
    keyboard.handleEvent(keyEvent(SDLK_w, true));
    keyboard.endPass();
    EXPECT_TRUE(keyboard.isKeyDown("w"));
    EXPECT_FALSE(keyboard.isKeyPressed("w"));
}

TEST(KeyboardState, APressAndReleaseBetweenPassesIsNotSeen) {
    keyboardState keyboard;
    keyboard.handleEvent(keyEvent(SDLK_SPACE, true));
    keyboard.handleEvent(keyEvent(SDLK_SPACE, false));
    keyboard.endPass();
    EXPECT_FALSE(keyboard.isKeyPressed("space"));
    EXPECT_FALSE(keyboard.isKeyDown("space"));
}

TEST(KeyboardState, UnknownNamesUntrackedKeysAndMouse) {
    keyboardState keyboard;
    keyboard.handleEvent(keyEvent(SDLK_F1, true));
    keyboard.handleEvent(keyEvent(SDLK_RCTRL, true));
    keyboard.endPass();
    EXPECT_FALSE(keyboard.isKeyDown("ctrl")); // the right control key has no name
    EXPECT_FALSE(keyboard.isKeyDown("f1"));
    EXPECT_FALSE(keyboard.isKeyPressed("nothing"));

    SDL_Event motion = {};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 321;
    motion.motion.y = 123;
    keyboard.handleEvent(motion);
    EXPECT_EQ(keyboard.mouseX, 321);
    EXPECT_EQ(keyboard.mouseY, 123);

    SDL_Event button = {};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.button = SDL_BUTTON_RIGHT;
    keyboard.handleEvent(button);
    int rightButton = -1;
    for (int i = 0; i < trackedKeyCount; i++) {
        if (trackedKeys[i].mouseButton == SDL_BUTTON_RIGHT) {
            rightButton = i;
        }
    }
    ASSERT_GE(rightButton, 0);
    EXPECT_TRUE(keyboard.down[rightButton]);
}

TEST_F(KeyboardPoll, DrainsRealEventsAndMarksPresses) {
    keyboardState keyboard;
    ASSERT_FALSE(keyboard.poll());
    push(keyEvent(SDLK_RETURN, true));
    push(keyEvent(SDLK_a, true));
    EXPECT_FALSE(keyboard.poll());
    EXPECT_TRUE(keyboard.isKeyPressed("enter"));
    EXPECT_TRUE(keyboard.isKeyPressed("a"));
    EXPECT_FALSE(keyboard.poll());
    EXPECT_FALSE(keyboard.isKeyPressed("enter"));
    EXPECT_TRUE(keyboard.isKeyDown("enter"));
}

// A quit event returns at once: the end-of-pass step does not run, so the previous
// pass's presses stay, and events behind the quit wait in the queue.
TEST_F(KeyboardPoll, QuitReturnsBeforeTheEndOfPassStep) {
    keyboardState keyboard;
    ASSERT_FALSE(keyboard.poll());
    push(keyEvent(SDLK_e, true));
    ASSERT_FALSE(keyboard.poll());
    ASSERT_TRUE(keyboard.isKeyPressed("e"));

    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    push(quit);
    push(keyEvent(SDLK_s, true));
    EXPECT_TRUE(keyboard.poll());
    EXPECT_TRUE(keyboard.isKeyPressed("e"));
    EXPECT_FALSE(keyboard.isKeyDown("s"));

    EXPECT_FALSE(keyboard.poll());
    EXPECT_TRUE(keyboard.isKeyPressed("s"));
}

TEST(KeyBindings, GasHeldEveryFramePressedOnTheFirst) {
    keyboardState keyboard;
    keyBindings bindings(keyboard);
    keyboard.endPass();
    keyboard.handleEvent(keyEvent(SDLK_w, true));
    for (int frame = 0; frame < 4; frame++) {
        keyboard.endPass();
        bindings.refresh();
        EXPECT_TRUE(bindings.actionHeld("gasKey"));
        EXPECT_EQ(bindings.actionPressed("gasKey"), frame == 0);
    }
    EXPECT_FALSE(bindings.actionHeld("reverseKey"));
    EXPECT_FALSE(bindings.actionHeld("brakeKey"));
    EXPECT_FALSE(bindings.bindingHeld[8]);
    EXPECT_FALSE(bindings.bindingHeld[9]);
}

TEST(KeyBindings, DefaultKeysAndARebindingToCtrl) {
    keyboardState keyboard;
    keyBindings bindings(keyboard);
    const char *const expected[actionCount] = {"w", "d", "a", "s", "space", "q", "e", "esc"};
    for (int slot = 0; slot < actionCount; slot++) {
        EXPECT_EQ(bindings.bindingKey[slot], expected[slot]);
        EXPECT_EQ(actionSlot(actionNames[slot]), slot);
    }

    bindings.bindingKey[actionSlot("headlightKey")] = "ctrl";
    keyboard.handleEvent(keyEvent(SDLK_RCTRL, true));
    keyboard.endPass();
    bindings.refresh();
    EXPECT_FALSE(bindings.actionHeld("headlightKey"));
    keyboard.handleEvent(keyEvent(SDLK_LCTRL, true));
    keyboard.endPass();
    bindings.refresh();
    EXPECT_TRUE(bindings.actionPressed("headlightKey"));
}
