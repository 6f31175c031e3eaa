#include "soundMusic.h"

#include <array>
#include <cmath>
#include <vector>

#include "soundInstruments.h"
#include "soundLoudness.h"
#include "soundMix.h"
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

// Sixteen bars at 90 beats a minute: a statement and its answer (bars 1-8), a turn to the
// relative major (9-12), and the return (13-16), whose A major leads back into the first Dm.
// Dm | Bbmaj7 | Gm7 | A7 || Dm | Bbmaj7 | Ebmaj7 | A7 || F | C | Bbmaj7 | A7sus4 || Dm | Bbmaj7 | Gm7 | A7
const piece nightPiece = {29400,
                          {{38, {57, 62, 65, 69}, {62, 65, 69, 74}},
                           {34, {58, 62, 65, 69}, {62, 65, 70, 74}},
                           {31, {58, 62, 65, 67}, {62, 67, 70, 74}},
                           {33, {57, 61, 64, 67}, {61, 64, 69, 73}},
                           {38, {57, 62, 65, 69}, {62, 65, 69, 76}},
                           {34, {58, 62, 65, 69}, {62, 65, 70, 77}},
                           {39, {58, 62, 63, 67}, {63, 67, 70, 74}},
                           {33, {57, 61, 64, 67}, {61, 64, 67, 73}},
                           {41, {57, 60, 65, 69}, {65, 69, 72, 77}},
                           {36, {55, 60, 64, 67}, {64, 67, 72, 76}},
                           {34, {58, 62, 65, 69}, {62, 65, 69, 74}},
                           {33, {57, 62, 64, 67}, {62, 64, 69, 74}},
                           {38, {57, 62, 65, 69}, {62, 65, 69, 74}},
                           {34, {58, 62, 65, 69}, {62, 65, 70, 74}},
                           {31, {58, 62, 65, 67}, {62, 67, 70, 74}},
                           {33, {57, 61, 64, 67}, {61, 64, 69, 73}}}};

// The bars of the turn to the major, where every layer changes its texture.
constexpr int contrastFrom = 8;
constexpr int contrastTo = 12;
bool inContrast(int bar) {
    return bar >= contrastFrom && bar < contrastTo;
}

// The line falls from A to F and climbs back; the answer reaches up to F, the turn sings
// higher and longer, and the return closes on the A major that leads to the start.
const std::vector<melodyNote> nightMelody = {
    {0, 0.0, 1.5, 69},  {0, 1.5, 0.5, 70},  {0, 2.0, 1.0, 69},  {0, 3.0, 1.0, 65},  {1, 0.0, 2.5, 62},
    {1, 2.5, 0.5, 65},  {1, 3.0, 1.0, 67},  {2, 0.0, 1.5, 70},  {2, 1.5, 0.5, 69},  {2, 2.0, 1.0, 67},
    {2, 3.0, 1.0, 62},  {3, 0.0, 2.0, 64},  {3, 2.0, 1.0, 61},  {3, 3.0, 1.0, 64},  {4, 0.0, 1.5, 69},
    {4, 1.5, 0.5, 70},  {4, 2.0, 1.0, 72},  {4, 3.0, 1.0, 74},  {5, 0.0, 2.0, 77},  {5, 2.0, 0.5, 76},
    {5, 2.5, 0.5, 74},  {5, 3.0, 1.0, 72},  {6, 0.0, 1.5, 70},  {6, 1.5, 0.5, 67},  {6, 2.0, 1.0, 63},
    {6, 3.0, 1.0, 67},  {7, 0.0, 2.0, 69},  {7, 2.0, 0.5, 67},  {7, 2.5, 0.5, 64},  {7, 3.0, 1.0, 61},
    {8, 0.0, 1.0, 72},  {8, 1.0, 2.0, 77},  {8, 3.0, 1.0, 76},  {9, 0.0, 2.5, 79},  {9, 2.5, 0.5, 76},
    {9, 3.0, 1.0, 72},  {10, 0.0, 1.5, 74}, {10, 1.5, 0.5, 72}, {10, 2.0, 2.0, 69}, {11, 0.0, 2.0, 74},
    {11, 2.0, 1.0, 76}, {11, 3.0, 1.0, 73}, {12, 0.0, 1.5, 69}, {12, 1.5, 0.5, 70}, {12, 2.0, 1.0, 69},
    {12, 3.0, 1.0, 65}, {13, 0.0, 1.5, 62}, {13, 1.5, 0.5, 65}, {13, 2.0, 1.0, 70}, {13, 3.0, 1.0, 69},
    {14, 0.0, 1.5, 67}, {14, 1.5, 0.5, 65}, {14, 2.0, 1.0, 62}, {14, 3.0, 1.0, 70}, {15, 0.0, 2.0, 69},
    {15, 2.0, 1.0, 64}, {15, 3.0, 1.0, 61}};

