#include "soundGenerator.h"

#include <filesystem>
#include <functional>
#include <vector>

#include "soundEffects.h"
#include "soundEngine.h"
#include "soundMusic.h"
#include "soundWav.h"

namespace {

struct soundFile {
    const char *path; // under OUTDIR/sounds
    std::function<stereoSound()> make;
};

std::vector<soundFile> soundFiles() {
    return {
        {"sfx/click/0.wav", [] { return refusalClick(0); }},
        {"sfx/click/1.wav", [] { return refusalClick(1); }},
        {"sfx/flash/0.wav", [] { return headlightFlash(0); }},
        {"sfx/flash/1.wav", [] { return headlightFlash(1); }},
        {"sfx/flash/2.wav", [] { return headlightFlash(2); }},
        {"sfx/rev/0.wav", [] { return engineNote(0); }},
        {"sfx/rev/1.wav", [] { return engineNote(1); }},
        {"sfx/rev/2.wav", [] { return engineNote(2); }},
        {"sfx/rev/3.wav", [] { return engineNote(3); }},
        {"sfx/save.wav", treeSaveChime},
        {"sfx/gravel.wav", gravelLoop},
        {"sfx/lamp.wav", lampSwitch},
        {"music/trackA.wav", [] { return nightMusicLayer(1); }},
        {"music/trackB2.wav", [] { return nightMusicLayer(2); }},
        {"music/trackC2.wav", [] { return nightMusicLayer(3); }},
        {"music/menu.wav", titleMusic},
        {"sfx/alarm.wav", ghostAlarm},
        {"sfx/crush.wav", stoneCrush},
        {"sfx/flameChime.wav", flameChime},
        {"sfx/moonBeat.wav", moonBeat},
        {"sfx/statue.wav", statueStrike},
        {"sfx/menu3.wav", menuMove},
        {"sfx/menu2.wav", menuConfirm},
    };
}

bool writeSound(const std::filesystem::path &soundsDir, const soundFile &file) {
    const std::filesystem::path path = soundsDir / file.path;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    return !error && writeWavFile(path.string(), file.make());
}

} // namespace

bool writeAllSounds(const std::string &outDir) {
    const std::filesystem::path soundsDir = std::filesystem::path(outDir) / "sounds";
    bool allWritten = true;
    for (const soundFile &file : soundFiles()) {
        allWritten = writeSound(soundsDir, file) && allWritten;
    }
    return allWritten;
}
