// The sound files, one per chunk of the bank, and their loading and freeing.
#include <array>
#include <string>

#include "media/soundBank.h"
#include "platform/regularFile.h"

namespace {

struct chunkFile {
    Mix_Chunk **chunk;
    const char *path;
};

constexpr int soundFileCount = 23;

// Every chunk of the bank with the file it comes from, in the bank's field order.
std::array<chunkFile, soundFileCount> chunkFiles(soundBank &bank) {
    static const std::string trackA = std::string("sounds/music/trackA") + musicFileExtension;
    static const std::string trackB2 = std::string("sounds/music/trackB2") + musicFileExtension;
    static const std::string trackC2 = std::string("sounds/music/trackC2") + musicFileExtension;
    static const std::string menu = std::string("sounds/music/menu") + musicFileExtension;
    return {{
        {&bank.click[0], "sounds/sfx/click/0.wav"},
        {&bank.click[1], "sounds/sfx/click/1.wav"},
        {&bank.flash[0], "sounds/sfx/flash/0.wav"},
        {&bank.flash[1], "sounds/sfx/flash/1.wav"},
        {&bank.flash[2], "sounds/sfx/flash/2.wav"},
        {&bank.rev[0], "sounds/sfx/rev/0.wav"},
        {&bank.rev[1], "sounds/sfx/rev/1.wav"},
        {&bank.rev[2], "sounds/sfx/rev/2.wav"},
        {&bank.rev[3], "sounds/sfx/rev/3.wav"},
        {&bank.save, "sounds/sfx/save.wav"},
        {&bank.trackA, trackA.c_str()},
        {&bank.trackB2, trackB2.c_str()},
        {&bank.trackC2, trackC2.c_str()},
        {&bank.menu, menu.c_str()},
        {&bank.gravel, "sounds/sfx/gravel.wav"},
        {&bank.lamp, "sounds/sfx/lamp.wav"},
        {&bank.alarm, "sounds/sfx/alarm.wav"},
        {&bank.crush, "sounds/sfx/crush.wav"},
        {&bank.flameChime, "sounds/sfx/flameChime.wav"},
        {&bank.moonBeat, "sounds/sfx/moonBeat.wav"},
        {&bank.statue, "sounds/sfx/statue.wav"},
        {&bank.menu3, "sounds/sfx/menu3.wav"},
        {&bank.menu2, "sounds/sfx/menu2.wav"},
    }};
}

} // namespace

void soundBank::loadSounds() {
    for (const chunkFile &file : chunkFiles(*this)) {
        // A missing file, or a pipe or device in its place, leaves its chunk empty, and an
        // empty chunk plays nothing.
        *file.chunk = nullptr;
        if (SDL_RWops *source = openRegularSource(file.path)) {
            *file.chunk = mixer.loadWav(source, 1);
        }
    }
}

void soundBank::freeSounds() {
    for (const chunkFile &file : chunkFiles(*this)) {
        if (*file.chunk != nullptr) {
            mixer.freeChunk(*file.chunk);
            *file.chunk = nullptr;
        }
    }
}
