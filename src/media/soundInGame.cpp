// The sound of play: the level's music, the engine note and the gravel follow the level and
// the car, and the car and the objects get the effects they asked for this pass.
#include <cmath>
#include <iterator>

#include "media/helpers.h"
#include "media/soundBank.h"

namespace {

// The one layer a level's music asks for, and how loud it plays; the others fall silent.
struct musicChoice {
    int layer;
    int32_t volume;
};
constexpr musicChoice musicChoices[] = {{-1, 0}, {0, 10}, {1, 20}, {2, 30}};

// The engine note for a speed band, and how loud it plays; the other notes fall silent.
struct engineBand {
    double topSpeed;
    int note;
    int32_t volume;
};
constexpr engineBand engineBands[] = {{0, 0, 40}, {10, 0, 60}, {20, 1, 80}, {30, 2, 100}, {40, 3, 128}};

constexpr int32_t gravelRollingVolume = 25;
constexpr int32_t loudestVolume = 128;
constexpr double cueLoudness = 60.0; // a cue two tiles away plays at 30

// Louder the nearer the object; at the car's own position no volume is set at all.
int32_t nearnessVolume(double distance) {
    if (!(distance > 0.0)) {
        return noVolume;
    }
    const double loudness = std::floor(cueLoudness / distance);
    return loudness >= loudestVolume ? loudestVolume : static_cast<int32_t>(loudness);
}

} // namespace

void soundBank::followLevelMusic(const int32_t music) {
    if (music >= 0 && music < static_cast<int32_t>(std::size(musicChoices))) {
        const musicChoice choice = musicChoices[music];
        for (int layer = 0; layer < musicLayerCount; layer++) {
            musicTarget[layer] = layer == choice.layer ? choice.volume : 0;
        }
    }
    for (int layer = 0; layer < musicLayerCount; layer++) {
        stepTowards(musicVolume[layer], musicTarget[layer]);
    }
}

// The menu music, left playing by the title, fades out over the first passes of play.
void soundBank::fadeTitleMusic() {
    if (titleFade >= 1) {
        titleFade--;
        setVolume(titleChannel, titleFade);
    } else if (titlePlaying) {
        haltChannel(titleChannel);
        titlePlaying = false;
    }
}

// The engine note crossfades from one recording to the next as the car speeds up; above
// the top band the note stays where it was.
void soundBank::followEngine(const double speed) {
    for (const engineBand &band : engineBands) {
        if (speed <= band.topSpeed) {
            for (int note = 0; note < engineNoteCount; note++) {
                revTarget[note] = note == band.note ? band.volume : 0;
            }
            break;
        }
    }
    for (int note = 0; note < engineNoteCount; note++) {
        stepTowards(revVolume[note], revTarget[note]);
    }
}

// Gravel crunches only while rolling forward over dirt; reversing keeps what it had.
void soundBank::followGround(const bool onDirt, const double speed) {
    if (!onDirt) {
        gravelTarget = 0;
    } else if (speed == 0.0) {
        gravelTarget = 0;
    } else if (speed > 0.0) {
        gravelTarget = gravelRollingVolume;
    }
    stepTowards(gravelVolume, gravelTarget);
}

void soundBank::playCarEffects(const scene &pass) {
    if (pass.flashFired) {
        playEffect(flash[flashIndex], effectVolume);
        flashIndex = (flashIndex + 1) % flashVariantCount;
    }
    if (pass.refused) {
        playEffect(click[clickIndex], effectVolume);
        clickIndex = (clickIndex + 1) % clickVariantCount;
    }
}

// The object names its sound; a sound heard everywhere plays at the effects' volume.
void soundBank::playCue(const sceneCue &cue) {
    const int32_t near = nearnessVolume(cue.distance);
    const int32_t volume = cue.heardEverywhere ? effectVolume : near;
    // On the car's own spot no volume is set, even for a sound heard everywhere.
    playEffect(effectChunk(cue.sound), near == noVolume ? noVolume : volume);
}

Mix_Chunk *soundBank::effectChunk(const effectSound sound) const {
    switch (sound) {
    case effectSound::lamp:
        return lamp;
    case effectSound::moonBeat:
        return moonBeat;
    case effectSound::flameChime:
        return flameChime;
    case effectSound::alarm:
        return alarm;
    case effectSound::statue:
        return statue;
    case effectSound::crush:
        return crush;
    case effectSound::save:
        return save;
    case effectSound::none:
        break;
    }
    return nullptr;
}
