#pragma once
// What a saved game's text says, as a pure function of its characters, so the game and the
// fuzzing harness read it the same way.
#include <array>
#include <string_view>

struct savedProgress {
    int startLevel = -1; // -1: an unknown checkpoint leaves the start where it was
    std::array<bool, 6> flamesWon{};
};

// Only a text of the saved game's seven characters says anything: character 0 is the
// checkpoint ('0' level 1, '1' level 4, '2' level 6), each of the next six a flame won when
// it is '1'. Any other text gives an empty record (start unchanged, no flame).
savedProgress parseSavedGame(std::string_view text);
