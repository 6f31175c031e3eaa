#include "platform/input.h"

#include "platform/sdlInput.h"

namespace {

// What a tracked key answers to: a key symbol, or a mouse button when `mouseButton` is set.
struct sdlKey {
    SDLKey symbol;
    Uint8 mouseButton; // SDL_BUTTON_LEFT / SDL_BUTTON_RIGHT, or 0 for a key
};

constexpr sdlKey key(SDLKey symbol) {
    return sdlKey{symbol, 0};
}
constexpr sdlKey mouse(Uint8 button) {
    return sdlKey{SDLK_UNKNOWN, button};
}

// In key order.
constexpr sdlKey sdlKeys[keyboardKeyCount] = {
    key(SDLK_SPACE),
    key(SDLK_ESCAPE),
    key(SDLK_UP),
    key(SDLK_DOWN),
    key(SDLK_RIGHT),
    key(SDLK_LEFT),
    key(SDLK_MINUS),
    key(SDLK_EQUALS),
    key(SDLK_BACKSPACE),
    key(SDLK_LEFTBRACKET),
    key(SDLK_RIGHTBRACKET),
    key(SDLK_SEMICOLON),
    key(SDLK_QUOTE),
    key(SDLK_RETURN),
    key(SDLK_LSHIFT),
    key(SDLK_RSHIFT),
    key(SDLK_COMMA),
    key(SDLK_PERIOD),
    key(SDLK_SLASH),
    key(SDLK_BACKSLASH),
    mouse(SDL_BUTTON_LEFT),
    mouse(SDL_BUTTON_RIGHT),
    key(SDLK_LCTRL),
    key(SDLK_RCTRL),
    key(SDLK_a),
    key(SDLK_b),
    key(SDLK_c),
    key(SDLK_d),
    key(SDLK_e),
    key(SDLK_f),
    key(SDLK_g),
    key(SDLK_h),
    key(SDLK_i),
    key(SDLK_j),
    key(SDLK_k),
    key(SDLK_l),
    key(SDLK_m),
    key(SDLK_n),
    key(SDLK_o),
    key(SDLK_p),
    key(SDLK_q),
    key(SDLK_r),
    key(SDLK_s),
    key(SDLK_t),
    key(SDLK_u),
    key(SDLK_v),
    key(SDLK_w),
    key(SDLK_x),
    key(SDLK_y),
    key(SDLK_z),
    key(SDLK_1),
    key(SDLK_2),
    key(SDLK_3),
    key(SDLK_4),
    key(SDLK_5),
    key(SDLK_6),
    key(SDLK_7),
    key(SDLK_8),
    key(SDLK_9),
    key(SDLK_0),
    key(SDLK_TAB),
};

bool keyForSymbol(SDLKey symbol, keyCode &found) {
    for (int index = 0; index < keyboardKeyCount; index++) {
        if (sdlKeys[index].mouseButton == 0 && sdlKeys[index].symbol == symbol) {
            found = static_cast<keyCode>(index);
            return true;
        }
    }
    return false;
}

bool keyForMouseButton(Uint8 button, keyCode &found) {
    for (int index = 0; index < keyboardKeyCount; index++) {
        if (sdlKeys[index].mouseButton != 0 && sdlKeys[index].mouseButton == button) {
            found = static_cast<keyCode>(index);
            return true;
        }
    }
    return false;
}

// The pad's buttons by number, as most pads number them: the four face buttons first, start
// at 7 (9 on some pads).
struct padButton {
    Uint8 number;
    keyCode key;
};
constexpr padButton padButtons[] = {
    {0, keyCode::padA}, {1, keyCode::padB},     {2, keyCode::padX},
    {3, keyCode::padY}, {7, keyCode::padStart}, {9, keyCode::padStart},
};

bool keyForPadButton(const Uint8 button, keyCode &found) {
    for (const padButton &known : padButtons) {
        if (known.number == button) {
            found = known.key;
            return true;
        }
    }
    return false;
}

Uint8 padButtonFor(const keyCode key) {
    for (const padButton &known : padButtons) {
        if (known.key == key) {
            return known.number;
        }
    }
    return 0;
}

Uint8 hatFor(const keyCode key) {
    switch (key) {
    case keyCode::padLeft:
        return SDL_HAT_LEFT;
    case keyCode::padRight:
        return SDL_HAT_RIGHT;
    case keyCode::padUp:
        return SDL_HAT_UP;
    case keyCode::padDown:
        return SDL_HAT_DOWN;
    default:
        return 0;
    }
}

std::int32_t hatBits(const Uint8 value) {
    return ((value & SDL_HAT_UP) != 0 ? hatUp : 0) | ((value & SDL_HAT_RIGHT) != 0 ? hatRight : 0) |
           ((value & SDL_HAT_DOWN) != 0 ? hatDown : 0) | ((value & SDL_HAT_LEFT) != 0 ? hatLeft : 0);
}

bool translatePadEvent(const SDL_Event &event, inputEvent &translated) {
    switch (event.type) {
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        translated.type = event.type == SDL_JOYBUTTONDOWN ? inputEventType::keyDown : inputEventType::keyUp;
        return keyForPadButton(event.jbutton.button, translated.key);
    case SDL_JOYHATMOTION:
        if (event.jhat.hat != 0) {
            return false;
        }
        translated.type = inputEventType::padHat;
        translated.x = hatBits(event.jhat.value);
        return true;
    case SDL_JOYAXISMOTION:
        if (event.jaxis.axis > 1) {
            return false; // only the left stick steers
        }
        translated.type = inputEventType::padStick;
        translated.x = event.jaxis.axis;
        translated.y = event.jaxis.value;
        return true;
    default:
        return false;
    }
}

// F12 and Alt+Enter going down; neither reaches the game's keys, and their going up is dropped.
bool translateWindowKey(const SDL_KeyboardEvent &event, inputEvent &translated) {
    if (event.keysym.sym == SDLK_F12) {
        translated.type = inputEventType::screenshotKey;
        return true;
    }
    if (event.keysym.sym == SDLK_RETURN && (event.keysym.mod & KMOD_ALT) != 0) {
        translated.type = inputEventType::fullscreenSwitchKey;
        return true;
    }
    return false;
}

// The window stops hearing the player: another window took the keyboard, or it was iconified.
bool lostAttention(const SDL_ActiveEvent &event) {
    return event.gain == 0 && (event.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE)) != 0;
}

} // namespace

