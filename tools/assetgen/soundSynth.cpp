#include "soundSynth.h"

#include <algorithm>
#include <cmath>

uint32_t soundRandom::next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

size_t secondsToFrames(double seconds) {
    return static_cast<size_t>(std::lround(seconds * sampleRate));
}

double midiToHz(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

static double fraction(double phase) {
    return phase - std::floor(phase);
}

double sineAt(double phase) {
    return std::sin(twoPi * fraction(phase));
}

double triangleAt(double phase) {
    const double p = fraction(phase);
    return p < 0.5 ? 4.0 * p - 1.0 : 3.0 - 4.0 * p;
}

// Smooths the saw's reset over one sample on each side of the step.
static double polyBlep(double p, double increment) {
    if (p < increment) {
        const double x = p / increment;
        return x + x - x * x - 1.0;
    }
    if (p > 1.0 - increment) {
        const double x = (p - 1.0) / increment;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}

double sawAt(double phase, double increment) {
    const double p = fraction(phase);
    return 2.0 * p - 1.0 - polyBlep(p, increment);
}

double attackRelease(double t, double attack, double release, double length) {
    if (t < 0.0 || t >= length) {
        return 0.0;
    }
    const double rise = attack > 0.0 ? std::min(1.0, t / attack) : 1.0;
    const double fall = release > 0.0 ? std::min(1.0, (length - t) / release) : 1.0;
    return std::min(rise, fall);
}

double strikeEnvelope(double t, double attack, double decay) {
    if (t < 0.0) {
        return 0.0;
    }
    if (t < attack) {
        return t / attack;
    }
    return std::exp(-(t - attack) / decay);
}

void stateVariableFilter::tune(double cutoffHz, double resonanceQ) {
    const double limited = std::clamp(cutoffHz, 10.0, sampleRate * 0.45);
    g = std::tan(pi * limited / sampleRate);
    k = 1.0 / resonanceQ;
    a1 = 1.0 / (1.0 + g * (g + k));
    a2 = g * a1;
    a3 = g * a2;
}

void stateVariableFilter::process(float input) {
    const double v3 = input - ic2;
    const double v1 = a1 * ic1 + a2 * v3;
    const double v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2.0 * v1 - ic1;
    ic2 = 2.0 * v2 - ic2;
    lowOut = static_cast<float>(v2);
    bandOut = static_cast<float>(v1);
    highOut = static_cast<float>(input - k * v1 - v2);
}

static float pick(const stateVariableFilter &filter, filterShape shape) {
    switch (shape) {
    case filterShape::low:
        return filter.low();
    case filterShape::band:
        return filter.band();
    case filterShape::high:
        return filter.high();
    }
    return 0.0f;
}

void filterBuffer(monoBuffer &buffer, filterShape shape, double cutoffHz, double resonanceQ) {
    stateVariableFilter filter;
    filter.tune(cutoffHz, resonanceQ);
    for (float &sample : buffer) {
        filter.process(sample);
        sample = pick(filter, shape);
    }
}

void filterLoop(monoBuffer &loop, filterShape shape, double cutoffHz, double resonanceQ) {
    stateVariableFilter filter;
    filter.tune(cutoffHz, resonanceQ);
    for (const float sample : loop) {
        filter.process(sample);
    }
    for (float &sample : loop) {
        filter.process(sample);
        sample = pick(filter, shape);
    }
}

// Equal-power pan: -1 is hard left, +1 hard right.
static void panGains(float pan, float gain, float &left, float &right) {
    const double angle = (std::clamp(pan, -1.0f, 1.0f) + 1.0) * pi * 0.25;
    left = static_cast<float>(gain * std::cos(angle) * std::sqrt(2.0));
    right = static_cast<float>(gain * std::sin(angle) * std::sqrt(2.0));
}

void addWrapped(stereoSound &loop, const monoBuffer &voice, size_t start, float gain, float pan) {
    const size_t length = loop.frames();
    if (length == 0) {
        return;
    }
    float leftGain = 0.0f, rightGain = 0.0f;
    panGains(pan, gain, leftGain, rightGain);
    size_t at = start % length;
    for (const float sample : voice) {
        loop.left[at] += sample * leftGain;
        loop.right[at] += sample * rightGain;
        if (++at == length) {
            at = 0;
        }
    }
}

void addClipped(stereoSound &sound, const monoBuffer &voice, size_t start, float gain, float pan) {
    float leftGain = 0.0f, rightGain = 0.0f;
    panGains(pan, gain, leftGain, rightGain);
    for (size_t i = 0; i < voice.size() && start + i < sound.frames(); ++i) {
        sound.left[start + i] += voice[i] * leftGain;
        sound.right[start + i] += voice[i] * rightGain;
    }
}

monoBuffer whiteNoise(size_t frames, soundRandom &random) {
    monoBuffer noise(frames);
    for (float &sample : noise) {
        sample = random.bipolar();
    }
    return noise;
}

static void subtractMean(monoBuffer &buffer) {
    if (buffer.empty()) {
        return;
    }
    double sum = 0.0;
    for (const float sample : buffer) {
        sum += sample;
    }
    const float mean = static_cast<float>(sum / buffer.size());
    for (float &sample : buffer) {
        sample -= mean;
    }
}

void removeOffset(stereoSound &sound) {
    subtractMean(sound.left);
    subtractMean(sound.right);
}

void normalisePeak(stereoSound &sound, float peak) {
    float loudest = 0.0f;
    for (size_t i = 0; i < sound.frames(); ++i) {
        loudest = std::max({loudest, std::fabs(sound.left[i]), std::fabs(sound.right[i])});
    }
    if (loudest <= 0.0f) {
        return;
    }
    const float scale = peak / loudest;
    for (size_t i = 0; i < sound.frames(); ++i) {
        sound.left[i] *= scale;
        sound.right[i] *= scale;
    }
}

void fadeEdges(stereoSound &sound, double fadeInSeconds, double fadeOutSeconds) {
    const size_t frames = sound.frames();
    const size_t fadeIn = std::min(frames, secondsToFrames(fadeInSeconds));
    const size_t fadeOut = std::min(frames, secondsToFrames(fadeOutSeconds));
    for (size_t i = 0; i < fadeIn; ++i) {
        const float gain = static_cast<float>(i) / fadeIn;
        sound.left[i] *= gain;
        sound.right[i] *= gain;
    }
    for (size_t i = 0; i < fadeOut; ++i) {
        const float gain = static_cast<float>(i) / fadeOut;
        sound.left[frames - 1 - i] *= gain;
        sound.right[frames - 1 - i] *= gain;
    }
}
