#pragma once
// The words on screen that name the player's keys, as the font writes them: a hint names
// the key bound to its action now, and the controls page lists each action's keys. A line
// is built in place, so a script may name a key on any pass without allocating.
#include <string_view>

#include "player/keyBindings.h"

// A short line of text with its room inside it; what does not fit is dropped.
class keyText {
  public:
    keyText &operator<<(std::string_view words);
    // The key's word: "left bracket" for leftBracket, "space", "e".
    keyText &operator<<(keyCode key);
    std::string_view view() const { return {chars, static_cast<size_t>(length)}; }

  private:
    void put(char c);

    static constexpr int room = 100; // as long as a message line can be
    char chars[room] = {};
    int length = 0;
};

// The keys of an action, two joined so they read as two: "a or left".
keyText actionKeysText(const actionKeys &keys);
// The first key of the action, the one a hint names: "e".
keyText firstKeyText(const keyBindings &bindings, keyAction action);
// The four driving keys in the order "wasd" names them: accelerate, left, brake, right. Keys
// of one letter or digit run together as that word does; otherwise each key's word, spaced.
keyText drivingKeysText(const keyBindings &bindings);