// Twelve bars at 84 beats a minute, a music box over the same night: a statement, a darker
// middle through Eb, and the return, whose A major leads back to the start.
// Dm | F | C | Bb || Gm7 | Ebmaj7 | Bb | A7 || Dm | F | Gm7 | A7
const piece titlePiece = {31500,
                          {{38, {57, 62, 65, 69}, {62, 69, 74, 77}},
                           {41, {57, 60, 65, 69}, {65, 69, 72, 77}},
                           {36, {55, 60, 64, 67}, {64, 67, 72, 76}},
                           {34, {58, 62, 65, 70}, {62, 65, 70, 74}},
                           {31, {58, 62, 65, 67}, {62, 67, 70, 74}},
                           {39, {58, 62, 63, 67}, {63, 67, 70, 74}},
                           {34, {58, 62, 65, 70}, {65, 70, 74, 77}},
                           {33, {57, 61, 64, 67}, {61, 64, 67, 73}},
                           {38, {57, 62, 65, 69}, {62, 69, 74, 77}},
                           {41, {57, 60, 65, 69}, {65, 69, 72, 77}},
                           {31, {58, 62, 65, 67}, {62, 67, 70, 74}},
                           {33, {57, 61, 64, 67}, {61, 64, 69, 73}}}};

const std::vector<melodyNote> titleMelody = {
    {0, 0.0, 2.0, 81},  {0, 2.0, 1.0, 77},  {0, 3.0, 1.0, 76},  {1, 0.0, 1.5, 77},  {1, 1.5, 0.5, 72},
    {1, 2.0, 2.0, 69},  {2, 0.0, 2.0, 67},  {2, 2.0, 1.0, 72},  {2, 3.0, 1.0, 76},  {3, 0.0, 3.0, 74},
    {3, 3.0, 1.0, 70},  {4, 0.0, 1.5, 74},  {4, 1.5, 0.5, 70},  {4, 2.0, 1.0, 67},  {4, 3.0, 1.0, 70},
    {5, 0.0, 2.0, 75},  {5, 2.0, 1.0, 74},  {5, 3.0, 1.0, 70},  {6, 0.0, 1.5, 77},  {6, 1.5, 0.5, 74},
    {6, 2.0, 2.0, 70},  {7, 0.0, 2.0, 73},  {7, 2.0, 1.0, 76},  {7, 3.0, 1.0, 79},  {8, 0.0, 2.0, 81},
    {8, 2.0, 1.0, 77},  {8, 3.0, 1.0, 76},  {9, 0.0, 1.5, 77},  {9, 1.5, 0.5, 79},  {9, 2.0, 2.0, 81},
    {10, 0.0, 1.5, 82}, {10, 1.5, 0.5, 81}, {10, 2.0, 1.0, 79}, {10, 3.0, 1.0, 74}, {11, 0.0, 2.0, 76},
    {11, 2.0, 1.0, 73}, {11, 3.0, 1.0, 69}};

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

