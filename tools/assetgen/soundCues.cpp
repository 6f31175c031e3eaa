// The one-shots that lamps, ghost cars, statues, flames, the moon, trees and lightning ask for.
#include <cmath>

#include "soundEffects.h"
#include "soundInstruments.h"
#include "soundLoudness.h"
#include "soundMix.h"
#include "soundReverb.h"

namespace {

stereoSound finishCue(stereoSound sound, float peak) {
    fadeEdges(sound, 0.001, 0.02);
    normalisePeak(sound, peak);
    return sound;
}

// Inharmonic partials with their own decays: stone, glass and metal all ring this way.
struct partial {
    double ratio;
    double gain;
    double decay;
};

monoBuffer struckBody(double hz, const partial *partials, int count, double seconds) {
    monoBuffer voice(secondsToFrames(seconds));
    for (size_t i = 0; i < voice.size(); ++i) {
        const double t = secondsAt(i);
        double sum = 0.0;
        for (int p = 0; p < count; ++p) {
            sum += partials[p].gain * std::sin(twoPi * hz * partials[p].ratio * t) *
                   strikeEnvelope(t, 0.002, partials[p].decay);
        }
        voice[i] = static_cast<float>(sum * attackRelease(t, 0.0, seconds * 0.3, seconds));
    }
    return voice;
}

monoBuffer decayingNoise(soundRandom &random, double seconds, filterShape shape, double hz, double decay) {
    monoBuffer noise = whiteNoise(secondsToFrames(seconds), random);
    filterBuffer(noise, shape, hz, 0.8);
    for (size_t i = 0; i < noise.size(); ++i) {
        noise[i] *= static_cast<float>(strikeEnvelope(secondsAt(i), 0.001, decay));
    }
    return noise;
}

// Falling debris: stone knocks that thin out as the heap settles.
void addDebris(stereoSound &sound, soundRandom &random, int pieces, double spreadSeconds) {
    for (int p = 0; p < pieces; ++p) {
        const double when = spreadSeconds * std::pow(random.unit(), 2.0);
        const double decay = random.range(0.004f, 0.02f);
        const monoBuffer knock =
            decayingNoise(random, decay * 5.0, filterShape::band, random.range(300.0f, 2500.0f), decay);
        const float gain = static_cast<float>(random.range(0.3f, 1.0f) * (1.0 - when / spreadSeconds * 0.7));
        addClipped(sound, knock, secondsToFrames(when), gain, random.range(-0.5f, 0.5f));
    }
}

} // namespace

// D major rising over the minor-key music: the battery filling up is good news.
stereoSound treeSaveChime() {
    const double notes[4] = {74, 78, 81, 86};
    stereoSound sound(secondsToFrames(1.8));
    for (int n = 0; n < 4; ++n) {
        const monoBuffer bell = bellVoice(midiToHz(notes[n]), 0.45, 1.0, 1.2);
        addClipped(sound, bell, secondsToFrames(0.075 * n), 0.6f, -0.3f + 0.2f * n);
    }
    addClipped(sound, bellVoice(midiToHz(98), 0.3, 3.5, 0.6), secondsToFrames(0.3), 0.15f, 0.4f);
    reverbOneShot(sound, {0.35f, 0.82f, 0.3f});
    return finishCue(sound, 0.8f);
}

stereoSound lampSwitch() {
    soundRandom random(0x1A4Bu);
    const double length = 0.45;
    stereoSound sound(secondsToFrames(length));
    addClipped(sound, decayingNoise(random, 0.03, filterShape::high, 2500.0, 0.003), 0, 0.7f, 0.0f);
    // Mains buzz of the ballast, flickering as the arc settles.
    monoBuffer buzz(sound.frames());
    stateVariableFilter tone;
    tone.tune(1300.0, 1.2);
    for (size_t i = 0; i < buzz.size(); ++i) {
        const double t = secondsAt(i);
        const double flicker = 0.65 + 0.35 * std::sin(twoPi * 23.0 * t);
        tone.process(static_cast<float>(sawAt(100.0 * t, 100.0 / sampleRate)));
        buzz[i] = static_cast<float>(tone.low() * flicker * strikeEnvelope(t, 0.004, 0.11));
    }
    addClipped(sound, buzz, secondsToFrames(0.004), 0.5f, 0.0f);
    addClipped(sound, bellVoice(3150.0, 0.03, 1.41, 0.5), secondsToFrames(0.01), 0.12f, 0.2f);
    return finishCue(sound, 0.75f);
}

