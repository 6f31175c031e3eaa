#include "player/menuKeys.h"

namespace {

bool anyPressed(const keyboardState &keys, const keyCode first, const keyCode second, const keyCode pad) {
    return keys.isKeyPressed(first) || keys.isKeyPressed(second) || keys.isKeyPressed(pad);
}

} // namespace

bool menuKeyPressed(const keyboardState &keys, const menuKey key) {
    switch (key) {
    case menuKey::up:
        return anyPressed(keys, keyCode::w, keyCode::up, keyCode::padUp);
    case menuKey::down:
        return anyPressed(keys, keyCode::s, keyCode::down, keyCode::padDown);
    case menuKey::left:
        return anyPressed(keys, keyCode::a, keyCode::left, keyCode::padLeft);
    case menuKey::right:
        return anyPressed(keys, keyCode::d, keyCode::right, keyCode::padRight);
    case menuKey::choose:
        return keys.isKeyPressed(keyCode::enter) || keys.isKeyPressed(keyCode::padA);
    case menuKey::back:
        return keys.isKeyPressed(keyCode::esc) || keys.isKeyPressed(keyCode::padB);
    }
    return false;
}
