#include "platform/keyCodes.h"

// In key order; "shift" and "ctrl" are the left-hand keys.
static constexpr std::string_view keyNames[trackedKeyCount] = {
    "space",
    "esc",
    "up",
    "down",
    "right",
    "left",
    "",
    "",
    "backspace",
    "leftBracket",
    "rightBracket",
    "semiColon",
    "quote",
    "enter",
    "shift",
    "",
    "comma",
    "period",
    "forwardSlash",
    "backSlash",
    "",
    "",
    "ctrl",
    "",
    "a",
    "b",
    "c",
    "d",
    "e",
    "f",
    "g",
    "h",
    "i",
    "j",
    "k",
    "l",
    "m",
    "n",
    "o",
    "p",
    "q",
    "r",
    "s",
    "t",
    "u",
    "v",
    "w",
    "x",
    "y",
    "z",
    "1",
    "2",
    "3",
    "4",
    "5",
    "6",
    "7",
    "8",
    "9",
    "0",
    "tab",
    "padLeft",
    "padRight",
    "padUp",
    "padDown",
    "padA",
    "padB",
    "padX",
    "padY",
    "padStart",
};

std::string_view keyName(const keyCode key) {
    return keyNames[keyIndex(key)];
}

std::optional<keyCode> keyByName(const std::string_view name) {
    if (name.empty()) {
        return std::nullopt;
    }
    for (int index = 0; index < trackedKeyCount; index++) {
        if (keyNames[index] == name) {
            return static_cast<keyCode>(index);
        }
    }
    return std::nullopt;
}