struct bassStep {
    double beat, beats;
    int interval;
    float accent;
};

// Root, a pushed root, the octave and a pickup: a slow walk under the chords. In the turn to
// the major it settles to root and fifth, two beats each.
void addWalkingBass(loopScore &score, const piece &music, float gain) {
    const std::vector<bassStep> walk = {
        {0.0, 1.4, 0, 1.0f}, {1.5, 0.4, 0, 0.7f}, {2.0, 0.9, 12, 0.8f}, {3.0, 0.8, 7, 0.75f}};
    const std::vector<bassStep> settled = {{0.0, 1.8, 0, 1.0f}, {2.0, 1.8, 7, 0.85f}};
    for (int bar = 0; bar < static_cast<int>(music.bars.size()); ++bar) {
        for (const bassStep &step : inContrast(bar) ? settled : walk) {
            const double hz = midiToHz(music.bars[bar].bass + step.interval);
            score.place(bassVoice(hz, score.beatSeconds() * step.beats), bar, step.beat, gain * step.accent,
                        0.0f);
        }
    }
}

struct arpeggioStyle {
    int notesPerBeat;
    std::vector<int> order; // indices into the bar's four chord tones
    float gain;
    double decay, ratio, brightness; // the bell's (ratio 1 an electric piano, higher a music box)
    int transpose;                   // semitones
};

// Chord tones walked through in a fixed order over bars [from, to), alternating sides.
void addArpeggio(loopScore &score, const piece &music, const arpeggioStyle &style, int from, int to) {
    const int notesPerBar = style.notesPerBeat * beatsPerBar;
    for (int bar = from; bar < to; ++bar) {
        for (int n = 0; n < notesPerBar; ++n) {
            const int midi = music.bars[bar].arpeggio[style.order[n % style.order.size()]] + style.transpose;
            const float accent = n % style.notesPerBeat == 0 ? 1.0f : 0.72f;
            const float pan = n % 2 == 0 ? -0.35f : 0.35f;
            const monoBuffer note = bellVoice(midiToHz(midi), style.decay, style.ratio, style.brightness);
            score.place(note, bar, static_cast<double>(n) / style.notesPerBeat, style.gain * accent, pan);
        }
    }
}

void addArpeggio(loopScore &score, const piece &music, const arpeggioStyle &style) {
    addArpeggio(score, music, style, 0, static_cast<int>(music.bars.size()));
}

// The notes of a melody held at least shortest beats: the line as a sparse layer plays it.
std::vector<melodyNote> longNotes(const std::vector<melodyNote> &melody, double shortest) {
    std::vector<melodyNote> kept;
    for (const melodyNote &note : melody) {
        if (note.beats >= shortest) {
            kept.push_back(note);
        }
    }
    return kept;
}

void addBellMelody(loopScore &score, const std::vector<melodyNote> &melody, float gain, double ratio,
                   double brightness, float pan) {
    for (const melodyNote &note : melody) {
        const double decay = 0.5 + 0.35 * note.beats;
        score.place(bellVoice(midiToHz(note.midi), decay, ratio, brightness), note.bar, note.beat, gain, pan);
    }
}

void addLead(loopScore &score, const std::vector<melodyNote> &melody, float gain) {
    for (const melodyNote &note : melody) {
        const monoBuffer voice = leadVoice(midiToHz(note.midi), score.beatSeconds() * note.beats * 0.92);
        score.place(voice, note.bar, note.beat, gain, -0.1f);
    }
}

// Brushes swept up through the last beat into the top of the loop.
void addPickupFill(loopScore &score, int bar, float gain, soundRandom &random) {
    for (int n = 0; n < 4; ++n) {
        score.place(brushVoice(random), bar, 3.0 + 0.25 * n, gain * (0.5f + 0.2f * n), n % 2 ? 0.2f : -0.2f);
    }
}

