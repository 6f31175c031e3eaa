#pragma once
// Every sound of the game. The continuous sounds (three music layers, four engine notes and
// the gravel under the tyres) loop forever from start-up, each on a channel of its own, and
// are shaped only by moving each channel's volume one step per pass towards a target. The
// title music has a channel of its own; one-shot effects take the first free channel.
// Everything is decided once per pass from the scene: what the pass shows, the car and the
// cues the objects gave.
#include <SDL_mixer.h>

#include <cstdint>
#include <string_view>

#include "media/effectSound.h"
#include "media/mixerCalls.h"
#include "media/scene.h"
#include "media/soundFileTable.h"
#include "media/soundVolumes.h"

constexpr int musicLayerCount = 3;
constexpr int engineNoteCount = 4;
constexpr int clickVariantCount = 2;
constexpr int flashVariantCount = 3;

// Channels: the eight loops first, then the title music, then the one-shots.
constexpr int firstMusicChannel = 0;
constexpr int firstRevChannel = 3;
constexpr int gravelChannel = 7;
constexpr int loopChannelCount = 8;
constexpr int titleChannel = 8;
constexpr int mixChannelCount = 30;

constexpr int32_t effectVolume = 30; // clicks, flashes, menu blips and the repelling moon
constexpr int32_t titleMusicVolume = 30;
constexpr int32_t restingVolume = 20; // every channel from the title channel up, at start
constexpr int32_t noVolume = -1;      // play at whatever volume the channel had

class soundBank {
  public:
    soundBank();
    soundBank(const soundBank &) = delete;
    soundBank &operator=(const soundBank &) = delete;

    // What each loop's channel is set to now.
    int32_t musicVolume[musicLayerCount];
    int32_t revVolume[engineNoteCount];
    int32_t gravelVolume;
    int32_t titleFade; // the title music's volume while it fades out in the game
    // Where each loop is heading.
    int32_t musicTarget[musicLayerCount];
    int32_t revTarget[engineNoteCount];
    int32_t gravelTarget;
    // Which variant plays next, so repeated flashes and clicks do not sound the same.
    int32_t flashIndex;
    int32_t clickIndex;

    // Null when the file could not be loaded: such a sound plays nothing.
    Mix_Chunk *click[clickVariantCount] = {};
    Mix_Chunk *flash[flashVariantCount] = {};
    Mix_Chunk *rev[engineNoteCount] = {};
    Mix_Chunk *save = nullptr;
    Mix_Chunk *trackA = nullptr;
    Mix_Chunk *trackB2 = nullptr;
    Mix_Chunk *trackC2 = nullptr;
    Mix_Chunk *menu = nullptr;
    Mix_Chunk *gravel = nullptr;
    Mix_Chunk *lamp = nullptr;
    Mix_Chunk *alarm = nullptr;
    Mix_Chunk *crush = nullptr;
    Mix_Chunk *flameChime = nullptr;
    Mix_Chunk *moonBeat = nullptr;
    Mix_Chunk *statue = nullptr;
    Mix_Chunk *menu3 = nullptr;
    Mix_Chunk *menu2 = nullptr;

    // The chunk loaded from a file.
    Mix_Chunk *&chunkOf(soundFile file);

    bool titlePlaying; // the title music is on its channel

    // The player's volumes, applied to every channel the bank sets (full when null); a change
    // is heard on the next pass.
    const soundVolumes *volumes = nullptr;
    soundVolumes volumesHeard; // what the channels were last set with

    mixerCalls mixer;         // every SDL_mixer call goes through here
    int32_t channelCount = 0; // channels the mixer gave us: none without an audio device

    // Loads every sound file of the table (media/soundFileTable.h) from sounds/ under the
    // working directory.
    void loadSounds();
    // Allocates the channels, starts the eight loops silent and sets the rest to rest volume.
    void startLoops();
    // Every volume, target, fade and variant back to 0, and no title music.
    void resetSound();
    // One pass: follows the state, the car and the objects, and plays what they asked for.
    void updateSound(const scene &pass);
    // Frees every loaded sound; calling it twice is harmless.
    void freeSounds();
    // True while any channel plays at a volume above silence (the loops play on at volume 0).
    bool audible() const;

    // Plays once on the first free channel and sets that channel's volume (unless noVolume).
    // Returns the channel, or -1 when the sound is missing or no channel is free.
    int playEffect(Mix_Chunk *chunk, int32_t volume);

  private:
    // In the game.
    void followLevelMusic(int32_t music);
    void fadeTitleMusic();
    void followEngine(double speed);
    void followGround(bool onDirt, double speed);
    void playCarEffects(const scene &pass);
    void playCue(const sceneCue &cue);
    Mix_Chunk *effectChunk(effectSound sound) const; // null for none
    // Out of it.
    void startTitleMusic();
    void playMenuBlips(const sceneMenuKeys &keys, bool escapeSelects);
    void fadeDown();

    void applyLoopVolumes();
    void followPlayerVolumes();
    void playLoop(int channel, Mix_Chunk *chunk);
    void setVolume(int channel, int32_t volume);
    void haltChannel(int channel);
    bool channelExists(int channel) const { return channel >= 0 && channel < channelCount; }
};

// Moves a volume one step towards its target.
inline void stepTowards(int32_t &volume, int32_t target) {
    volume += (volume < target) - (volume > target);
}
