#pragma once
// Every sound file of the game, named once. The sound bank loads a chunk from each, the asset
// generator writes each under the same name and the tests check each, so this header needs
// nothing but the standard library.
#include <cstdint>
#include <string>
#include <string_view>

// In the order the bank loads them.
enum class soundFile : uint8_t {
    click0,
    click1,
    flash0,
    flash1,
    flash2,
    rev0,
    rev1,
    rev2,
    rev3,
    save,
    trackA,
    trackB2,
    trackC2,
    menu,
    gravel,
    lamp,
    alarm,
    crush,
    flameChime,
    moonBeat,
    statue,
    menu3,
    menu2,
};

constexpr int soundFileCount = 23;

struct soundFileRow {
    soundFile file;
    // Music lies under sounds/music/ (the browser build turns it into Ogg Vorbis), every other
    // sound under sounds/sfx/.
    bool music;
    const char *name; // under its folder, without the extension
    bool loops;       // played forever on a channel of its own
};

// Row f describes soundFile f.
inline constexpr soundFileRow soundFileTable[soundFileCount] = {
    {soundFile::click0, false, "click/0", false},
    {soundFile::click1, false, "click/1", false},
    {soundFile::flash0, false, "flash/0", false},
    {soundFile::flash1, false, "flash/1", false},
    {soundFile::flash2, false, "flash/2", false},
    {soundFile::rev0, false, "rev/0", true},
    {soundFile::rev1, false, "rev/1", true},
    {soundFile::rev2, false, "rev/2", true},
    {soundFile::rev3, false, "rev/3", true},
    {soundFile::save, false, "save", false},
    {soundFile::trackA, true, "trackA", true},
    {soundFile::trackB2, true, "trackB2", true},
    {soundFile::trackC2, true, "trackC2", true},
    {soundFile::menu, true, "menu", true}, // the title music
    {soundFile::gravel, false, "gravel", true},
    {soundFile::lamp, false, "lamp", false},
    {soundFile::alarm, false, "alarm", false},
    {soundFile::crush, false, "crush", false},
    {soundFile::flameChime, false, "flameChime", false},
    {soundFile::moonBeat, false, "moonBeat", false},
    {soundFile::statue, false, "statue", false},
    {soundFile::menu3, false, "menu3", false},
    {soundFile::menu2, false, "menu2", false},
};

constexpr const soundFileRow &soundRow(soundFile file) {
    return soundFileTable[static_cast<int>(file)];
}

// The file's path under the assets folder. The generator writes wave files; the game asks for
// its sounds with the extension of its platform's files.
inline std::string soundFilePath(soundFile file, std::string_view extension = ".wav") {
    const soundFileRow &row = soundRow(file);
    std::string path = row.music ? "sounds/music/" : "sounds/sfx/";
    path += row.name;
    path += extension;
    return path;
}

namespace soundFileChecks {
constexpr bool rowsInFileOrder() {
    for (int f = 0; f < soundFileCount; f++) {
        if (static_cast<int>(soundFileTable[f].file) != f) {
            return false;
        }
    }
    return true;
}
// Two rows with one file would leave one sound unheard.
constexpr bool pathsDistinct() {
    for (int a = 0; a < soundFileCount; a++) {
        for (int b = a + 1; b < soundFileCount; b++) {
            if (soundFileTable[a].music == soundFileTable[b].music &&
                std::string_view(soundFileTable[a].name) == soundFileTable[b].name) {
                return false;
            }
        }
    }
    return true;
}
static_assert(rowsInFileOrder());
static_assert(pathsDistinct());
static_assert(static_cast<int>(soundFile::menu2) + 1 == soundFileCount);
} // namespace soundFileChecks
