#include "media/soundBank.h"

#include <algorithm>
#include <iterator>

soundBank::soundBank() {
    resetSound();
}

void soundBank::startLoops() {
    // Without an audio device there are no channels, and every later call skips them.
    channelCount = mixer.audioOpen() ? mixer.allocateChannels(mixChannelCount) : 0;
    if (channelCount > titleChannel) {
        // One-shots look for a free channel only above the title music, so they never land on
        // a loop whose file is missing, nor on the title channel while it is silent.
        mixer.reserveChannels(titleChannel + 1);
    }
    Mix_Chunk *const loops[loopChannelCount] = {trackA, trackB2, trackC2, rev[0],
                                                rev[1], rev[2],  rev[3],  gravel};
    for (int channel = 0; channel < loopChannelCount; channel++) {
        playLoop(channel, loops[channel]);
    }
    for (int channel = 0; channel < channelCount; channel++) {
        setVolume(channel, channel < loopChannelCount ? 0 : restingVolume);
    }
}

void soundBank::resetSound() {
    std::fill(std::begin(musicVolume), std::end(musicVolume), 0);
    std::fill(std::begin(revVolume), std::end(revVolume), 0);
    std::fill(std::begin(musicTarget), std::end(musicTarget), 0);
    std::fill(std::begin(revTarget), std::end(revTarget), 0);
    gravelVolume = gravelTarget = 0;
    titleFade = 0;
    flashIndex = clickIndex = 0;
    titlePlaying = false;
}

void soundBank::updateSound(const scene &pass) {
    followPlayerVolumes();
    switch (pass.layout) {
    case sceneLayout::play:
        followLevelMusic(pass.music);
        fadeTitleMusic();
        followEngine(pass.carSpeed);
        followGround(pass.carOnDirt, pass.carSpeed);
        applyLoopVolumes();
        playCarEffects(pass);
        for (int k = 0; k < pass.cueCount; k++) {
            playCue(pass.cues[k]);
        }
        break;
    case sceneLayout::menu:
        playMenuBlips(pass.keys, false); // the loops keep their volumes behind the menu
        break;
    case sceneLayout::title:
        startTitleMusic();
        if (pass.keys.enter) {
            playEffect(menu2, effectVolume);
        }
        break;
    case sceneLayout::paused:
        playMenuBlips(pass.keys, true);
        fadeDown();
        break;
    case sceneLayout::logo:
    case sceneLayout::nothing:
        fadeDown();
        break;
    }
}

int soundBank::playEffect(Mix_Chunk *chunk, int32_t volume) {
    if (chunk == nullptr || channelCount == 0) {
        return -1;
    }
    // With every channel busy the mixer answers -1 and the effect is simply lost.
    const int channel = mixer.playChannel(-1, chunk, 0, -1);
    if (channel > 0 && volume >= 0) {
        setVolume(channel, volume);
    }
    return channel;
}

void soundBank::startTitleMusic() {
    if (titlePlaying) {
        return;
    }
    titleFade = titleMusicVolume;
    playLoop(titleChannel, menu);
    setVolume(titleChannel, titleFade);
    titlePlaying = true;
}

void soundBank::playMenuBlips(const sceneMenuKeys &keys, const bool escapeSelects) {
    if (keys.enter || (escapeSelects && keys.escape)) {
        playEffect(menu2, effectVolume);
    }
    if (keys.down) {
        playEffect(menu3, effectVolume);
    }
    if (keys.up) {
        playEffect(menu3, effectVolume);
    }
}

// Out of the game the world's sound dies away. The engine targets come down too, so the
// note does not jump back up on return; the music and gravel targets are set afresh.
void soundBank::fadeDown() {
    for (int32_t &volume : musicVolume) {
        stepTowards(volume, 0);
    }
    for (int note = 0; note < engineNoteCount; note++) {
        stepTowards(revVolume[note], 0);
        stepTowards(revTarget[note], 0);
    }
    stepTowards(gravelVolume, 0);
    applyLoopVolumes();
}

void soundBank::applyLoopVolumes() {
    for (int layer = 0; layer < musicLayerCount; layer++) {
        setVolume(firstMusicChannel + layer, musicVolume[layer]);
    }
    for (int note = 0; note < engineNoteCount; note++) {
        setVolume(firstRevChannel + note, revVolume[note]);
    }
    setVolume(gravelChannel, gravelVolume);
}

// A volume changed in the settings is heard at once: the loops and the title music are set
// again; one-shots take the new level when they next play.
void soundBank::followPlayerVolumes() {
    if (volumes == nullptr ||
        (volumes->music == volumesHeard.music && volumes->effects == volumesHeard.effects)) {
        return;
    }
    volumesHeard = *volumes;
    applyLoopVolumes();
    if (titlePlaying) {
        setVolume(titleChannel, titleFade);
    }
}

bool soundBank::audible() const {
    for (int channel = 0; channel < channelCount; channel++) {
        if (mixer.playing(channel) != 0 && mixer.volume(channel, -1) > 0) {
            return true;
        }
    }
    return false;
}

void soundBank::playLoop(int channel, Mix_Chunk *chunk) {
    if (chunk != nullptr && channelExists(channel)) {
        mixer.playChannel(channel, chunk, -1, -1);
    }
}

// The music layers and the title music follow the music volume, every other channel the
// effects volume.
void soundBank::setVolume(int channel, int32_t volume) {
    if (!channelExists(channel)) {
        return;
    }
    if (volumes != nullptr) {
        const bool music = channel == titleChannel ||
                           (channel >= firstMusicChannel && channel < firstMusicChannel + musicLayerCount);
        volume = scaledVolume(volume, music ? volumes->music : volumes->effects);
    }
    mixer.volume(channel, volume);
}

void soundBank::haltChannel(int channel) {
    if (channelExists(channel)) {
        mixer.haltChannel(channel);
    }
}
