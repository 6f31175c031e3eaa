#include "soundMusic.h"

#include <array>
#include <cmath>
#include <vector>

#include "soundInstruments.h"
#include "soundReverb.h"

namespace {

struct chordBar {
    int bass;
    std::array<int, 4> pad;
    std::array<int, 4> arpeggio;
};

struct melodyNote {
    int bar;
    double beat;
    double beats;
    int midi;
};

struct piece {
    int framesPerBeat; // whole frames, so every bar and the loop end on a sample boundary
    std::vector<chordBar> bars;
};

constexpr int beatsPerBar = 4;

// Dm | Bbmaj7 | Gm7 | A: the A major leans back into Dm across the loop point.
const piece nightPiece = {29400,
                          {{38, {57, 62, 65, 69}, {62, 65, 69, 74}},
                           {34, {58, 62, 65, 69}, {62, 65, 70, 74}},
                           {31, {58, 62, 65, 67}, {62, 67, 70, 74}},
                           {33, {57, 61, 64, 69}, {61, 64, 69, 73}}}};

const std::vector<melodyNote> nightLead = {
    {0, 0.0, 1.5, 69}, {0, 1.5, 0.5, 70}, {0, 2.0, 1.0, 69}, {0, 3.0, 1.0, 65}, {1, 0.0, 2.5, 62},
    {1, 2.5, 0.5, 65}, {1, 3.0, 1.0, 67}, {2, 0.0, 1.5, 70}, {2, 1.5, 0.5, 69}, {2, 2.0, 1.0, 67},
    {2, 3.0, 1.0, 62}, {3, 0.0, 2.0, 64}, {3, 2.0, 1.0, 61}, {3, 3.0, 1.0, 64}};

// Dm | F | C | Bb at 84 beats a minute.
const piece titlePiece = {31500,
                          {{38, {57, 62, 65, 69}, {62, 69, 74, 77}},
                           {41, {57, 60, 65, 69}, {65, 69, 72, 77}},
                           {36, {55, 60, 64, 67}, {64, 67, 72, 76}},
                           {34, {58, 62, 65, 70}, {62, 65, 70, 74}}}};

const std::vector<melodyNote> titleMelody = {{0, 0.0, 2.0, 81}, {0, 2.0, 1.0, 77}, {0, 3.0, 1.0, 76},
                                             {1, 0.0, 1.5, 77}, {1, 1.5, 0.5, 72}, {1, 2.0, 2.0, 69},
                                             {2, 0.0, 2.0, 67}, {2, 2.0, 1.0, 72}, {2, 3.0, 1.0, 76},
                                             {3, 0.0, 3.0, 74}, {3, 3.0, 1.0, 70}};

// Places voices on a loop of whole bars, wrapping tails round to the start.
class loopScore {
  public:
    explicit loopScore(const piece &music)
        : framesPerBeat(music.framesPerBeat),
          mix(static_cast<size_t>(music.framesPerBeat) * beatsPerBar * music.bars.size()) {}

    double beatSeconds() const { return static_cast<double>(framesPerBeat) / sampleRate; }
    void place(const monoBuffer &voice, int bar, double beat, float gain, float pan) {
        const double beats = bar * beatsPerBar + beat;
        addWrapped(mix, voice, static_cast<size_t>(beats * framesPerBeat + 0.5), gain, pan);
    }
    stereoSound &sound() { return mix; }

