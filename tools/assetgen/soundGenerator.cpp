#include "soundGenerator.h"

#include <cstdlib>
#include <filesystem>

#include "media/soundFileTable.h"
#include "soundEffects.h"
#include "soundEngine.h"
#include "soundMusic.h"
#include "soundWav.h"

namespace {

stereoSound makeSound(const soundFile file) {
    switch (file) {
    case soundFile::click0:
        return refusalClick(0);
    case soundFile::click1:
        return refusalClick(1);
    case soundFile::flash0:
        return headlightFlash(0);
    case soundFile::flash1:
        return headlightFlash(1);
    case soundFile::flash2:
        return headlightFlash(2);
    case soundFile::rev0:
        return engineNote(0);
    case soundFile::rev1:
        return engineNote(1);
    case soundFile::rev2:
        return engineNote(2);
    case soundFile::rev3:
        return engineNote(3);
    case soundFile::save:
        return treeSaveChime();
    case soundFile::trackA:
        return nightMusicLayer(1);
    case soundFile::trackB2:
        return nightMusicLayer(2);
    case soundFile::trackC2:
        return nightMusicLayer(3);
    case soundFile::menu:
        return titleMusic();
    case soundFile::gravel:
        return gravelLoop();
    case soundFile::lamp:
        return lampSwitch();
    case soundFile::alarm:
        return ghostAlarm();
    case soundFile::crush:
        return stoneCrush();
    case soundFile::flameChime:
        return flameChime();
    case soundFile::moonBeat:
        return moonBeat();
    case soundFile::statue:
        return statueStrike();
    case soundFile::menu3:
        return menuMove();
    case soundFile::menu2:
        return menuConfirm();
    }
    std::abort(); // not reached: the switch names every file, and the compiler checks it does
}

bool writeSound(const std::filesystem::path &outDir, const soundFile file) {
    const std::filesystem::path path = outDir / soundFilePath(file);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return !error && writeWavFile(path.string(), makeSound(file));
}

} // namespace

bool writeAllSounds(const std::string &outDir) {
    bool allWritten = true;
    for (const soundFileRow &row : soundFileTable) {
        allWritten = writeSound(outDir, row.file) && allWritten;
    }
    return allWritten;
}
