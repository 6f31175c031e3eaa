// The sound files, one per chunk of the bank, and their loading and freeing.
#include <cstdlib>
#include <string>

#include "media/soundBank.h"
#include "platform/regularFile.h"

Mix_Chunk *&soundBank::chunkOf(const soundFile file) {
    switch (file) {
    case soundFile::click0:
        return click[0];
    case soundFile::click1:
        return click[1];
    case soundFile::flash0:
        return flash[0];
    case soundFile::flash1:
        return flash[1];
    case soundFile::flash2:
        return flash[2];
    case soundFile::rev0:
        return rev[0];
    case soundFile::rev1:
        return rev[1];
    case soundFile::rev2:
        return rev[2];
    case soundFile::rev3:
        return rev[3];
    case soundFile::save:
        return save;
    case soundFile::trackA:
        return trackA;
    case soundFile::trackB2:
        return trackB2;
    case soundFile::trackC2:
        return trackC2;
    case soundFile::menu:
        return menu;
    case soundFile::gravel:
        return gravel;
    case soundFile::lamp:
        return lamp;
    case soundFile::alarm:
        return alarm;
    case soundFile::crush:
        return crush;
    case soundFile::flameChime:
        return flameChime;
    case soundFile::moonBeat:
        return moonBeat;
    case soundFile::statue:
        return statue;
    case soundFile::menu3:
        return menu3;
    case soundFile::menu2:
        return menu2;
    }
    std::abort(); // not reached: the switch names every file, and the compiler checks it does
}

void soundBank::loadSounds() {
    for (const soundFileRow &row : soundFileTable) {
        // A missing file, or a pipe or device in its place, leaves its chunk empty, and an
        // empty chunk plays nothing.
        Mix_Chunk *&chunk = chunkOf(row.file);
        chunk = nullptr;
        const std::string path = soundFilePath(row.file, soundFileExtension);
        if (SDL_RWops *source = openRegularSource(path.c_str())) {
            chunk = mixer.loadWav(source, 1);
        }
    }
}

void soundBank::freeSounds() {
    for (const soundFileRow &row : soundFileTable) {
        Mix_Chunk *&chunk = chunkOf(row.file);
        if (chunk != nullptr) {
            mixer.freeChunk(chunk);
            chunk = nullptr;
        }
    }
}
