#include "player/keyboardState.h"

namespace {

constexpr trackedKey key(SDLKey symbol, const char *name) {
    return trackedKey{symbol, 0, name};
}
constexpr trackedKey mouse(Uint8 button) {
    return trackedKey{SDLK_UNKNOWN, button, nullptr};
}

} // namespace

// "shift" and "ctrl" are the left-hand keys; the right-hand ones, minus, equals and the
// mouse buttons are tracked but have no name.
const trackedKey trackedKeys[trackedKeyCount] = {
    key(SDLK_SPACE, "space"),
    key(SDLK_ESCAPE, "esc"),
    key(SDLK_UP, "up"),
    key(SDLK_DOWN, "down"),
    key(SDLK_RIGHT, "right"),
    key(SDLK_LEFT, "left"),
    key(SDLK_MINUS, nullptr),
    key(SDLK_EQUALS, nullptr),
    key(SDLK_BACKSPACE, "backspace"),
    key(SDLK_LEFTBRACKET, "leftBracket"),
    key(SDLK_RIGHTBRACKET, "rightBracket"),
    key(SDLK_SEMICOLON, "semiColon"),
    key(SDLK_QUOTE, "quote"),
    key(SDLK_RETURN, "enter"),
    key(SDLK_LSHIFT, "shift"),
    key(SDLK_RSHIFT, nullptr),
    key(SDLK_COMMA, "comma"),
    key(SDLK_PERIOD, "period"),
    key(SDLK_SLASH, "forwardSlash"),
    key(SDLK_BACKSLASH, "backSlash"),
    mouse(SDL_BUTTON_LEFT),
    mouse(SDL_BUTTON_RIGHT),
    key(SDLK_LCTRL, "ctrl"),
    key(SDLK_RCTRL, nullptr),
    key(SDLK_a, "a"),
    key(SDLK_b, "b"),
    key(SDLK_c, "c"),
    key(SDLK_d, "d"),
    key(SDLK_e, "e"),
    key(SDLK_f, "f"),
    key(SDLK_g, "g"),
    key(SDLK_h, "h"),
    key(SDLK_i, "i"),
    key(SDLK_j, "j"),
    key(SDLK_k, "k"),
    key(SDLK_l, "l"),
    key(SDLK_m, "m"),
    key(SDLK_n, "n"),
    key(SDLK_o, "o"),
    key(SDLK_p, "p"),
    key(SDLK_q, "q"),
    key(SDLK_r, "r"),
    key(SDLK_s, "s"),
    key(SDLK_t, "t"),
    key(SDLK_u, "u"),
    key(SDLK_v, "v"),
    key(SDLK_w, "w"),
    key(SDLK_x, "x"),
    key(SDLK_y, "y"),
    key(SDLK_z, "z"),
    key(SDLK_1, "1"),
    key(SDLK_2, "2"),
    key(SDLK_3, "3"),
    key(SDLK_4, "4"),
    key(SDLK_5, "5"),
    key(SDLK_6, "6"),
    key(SDLK_7, "7"),
    key(SDLK_8, "8"),
    key(SDLK_9, "9"),
    key(SDLK_0, "0"),
};

int keyIndexByName(std::string_view name) {
    for (int i = 0; i < trackedKeyCount; i++) {
        if (trackedKeys[i].name != nullptr && name == trackedKeys[i].name) {
            return i;
        }
    }
    return -1;
}

int keyIndexBySymbol(SDLKey symbol) {
    for (int i = 0; i < trackedKeyCount; i++) {
        if (trackedKeys[i].mouseButton == 0 && trackedKeys[i].symbol == symbol) {
            return i;
        }
    }
    return -1;
}

static int keyIndexByMouseButton(Uint8 button) {
    for (int i = 0; i < trackedKeyCount; i++) {
        if (trackedKeys[i].mouseButton != 0 && trackedKeys[i].mouseButton == button) {
            return i;
        }
    }
    return -1;
}

bool keyboardState::handleEvent(const SDL_Event &event) {
    int index = -1;
    switch (event.type) {
    case SDL_QUIT:
        return true;
    case SDL_MOUSEMOTION:
        mouseX = event.motion.x;
        mouseY = event.motion.y;
        return false;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        index = keyIndexByMouseButton(event.button.button);
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        index = keyIndexBySymbol(event.key.keysym.sym);
        break;
    default:
        return false;
    }
    if (index >= 0) {
        down[index] = event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN;
    }
    return false;
}

void keyboardState::endPass() {
    for (int i = 0; i < trackedKeyCount; i++) {
        if (!down[i]) {
            armed[i] = true;
        }
    }
    for (bool &flag : pressed) {
        flag = false;
    }
    for (int i = 0; i < trackedKeyCount; i++) {
        if (down[i] && armed[i]) {
            armed[i] = false;
            pressed[i] = true;
        }
    }
}

bool keyboardState::poll() {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (handleEvent(event)) {
            // The quit ends the pass's input at once: this pass's presses stay as they were.
            return true;
        }
    }
    endPass();
    return false;
}

bool keyboardState::isKeyDown(std::string_view name) const {
    const int index = keyIndexByName(name);
    return index >= 0 && down[index];
}

bool keyboardState::isKeyPressed(std::string_view name) const {
    const int index = keyIndexByName(name);
    return index >= 0 && pressed[index];
}
