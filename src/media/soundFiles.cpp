// The sound files, one per chunk of the bank, and their loading and freeing.
#include <array>

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
    return {{
        {&bank.click[0], "sounds/sfx/click/0.wav"},      {&bank.click[1], "sounds/sfx/click/1.wav"},
        {&bank.flash[0], "sounds/sfx/flash/0.wav"},      {&bank.flash[1], "sounds/sfx/flash/1.wav"},
        {&bank.flash[2], "sounds/sfx/flash/2.wav"},      {&bank.rev[0], "sounds/sfx/rev/0.wav"},
        {&bank.rev[1], "sounds/sfx/rev/1.wav"},          {&bank.rev[2], "sounds/sfx/rev/2.wav"},
        {&bank.rev[3], "sounds/sfx/rev/3.wav"},          {&bank.save, "sounds/sfx/save.wav"},
        {&bank.trackA, "sounds/music/trackA.wav"},       {&bank.trackB2, "sounds/music/trackB2.wav"},
        {&bank.trackC2, "sounds/music/trackC2.wav"},     {&bank.menu, "sounds/music/menu.wav"},
        {&bank.gravel, "sounds/sfx/gravel.wav"},         {&bank.lamp, "sounds/sfx/lamp.wav"},
        {&bank.alarm, "sounds/sfx/alarm.wav"},           {&bank.crush, "sounds/sfx/crush.wav"},
        {&bank.flameChime, "sounds/sfx/flameChime.wav"}, {&bank.moonBeat, "sounds/sfx/moonBeat.wav"},
        {&bank.statue, "sounds/sfx/statue.wav"},         {&bank.menu3, "sounds/sfx/menu3.wav"},
        {&bank.menu2, "sounds/sfx/menu2.wav"},
    }};
}

} // namespace

void soundBank::loadSounds() {
    for (const chunkFile &file : chunkFiles(*this)) {
        // A missing file, or a pipe or device in its place, leaves its chunk empty, and an
        // empty chunk plays nothing.
        *file.chunk = nullptr;
        std::FILE *stream = openRegularStream(file.path);
        if (stream == nullptr) {
            continue;
        }
        SDL_RWops *source = SDL_RWFromFP(stream, SDL_TRUE); // closes the stream when freed
        if (source == nullptr) {
            std::fclose(stream);
            continue;
        }
        *file.chunk = mixer.loadWav(source, 1);
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