// Kick on one and three, a soft hat after each beat and brushes on two and four; the turn to
// the major keeps only the first kick and lets the hats run in eighths.
void addCalmDrums(loopScore &score, int bars, soundRandom &random) {
    for (int bar = 0; bar < bars; ++bar) {
        score.place(kickVoice(1.0), bar, 0.0, 0.5f, 0.0f);
        if (inContrast(bar)) {
            for (int eighth = 0; eighth < 8; ++eighth) {
                score.place(hatVoice(random, 0.05), bar, eighth * 0.5, eighth % 2 ? 0.1f : 0.06f, 0.3f);
            }
            continue;
        }
        score.place(kickVoice(0.8), bar, 2.0, 0.5f, 0.0f);
        for (int beat = 0; beat < beatsPerBar; ++beat) {
            score.place(hatVoice(random, 0.03), bar, beat + 0.5, 0.1f, 0.3f);
        }
        score.place(brushVoice(random), bar, 1.0, 0.12f, -0.2f);
        score.place(brushVoice(random), bar, 3.0, 0.12f, -0.2f);
    }
    addPickupFill(score, bars - 1, 0.2f, random);
}

// Kicks on one, three and the push before it, brushes on two and four, sixteenth hats; the
// turn to the major opens to a lighter, ringing pattern.
void addDrivingDrums(loopScore &score, int bars, soundRandom &random) {
    for (int bar = 0; bar < bars; ++bar) {
        const bool open = inContrast(bar);
        score.place(kickVoice(1.0), bar, 0.0, 0.6f, 0.0f);
        score.place(kickVoice(0.9), bar, open ? 2.5 : 2.0, 0.6f, 0.0f);
        if (!open) {
            score.place(kickVoice(0.6), bar, 2.75, 0.5f, 0.0f);
        }
        score.place(brushVoice(random), bar, 1.0, 0.3f, -0.1f);
        score.place(brushVoice(random), bar, 3.0, 0.3f, -0.1f);
        const int hits = open ? 8 : 16;
        for (int hit = 0; hit < hits; ++hit) {
            const float accent = open ? (hit % 2 ? 0.08f : 0.12f) : (hit % 4 == 2 ? 0.13f : 0.06f);
            score.place(hatVoice(random, open ? 0.07 : 0.025), bar, hit * 4.0 / hits, accent, 0.35f);
        }
    }
    addPickupFill(score, bars - 1, 0.35f, random);
}

// The night air: a breath of low filtered noise swelling twice a loop, a different one on each
// side, and a faint hiss above 5 kHz, like wind in leaves, that swells three times.
void addNightAir(loopScore &score, float gain, float hissGain, soundRandom &random) {
    const size_t frames = score.sound().frames();
    for (const float pan : {-0.8f, 0.8f}) {
        monoBuffer air = whiteNoise(frames, random);
        filterLoop(air, filterShape::band, 650.0, 0.6);
        monoBuffer hiss = whiteNoise(frames, random);
        filterLoop(hiss, filterShape::band, 7500.0, 0.7);
        for (size_t i = 0; i < frames; ++i) {
            const double at = static_cast<double>(i) / static_cast<double>(frames);
            air[i] = static_cast<float>(air[i] * (0.6 + 0.4 * std::sin(twoPi * 2.0 * at + pan)) * gain +
                                        hiss[i] * (0.5 + 0.5 * std::sin(twoPi * 3.0 * at - pan)) * hissGain);
        }
        score.place(air, 0, 0.0, 1.0f, pan);
    }
}

stereoSound finishLoop(loopScore &score, double fileLufs) {
    stereoSound &sound = score.sound();
    reverbLoop(sound, {0.35f, 0.84f, 0.35f});
    removeOffset(sound);
    setLoudness(sound, fileLufs, mixCeiling, true);
    return sound;
}

} // namespace