int openGamepads() {
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0 && SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) {
        return 0;
    }
    int opened = 0;
    for (int index = 0; index < SDL_NumJoysticks(); index++) {
        opened += SDL_JoystickOpen(index) != nullptr;
    }
    SDL_JoystickEventState(SDL_ENABLE);
    return opened;
}

bool translateEvent(const SDL_Event &event, inputEvent &translated) {
    switch (event.type) {
    case SDL_QUIT:
        translated.type = inputEventType::quit;
        return true;
    case SDL_MOUSEMOTION:
        translated.type = inputEventType::mouseMotion;
        translated.x = event.motion.x;
        translated.y = event.motion.y;
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        translated.type = event.type == SDL_MOUSEBUTTONDOWN ? inputEventType::keyDown : inputEventType::keyUp;
        return keyForMouseButton(event.button.button, translated.key);
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (translateWindowKey(event.key, translated)) {
            return event.type == SDL_KEYDOWN;
        }
        translated.type = event.type == SDL_KEYDOWN ? inputEventType::keyDown : inputEventType::keyUp;
        return keyForSymbol(event.key.keysym.sym, translated.key);
    case SDL_ACTIVEEVENT:
        translated.type = inputEventType::focusLost;
        return lostAttention(event.active);
    default:
        return translatePadEvent(event, translated);
    }
}

bool pollInputEvent(inputEvent &event) {
    SDL_Event raw;
    while (SDL_PollEvent(&raw)) {
        if (translateEvent(raw, event)) {
            return true;
        }
    }
    return false;
}

void queueKeyEvent(const keyCode key, const bool down) {
    SDL_Event event = {};
    if (hatFor(key) != 0) {
        event.type = SDL_JOYHATMOTION;
        event.jhat.value = down ? hatFor(key) : SDL_HAT_CENTERED;
        SDL_PushEvent(&event);
        return;
    }
    if (isPadKey(key)) {
        event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
        event.jbutton.button = padButtonFor(key);
        event.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
        SDL_PushEvent(&event);
        return;
    }
    const sdlKey &target = sdlKeys[keyIndex(key)];
    if (target.mouseButton != 0) {
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = target.mouseButton;
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    } else {
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
        event.key.keysym.sym = target.symbol;
    }
    SDL_PushEvent(&event);
}

void queueQuitEvent() {
    SDL_Event event = {};
    event.type = SDL_QUIT;
    SDL_PushEvent(&event);
}

void queueFocusLostEvent() {
    SDL_Event event = {};
    event.type = SDL_ACTIVEEVENT;
    event.active.gain = 0;
    event.active.state = SDL_APPINPUTFOCUS;
    SDL_PushEvent(&event);
}

void queueHatEvent(const std::int32_t bits) {
    SDL_Event event = {};
    event.type = SDL_JOYHATMOTION;
    event.jhat.value = static_cast<Uint8>(
        ((bits & hatUp) != 0 ? SDL_HAT_UP : 0) | ((bits & hatRight) != 0 ? SDL_HAT_RIGHT : 0) |
        ((bits & hatDown) != 0 ? SDL_HAT_DOWN : 0) | ((bits & hatLeft) != 0 ? SDL_HAT_LEFT : 0));
    SDL_PushEvent(&event);
}

void queueStickEvent(const std::int32_t axis, const std::int32_t value) {
    SDL_Event event = {};
    event.type = SDL_JOYAXISMOTION;
    event.jaxis.axis = static_cast<Uint8>(axis);
    event.jaxis.value = static_cast<Sint16>(value);
    SDL_PushEvent(&event);
}