  private:
    int framesPerBeat;
    stereoSound mix;
};

void addPads(loopScore &score, const piece &music, float gain, soundRandom &random) {
    const float pans[4] = {-0.55f, -0.2f, 0.2f, 0.55f};
    for (int bar = 0; bar < static_cast<int>(music.bars.size()); ++bar) {
        for (int v = 0; v < 4; ++v) {
            const double hz = midiToHz(music.bars[bar].pad[v]);
            score.place(padVoice(hz, score.beatSeconds() * 3.9, random), bar, 0.0, gain, pans[v]);
        }
    }
}

void addHeldBass(loopScore &score, const piece &music, float gain) {
    for (int bar = 0; bar < static_cast<int>(music.bars.size()); ++bar) {
        const double hz = midiToHz(music.bars[bar].bass);
        score.place(bassVoice(hz, score.beatSeconds() * 3.7), bar, 0.0, gain, 0.0f);
    }
}

// Root, a pushed root, the octave and a pickup: a slow walk under the chords.
void addWalkingBass(loopScore &score, const piece &music, float gain) {
    const struct {
        double beat, beats;
        int interval;
        float accent;
    } steps[] = {{0.0, 1.4, 0, 1.0f}, {1.5, 0.4, 0, 0.7f}, {2.0, 0.9, 12, 0.8f}, {3.0, 0.8, 7, 0.75f}};
    for (int bar = 0; bar < static_cast<int>(music.bars.size()); ++bar) {
        for (const auto &step : steps) {
            const double hz = midiToHz(music.bars[bar].bass + step.interval);
            score.place(bassVoice(hz, score.beatSeconds() * step.beats), bar, step.beat, gain * step.accent,
                        0.0f);
        }
    }
}

// Chord tones walked through in a fixed order, alternating sides for a little width.
void addArpeggio(loopScore &score, const piece &music, int notesPerBeat, const std::vector<int> &order,
                 float gain, double decay, double ratio, double brightness) {
    const int notesPerBar = notesPerBeat * beatsPerBar;
    for (int bar = 0; bar < static_cast<int>(music.bars.size()); ++bar) {
        for (int n = 0; n < notesPerBar; ++n) {
            const int midi = music.bars[bar].arpeggio[order[n % order.size()]];
            const float accent = n % notesPerBeat == 0 ? 1.0f : 0.72f;
            const float pan = n % 2 == 0 ? -0.35f : 0.35f;
            const monoBuffer note = bellVoice(midiToHz(midi), decay, ratio, brightness);
            score.place(note, bar, static_cast<double>(n) / notesPerBeat, gain * accent, pan);
        }
    }
}

void addBellMelody(loopScore &score, const std::vector<melodyNote> &melody, float gain, double ratio,
                   double brightness) {
    for (const melodyNote &note : melody) {
        const double decay = 0.5 + 0.35 * note.beats;
        score.place(bellVoice(midiToHz(note.midi), decay, ratio, brightness), note.bar, note.beat, gain,
                    0.1f);
    }
}

void addLead(loopScore &score, const std::vector<melodyNote> &melody, float gain) {
    for (const melodyNote &note : melody) {
        const monoBuffer voice = leadVoice(midiToHz(note.midi), score.beatSeconds() * note.beats * 0.92);
        score.place(voice, note.bar, note.beat, gain, -0.1f);
    }
}

void addCalmDrums(loopScore &score, int bars, soundRandom &random) {
    for (int bar = 0; bar < bars; ++bar) {
        score.place(kickVoice(1.0), bar, 0.0, 0.5f, 0.0f);
        score.place(kickVoice(0.8), bar, 2.0, 0.5f, 0.0f);
        for (int beat = 0; beat < beatsPerBar; ++beat) {
            score.place(hatVoice(random, 0.03), bar, beat + 0.5, 0.1f, 0.3f);
        }
    }
}

void addDrivingDrums(loopScore &score, int bars, soundRandom &random) {
    for (int bar = 0; bar < bars; ++bar) {
        score.place(kickVoice(1.0), bar, 0.0, 0.6f, 0.0f);
        score.place(kickVoice(0.9), bar, 2.0, 0.6f, 0.0f);
        score.place(kickVoice(0.6), bar, 2.75, 0.5f, 0.0f);
        score.place(brushVoice(random), bar, 1.0, 0.3f, -0.1f);
        score.place(brushVoice(random), bar, 3.0, 0.3f, -0.1f);
        for (int sixteenth = 0; sixteenth < 16; ++sixteenth) {
            const float accent = sixteenth % 4 == 2 ? 0.13f : 0.06f;
            score.place(hatVoice(random, 0.025), bar, sixteenth * 0.25, accent, 0.35f);
        }
    }
}

// A breath of filtered noise swelling twice per loop, a different one on each side: the night air.
void addNightAir(loopScore &score, float gain, soundRandom &random) {
    const size_t frames = score.sound().frames();
    for (const float pan : {-0.8f, 0.8f}) {
        monoBuffer air = whiteNoise(frames, random);
        filterLoop(air, filterShape::band, 650.0, 0.6);
        for (size_t i = 0; i < frames; ++i) {
            air[i] *= static_cast<float>(0.6 + 0.4 * std::sin(twoPi * 2.0 * i / frames + pan));
        }
        score.place(air, 0, 0.0, gain, pan);
    }
}

stereoSound finishLoop(loopScore &score, float peak) {
    reverbLoop(score.sound(), {0.35f, 0.84f, 0.35f});
    removeOffset(score.sound());
    normalisePeak(score.sound(), peak);
    return score.sound();
}

} // namespace

stereoSound nightMusicLayer(int intensity) {
    soundRandom random(0x4E16A7u + static_cast<uint32_t>(intensity));
    const piece &music = nightPiece;
    const int bars = static_cast<int>(music.bars.size());
    loopScore score(music);
    addPads(score, music, intensity == 1 ? 0.18f : 0.11f, random);
    addNightAir(score, 0.12f, random);
    if (intensity == 1) {
        addHeldBass(score, music, 0.4f);
        addArpeggio(score, music, 1, {3, 1, 2, 0}, 0.08f, 0.9, 3.0, 1.0);
        return finishLoop(score, 0.9f);
    }
    addWalkingBass(score, music, 0.45f);
    if (intensity == 2) {
        addArpeggio(score, music, 2, {0, 1, 2, 3, 2, 1, 2, 1}, 0.11f, 0.35, 1.0, 1.3);
        addCalmDrums(score, bars, random);
        return finishLoop(score, 0.9f);
    }
    addArpeggio(score, music, 4, {0, 1, 2, 3, 1, 2, 3, 2, 0, 2, 1, 3, 2, 3, 1, 2}, 0.085f, 0.22, 1.0, 1.6);
    addLead(score, nightLead, 0.16f);
    addDrivingDrums(score, bars, random);
    return finishLoop(score, 0.9f);
}

stereoSound titleMusic() {
    soundRandom random(0x717E0u);
    loopScore score(titlePiece);
    addPads(score, titlePiece, 0.11f, random);
    addHeldBass(score, titlePiece, 0.32f);
    addArpeggio(score, titlePiece, 2, {0, 2, 1, 3, 2, 1, 3, 1}, 0.08f, 0.45, 3.0, 0.9);
    addBellMelody(score, titleMelody, 0.26f, 1.0, 1.1);
    return finishLoop(score, 0.9f);
}