stereoSound nightMusicLayer(int intensity) {
    soundRandom random(0x4E16A7u + static_cast<uint32_t>(intensity));
    const piece &music = nightPiece;
    const int bars = static_cast<int>(music.bars.size());
    const double loudness = fileLoudnessFor(mixMusicHeard, mixLayerVolumes[intensity - 1]);
    loopScore score(music);
    addPads(score, music, intensity == 1 ? 0.18f : 0.11f, random);
    addNightAir(score, 0.12f, 0.05f, random);
    if (intensity == 1) {
        // The sparse night: a held bass, slow bells and the melody's long notes; in the turn
        // to the major a music box an octave up.
        addHeldBass(score, music, 0.4f);
        const arpeggioStyle slow = {1, {3, 1, 2, 0}, 0.08f, 0.9, 3.0, 1.0, 0};
        addArpeggio(score, music, slow, 0, contrastFrom);
        addArpeggio(score, music, {1, {0, 3, 1, 2}, 0.06f, 0.7, 3.5, 0.8, 12}, contrastFrom, contrastTo);
        addArpeggio(score, music, slow, contrastTo, bars);
        addBellMelody(score, longNotes(nightMelody, 1.0), 0.2f, 1.0, 0.9, 0.15f);
        return finishLoop(score, loudness);
    }
    addWalkingBass(score, music, 0.45f);
    if (intensity == 2) {
        // Motion: the walking bass, eighths of electric piano, soft drums and the whole melody.
        const arpeggioStyle eighths = {2, {0, 1, 2, 3, 2, 1, 2, 1}, 0.11f, 0.35, 1.0, 1.3, 0};
        addArpeggio(score, music, eighths, 0, contrastFrom);
        addArpeggio(score, music, {2, {3, 2, 1, 0, 1, 2, 3, 2}, 0.1f, 0.5, 2.0, 1.0, 0}, contrastFrom,
                    contrastTo);
        addArpeggio(score, music, eighths, contrastTo, bars);
        addBellMelody(score, nightMelody, 0.17f, 1.0, 1.1, 0.15f);
        addCalmDrums(score, bars, random);
        return finishLoop(score, loudness);
    }
    // The full texture: sixteenths, the lead singing the melody, driving drums, and in the turn
    // to the major the sparse layer's bells an octave up as a second voice.
    addArpeggio(score, music,
                {4, {0, 1, 2, 3, 1, 2, 3, 2, 0, 2, 1, 3, 2, 3, 1, 2}, 0.085f, 0.22, 1.0, 1.6, 0});
    addLead(score, nightMelody, 0.16f);
    std::vector<melodyNote> answer;
    for (melodyNote note : longNotes(nightMelody, 1.0)) {
        if (inContrast(note.bar)) {
            note.midi += 12;
            answer.push_back(note);
        }
    }
    addBellMelody(score, answer, 0.08f, 3.5, 0.7, 0.4f);
    addDrivingDrums(score, bars, random);
    return finishLoop(score, loudness);
}

stereoSound titleMusic() {
    soundRandom random(0x717E0u);
    const int bars = static_cast<int>(titlePiece.bars.size());
    loopScore score(titlePiece);
    addPads(score, titlePiece, 0.11f, random);
    addNightAir(score, 0.08f, 0.04f, random);
    addHeldBass(score, titlePiece, 0.32f);
    const arpeggioStyle musicBox = {2, {0, 2, 1, 3, 2, 1, 3, 1}, 0.08f, 0.45, 3.0, 0.9, 0};
    addArpeggio(score, titlePiece, musicBox, 0, 4);
    addArpeggio(score, titlePiece, {2, {3, 1, 2, 0, 1, 3, 2, 0}, 0.07f, 0.6, 3.5, 0.8, 0}, 4, 8);
    addArpeggio(score, titlePiece, musicBox, 8, bars);
    addBellMelody(score, titleMelody, 0.26f, 1.0, 1.1, 0.1f);
    return finishLoop(score, fileLoudnessFor(mixTitleHeard, mixTitleVolume));
}