// Two voices a few hertz apart so they beat, sinking a fifth: a wail, not a siren. It sits an
// octave above the engine and the music's chords, bright with its own overtones, and loud for
// its length, so a ghost car far down the road is still heard over the drive.
stereoSound ghostAlarm() {
    const double length = 0.46;
    stereoSound sound(secondsToFrames(length));
    const double starts[2] = {880.0, 893.0};
    for (int v = 0; v < 2; ++v) {
        monoBuffer voice(sound.frames());
        double phase = 0.0;
        for (size_t i = 0; i < voice.size(); ++i) {
            const double t = secondsAt(i);
            const double hz = starts[v] * std::pow(2.0 / 3.0, t / length);
            const double tremolo = 0.75 + 0.25 * std::sin(twoPi * 13.0 * t);
            const double shape = attackRelease(t, 0.03, 0.15, length);
            const double tone = std::sin(twoPi * phase) + 0.5 * std::sin(twoPi * 2.0 * phase) +
                                0.3 * std::sin(twoPi * 3.0 * phase);
            voice[i] = static_cast<float>(tone * tremolo * shape);
            phase += hz / sampleRate;
        }
        addClipped(sound, voice, 0, 0.5f, v == 0 ? -0.4f : 0.4f);
    }
    fadeEdges(sound, 0.001, 0.02);
    setLoudness(sound, mixAlarmLoudness, mixCeiling, false);
    return sound;
}

// A crack, a low rumble and debris: the statue breaking apart, or the thunder after lightning.
stereoSound stoneCrush() {
    soundRandom random(0xC5A5u);
    stereoSound sound(secondsToFrames(1.4));
    addClipped(sound, decayingNoise(random, 0.2, filterShape::high, 900.0, 0.015), 0, 1.0f, 0.0f);
    addClipped(sound, decayingNoise(random, 1.4, filterShape::low, 260.0, 0.35), 0, 2.5f, -0.2f);
    addClipped(sound, decayingNoise(random, 1.4, filterShape::low, 240.0, 0.35), 0, 2.5f, 0.2f);
    addDebris(sound, random, 70, 0.9);
    reverbOneShot(sound, {0.3f, 0.8f, 0.5f});
    return finishCue(sound, 0.85f);
}

stereoSound flameChime() {
    const partial glass[4] = {{1.0, 1.0, 0.5}, {2.76, 0.45, 0.25}, {5.4, 0.2, 0.12}, {8.93, 0.08, 0.06}};
    const double notes[3] = {81, 88, 93};
    stereoSound sound(secondsToFrames(1.8));
    for (int n = 0; n < 3; ++n) {
        const monoBuffer chime = struckBody(midiToHz(notes[n]), glass, 4, 1.2);
        addClipped(sound, chime, secondsToFrames(0.045 * n), 0.5f, -0.4f + 0.4f * n);
    }
    reverbOneShot(sound, {0.45f, 0.85f, 0.25f});
    return finishCue(sound, 0.75f);
}

// A soft low heartbeat: the moon's light climbs one step with each.
stereoSound moonBeat() {
    soundRandom random(0x300Bu);
    stereoSound sound(secondsToFrames(0.38));
    monoBuffer thump(sound.frames());
    double phase = 0.0;
    for (size_t i = 0; i < thump.size(); ++i) {
        const double t = secondsAt(i);
        const double hz = 52.0 + 48.0 * std::exp(-t / 0.04);
        thump[i] = static_cast<float>((std::sin(twoPi * phase) + 0.35 * std::sin(twoPi * 2.0 * phase)) *
                                      strikeEnvelope(t, 0.004, 0.09));
        phase += hz / sampleRate;
    }
    addClipped(sound, thump, 0, 1.0f, 0.0f);
    addClipped(sound, decayingNoise(random, 0.05, filterShape::low, 900.0, 0.006), 0, 0.25f, 0.0f);
    return finishCue(sound, 0.85f);
}

// A deep stone bell: the statue woken by the flash.
stereoSound statueStrike() {
    soundRandom random(0x57A7u);
    const partial stone[5] = {
        {1.0, 1.0, 0.45}, {1.47, 0.6, 0.3}, {2.09, 0.45, 0.2}, {2.56, 0.3, 0.14}, {3.91, 0.2, 0.08}};
    stereoSound sound(secondsToFrames(1.6));
    addClipped(sound, struckBody(131.0, stone, 5, 1.6), 0, 0.8f, -0.1f);
    addClipped(sound, struckBody(131.0 * 1.004, stone, 5, 1.6), 0, 0.8f, 0.1f);
    addClipped(sound, decayingNoise(random, 0.08, filterShape::band, 1800.0, 0.01), 0, 0.5f, 0.0f);
    reverbOneShot(sound, {0.4f, 0.84f, 0.45f});
    return finishCue(sound, 0.85f);
}
