#pragma once
// The synthesiser's building blocks: sample buffers, a seeded random source, oscillators,
// envelopes, filters and the helpers that keep looping sounds seamless.
#include <cstddef>
#include <cstdint>
#include <vector>

constexpr int sampleRate = 44100;

// The time of a frame of a buffer, in seconds from its start.
inline double secondsAt(size_t frame) {
    return static_cast<double>(frame) / sampleRate;
}
constexpr double pi = 3.14159265358979323846;
constexpr double twoPi = 2.0 * pi;

using monoBuffer = std::vector<float>;

struct stereoSound {
    monoBuffer left;
    monoBuffer right;

    stereoSound() = default;
    explicit stereoSound(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
    size_t frames() const { return left.size(); }
};

// Xorshift: the same seed gives the same sound on every machine and every run.
class soundRandom {
  public:
    explicit soundRandom(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
    uint32_t next();
    float unit() { return static_cast<float>(next() >> 8) * (1.0f / 16777216.0f); }
    float bipolar() { return unit() * 2.0f - 1.0f; }
    float range(float low, float high) { return low + (high - low) * unit(); }

  private:
    uint32_t state;
};

size_t secondsToFrames(double seconds);
double midiToHz(double midi);

// Oscillators take the phase in cycles; only the fractional part matters.
double sineAt(double phase);
double triangleAt(double phase);
// Saw with a polyBLEP step so high notes do not alias; increment is cycles per sample.
double sawAt(double phase, double increment);

// Linear rise over attack, hold, linear fall over the last release seconds of length.
double attackRelease(double t, double attack, double release, double length);
// Short linear rise, then an exponential fall with the given time constant.
double strikeEnvelope(double t, double attack, double decay);

// Topology-preserving state-variable filter: stable while its cutoff moves every sample.
class stateVariableFilter {
  public:
    void tune(double cutoffHz, double resonanceQ);
    void process(float input);
    float low() const { return lowOut; }
    float band() const { return bandOut; }
    float high() const { return highOut; }

  private:
    double g = 0.0, k = 1.0, a1 = 0.0, a2 = 0.0, a3 = 0.0;
    double ic1 = 0.0, ic2 = 0.0;
    float lowOut = 0.0f, bandOut = 0.0f, highOut = 0.0f;
};

enum class filterShape { low, band, high };

// Filters a one-shot buffer from silence.
void filterBuffer(monoBuffer &buffer, filterShape shape, double cutoffHz, double resonanceQ);
// Filters a loop as a circle: the filter runs over it once to settle, and the second pass is kept,
// so the state at the end carries into the start with no jump.
void filterLoop(monoBuffer &loop, filterShape shape, double cutoffHz, double resonanceQ);

// Adds a voice into a loop at start, wrapping past the end so tails ring into the next cycle.
void addWrapped(stereoSound &loop, const monoBuffer &voice, size_t start, float gain, float pan);
// Adds a voice into a one-shot at start, dropping whatever falls past the end.
void addClipped(stereoSound &sound, const monoBuffer &voice, size_t start, float gain, float pan);

monoBuffer whiteNoise(size_t frames, soundRandom &random);

void removeOffset(stereoSound &sound);
void normalisePeak(stereoSound &sound, float peak);
// Short ramps at both ends so a one-shot starts and stops at silence.
void fadeEdges(stereoSound &sound, double fadeInSeconds, double fadeOutSeconds);
