#include "levels/keyWords.h"

namespace {

constexpr keyAction drivingActions[] = {keyAction::accelerateKey, keyAction::steerLeftKey,
                                        keyAction::brakeKey, keyAction::steerRightKey};

bool isUpper(const char c) {
    return c >= 'A' && c <= 'Z';
}

// A key whose name is one character, a letter or a digit.
bool isSingleCharacter(const keyBindings &bindings, const keyAction action) {
    const actionKeys &keys = bindings.keysOf(action);
    return keys.count > 0 && keyName(keys.keys[0]).size() == 1;
}

} // namespace

void keyText::put(const char c) {
    if (length < room) {
        chars[length++] = c;
    }
}

keyText &keyText::operator<<(const std::string_view words) {
    for (const char c : words) {
        put(c);
    }
    return *this;
}

// The font has no capitals: a name's inner capital starts a new word ("leftBracket").
keyText &keyText::operator<<(const keyCode key) {
    for (const char c : keyName(key)) {
        if (isUpper(c)) {
            put(' ');
            put(static_cast<char>(c - 'A' + 'a'));
        } else {
            put(c);
        }
    }
    return *this;
}

keyText actionKeysText(const actionKeys &keys) {
    keyText text;
    for (int index = 0; index < keys.count; index++) {
        if (index > 0) {
            text << " or ";
        }
        text << keys.keys[index];
    }
    return text;
}

keyText firstKeyText(const keyBindings &bindings, const keyAction action) {
    keyText text;
    const actionKeys &keys = bindings.keysOf(action);
    if (keys.count > 0) {
        text << keys.keys[0];
    }
    return text;
}

keyText drivingKeysText(const keyBindings &bindings) {
    bool runTogether = true;
    for (const keyAction action : drivingActions) {
        runTogether = runTogether && isSingleCharacter(bindings, action);
    }
    keyText text;
    for (const keyAction action : drivingActions) {
        if (!runTogether && action != drivingActions[0]) {
            text << " ";
        }
        text << firstKeyText(bindings, action).view();
    }
    return text;
}
