#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/sdlInput.h"
#include "player/keyBindings.h"
#include "player/keyboardState.h"
#include "support/sdlTestEnvironment.h"

namespace {

inputEvent keyEvent(keyCode key, bool down) {
    inputEvent event;
    event.type = down ? inputEventType::keyDown : inputEventType::keyUp;
    event.key = key;
    return event;
}

SDL_Event sdlKeyEvent(SDLKey symbol, bool down) {
    SDL_Event event = {};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = symbol;
    return event;
}

void push(SDL_Event event) {
    SDL_PushEvent(&event);
}

// The tracked key an SDL key symbol arrives as, if any.
std::optional<keyCode> arrivesAs(SDLKey symbol) {
    inputEvent translated;
    if (!translateEvent(sdlKeyEvent(symbol, true), translated)) {
        return std::nullopt;
    }
    return translated.key;
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

TEST(KeyNames, FiftyFiveUniqueNamesOverSixtyOneTrackedKeys) {
    std::set<std::string_view> names;
    int named = 0;
    for (int index = 0; index < keyboardKeyCount; index++) {
        const keyCode key = static_cast<keyCode>(index);
        if (!keyName(key).empty()) {
            named++;
            names.insert(keyName(key));
            EXPECT_EQ(keyByName(keyName(key)), key);
        }
    }
    EXPECT_EQ(named, namedKeyCount);
    EXPECT_EQ(names.size(), static_cast<size_t>(namedKeyCount));
    EXPECT_EQ(arrivesAs(SDLK_LCTRL), keyByName("ctrl"));
    EXPECT_EQ(arrivesAs(SDLK_LSHIFT), keyByName("shift"));
    EXPECT_EQ(arrivesAs(SDLK_RETURN), keyByName("enter"));
    EXPECT_EQ(arrivesAs(SDLK_SLASH), keyByName("forwardSlash"));
    EXPECT_EQ(arrivesAs(SDLK_0), keyByName("0"));
    EXPECT_EQ(arrivesAs(SDLK_TAB), keyByName("tab"));
    ASSERT_TRUE(arrivesAs(SDLK_RCTRL).has_value());
    EXPECT_EQ(keyName(*arrivesAs(SDLK_RCTRL)), "");
    EXPECT_EQ(keyByName("rightCtrl"), std::nullopt);
    EXPECT_EQ(keyByName(""), std::nullopt);
}

TEST(KeyboardState, AHeldKeyReportsPressedOnItsFirstPassOnly) {
    keyboardState keyboard;
    keyboard.endPass();
    keyboard.handleEvent(keyEvent(keyCode::w, true));
    keyboard.endPass();
    EXPECT_TRUE(keyboard.isKeyDown(keyCode::w));
    EXPECT_TRUE(keyboard.isKeyPressed(keyCode::w));
    for (int pass = 0; pass < 5; pass++) {
        keyboard.endPass();
        EXPECT_TRUE(keyboard.isKeyDown(keyCode::w));
        EXPECT_FALSE(keyboard.isKeyPressed(keyCode::w));
    }
    // Released and pressed again: a fresh press.
    keyboard.handleEvent(keyEvent(keyCode::w, false));
    keyboard.endPass();
    keyboard.handleEvent(keyEvent(keyCode::w, true));
    keyboard.endPass();
    EXPECT_TRUE(keyboard.isKeyPressed(keyCode::w));
}

// Keys start unarmed: one already down when the game starts is not a fresh press.
TEST(KeyboardState, AKeyDownBeforeTheFirstPassIsNotAPress) {
    keyboardState keyboard;
    keyboard.handleEvent(keyEvent(keyCode::w, true));
    keyboard.endPass();
    EXPECT_TRUE(keyboard.isKeyDown(keyCode::w));
    EXPECT_FALSE(keyboard.isKeyPressed(keyCode::w));
}

TEST(KeyboardState, APressAndReleaseBetweenPassesIsNotSeen) {
    keyboardState keyboard;
    keyboard.handleEvent(keyEvent(keyCode::space, true));
    keyboard.handleEvent(keyEvent(keyCode::space, false));
    keyboard.endPass();
    EXPECT_FALSE(keyboard.isKeyPressed(keyCode::space));
    EXPECT_FALSE(keyboard.isKeyDown(keyCode::space));
}

TEST(KeyboardState, UntrackedKeysTheRightControlAndTheMouse) {
    EXPECT_EQ(arrivesAs(SDLK_F1), std::nullopt);
    EXPECT_EQ(keyByName("f1"), std::nullopt);

    keyboardState keyboard;
    keyboard.handleEvent(keyEvent(*arrivesAs(SDLK_RCTRL), true));
    keyboard.endPass();
    EXPECT_FALSE(keyboard.isKeyDown(keyCode::ctrl)); // the right control key is not "ctrl"

    SDL_Event motion = {};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.x = 321;
    motion.motion.y = 123;
    inputEvent translated;
    ASSERT_TRUE(translateEvent(motion, translated));
    keyboard.handleEvent(translated);
    EXPECT_EQ(keyboard.mouseX, 321);
    EXPECT_EQ(keyboard.mouseY, 123);

    SDL_Event button = {};
    button.type = SDL_MOUSEBUTTONDOWN;
    button.button.button = SDL_BUTTON_RIGHT;
    ASSERT_TRUE(translateEvent(button, translated));
    keyboard.handleEvent(translated);
    EXPECT_TRUE(keyboard.isKeyDown(keyCode::rightMouse));
    EXPECT_EQ(keyName(keyCode::rightMouse), "");
}

TEST_F(KeyboardPoll, DrainsRealEventsAndMarksPresses) {
    keyboardState keyboard;
    ASSERT_FALSE(keyboard.poll());
    push(sdlKeyEvent(SDLK_RETURN, true));
    push(sdlKeyEvent(SDLK_F1, true)); // untracked: dropped on the way
    queueKeyEvent(keyCode::a, true);
    EXPECT_FALSE(keyboard.poll());
    EXPECT_TRUE(keyboard.isKeyPressed(keyCode::enter));
    EXPECT_TRUE(keyboard.isKeyPressed(keyCode::a));
    EXPECT_FALSE(keyboard.poll());
    EXPECT_FALSE(keyboard.isKeyPressed(keyCode::enter));
    EXPECT_TRUE(keyboard.isKeyDown(keyCode::enter));
}

// A quit event returns at once: the end-of-pass step does not run, so the previous
// pass's presses stay, and events behind the quit wait in the queue.
TEST_F(KeyboardPoll, QuitReturnsBeforeTheEndOfPassStep) {
    keyboardState keyboard;
    ASSERT_FALSE(keyboard.poll());
    push(sdlKeyEvent(SDLK_e, true));
    ASSERT_FALSE(keyboard.poll());
    ASSERT_TRUE(keyboard.isKeyPressed(keyCode::e));

    queueQuitEvent();
    push(sdlKeyEvent(SDLK_s, true));
    EXPECT_TRUE(keyboard.poll());
    EXPECT_TRUE(keyboard.isKeyPressed(keyCode::e));
    EXPECT_FALSE(keyboard.isKeyDown(keyCode::s));

    EXPECT_FALSE(keyboard.poll());
    EXPECT_TRUE(keyboard.isKeyPressed(keyCode::s));
}

TEST(KeyBindings, GasHeldEveryFramePressedOnTheFirst) {
    keyboardState keyboard;
    keyBindings bindings(keyboard);
    keyboard.endPass();
    keyboard.handleEvent(keyEvent(keyCode::w, true));
    for (int frame = 0; frame < 4; frame++) {
        keyboard.endPass();
        bindings.refresh();
        EXPECT_TRUE(bindings.actionHeld(keyAction::accelerateKey));
        EXPECT_EQ(bindings.actionPressed(keyAction::accelerateKey), frame == 0);
    }
    EXPECT_FALSE(bindings.actionHeld(keyAction::brakeKey));
    EXPECT_FALSE(bindings.actionHeld(keyAction::spareKey));
}

TEST(KeyBindings, DefaultKeysAndARebindingToCtrl) {
    keyboardState keyboard;
    keyBindings bindings(keyboard);
    const char *const expected[actionCount] = {"w", "d", "a", "s", "space", "q", "e", "esc", "tab"};
    for (int slot = 0; slot < actionCount; slot++) {
        EXPECT_EQ(keyName(bindings.bindingKeys[slot].keys[0]), expected[slot]);
    }

    bindings.keysOf(keyAction::flashKey) = {{keyCode::ctrl}, 1};
    keyboard.handleEvent(keyEvent(*arrivesAs(SDLK_RCTRL), true));
    keyboard.endPass();
    bindings.refresh();
    EXPECT_FALSE(bindings.actionHeld(keyAction::flashKey));
    keyboard.handleEvent(keyEvent(*arrivesAs(SDLK_LCTRL), true));
    keyboard.endPass();
    bindings.refresh();
    EXPECT_TRUE(bindings.actionPressed(keyAction::flashKey));
}
