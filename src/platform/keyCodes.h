#pragma once
// The keys and mouse buttons the game tracks, in the game's own terms, and after them the
// gamepad's: its four directions (the d-pad or the left stick) and five buttons. Their names
// (what an input track and the options file call them) are for the edges only: keyName and
// keyByName.
#include <optional>
#include <string_view>

enum class keyCode : unsigned char {
    space,
    esc,
    up,
    down,
    right,
    left,
    minus,
    equals,
    backspace,
    leftBracket,
    rightBracket,
    semiColon,
    quote,
    enter,
    shift, // the left-hand shift key
    rightShift,
    comma,
    period,
    forwardSlash,
    backSlash,
    leftMouse,
    rightMouse,
    ctrl, // the left-hand control key
    rightCtrl,
    a,
    b,
    c,
    d,
    e,
    f,
    g,
    h,
    i,
    j,
    k,
    l,
    m,
    n,
    o,
    p,
    q,
    r,
    s,
    t,
    u,
    v,
    w,
    x,
    y,
    z,
    digit1,
    digit2,
    digit3,
    digit4,
    digit5,
    digit6,
    digit7,
    digit8,
    digit9,
    digit0,
    tab,
    padLeft,
    padRight,
    padUp,
    padDown,
    padA, // the bottom face button
    padB, // the right face button
    padX, // the left face button
    padY, // the top face button
    padStart,
};

inline constexpr int keyboardKeyCount = 61; // the keyboard and the mouse
inline constexpr int padKeyCount = 9;
inline constexpr int trackedKeyCount = keyboardKeyCount + padKeyCount;
inline constexpr int namedKeyCount = 55; // of the keyboard's

constexpr int keyIndex(const keyCode key) {
    return static_cast<int>(key);
}
static_assert(keyIndex(keyCode::tab) + 1 == keyboardKeyCount);
static_assert(keyIndex(keyCode::padStart) + 1 == trackedKeyCount);

constexpr bool isPadKey(const keyCode key) {
    return keyIndex(key) >= keyboardKeyCount;
}

// "enter", "forwardSlash", "a", "1" …; empty for the keys that are tracked but have no name
// (right shift, right control, minus, equals and the two mouse buttons).
std::string_view keyName(keyCode key);
// The key with that name; none for a name outside the 55 and the pad's.
std::optional<keyCode> keyByName(std::string_view name);
