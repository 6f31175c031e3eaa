#include "soundInstruments.h"

#include <cmath>

namespace {

constexpr double padAttack = 0.7;
constexpr double padRelease = 1.4;
constexpr double bassRelease = 0.12;
constexpr double leadRelease = 0.35;

} // namespace

monoBuffer padVoice(double hz, double heldSeconds, soundRandom &random) {
    const double length = heldSeconds + padRelease;
    monoBuffer voice(secondsToFrames(length));
    const double detune[3] = {-0.006, 0.0, 0.0065};
    double phases[3] = {random.unit(), random.unit(), random.unit()};
    const double breathRate = random.range(0.15f, 0.3f);
    stateVariableFilter filter;
    for (size_t i = 0; i < voice.size(); ++i) {
        const double t = secondsAt(i);
        double sum = 0.0;
        for (int s = 0; s < 3; ++s) {
            const double increment = hz * (1.0 + detune[s]) / sampleRate;
            sum += sawAt(phases[s], increment);
            phases[s] += increment;
        }
        if (i % 16 == 0) {
            filter.tune(hz * 2.5 + 500.0 + 350.0 * std::sin(twoPi * breathRate * t), 0.8);
        }
        filter.process(static_cast<float>(sum / 3.0));
        voice[i] = static_cast<float>(filter.low() * attackRelease(t, padAttack, padRelease, length));
    }
    return voice;
}

monoBuffer bassVoice(double hz, double heldSeconds) {
    const double length = heldSeconds + bassRelease;
    monoBuffer voice(secondsToFrames(length));
    stateVariableFilter filter;
    filter.tune(hz * 4.0, 0.9);
    const double increment = hz / sampleRate;
    double phase = 0.0;
    for (size_t i = 0; i < voice.size(); ++i) {
        const double t = secondsAt(i);
        filter.process(static_cast<float>(sawAt(phase, increment)));
        const double body = 0.8 * sineAt(phase) + 0.45 * filter.low();
        const double shape =
            attackRelease(t, 0.008, bassRelease, length) * (0.75 + 0.25 * std::exp(-t * 3.0));
        voice[i] = static_cast<float>(body * shape);
        phase += increment;
    }
    return voice;
}

monoBuffer bellVoice(double hz, double decaySeconds, double modulatorRatio, double brightness) {
    const double length = decaySeconds * 5.0;
    monoBuffer voice(secondsToFrames(length));
    for (size_t i = 0; i < voice.size(); ++i) {
        const double t = secondsAt(i);
        const double index = brightness * std::exp(-t / (decaySeconds * 0.4));
        const double modulator = std::sin(twoPi * hz * modulatorRatio * t);
        const double carrier = std::sin(twoPi * hz * t + index * modulator);
        const double tail = attackRelease(t, 0.0, length * 0.2, length);
        voice[i] = static_cast<float>(carrier * strikeEnvelope(t, 0.003, decaySeconds) * tail);
    }
    return voice;
}

monoBuffer leadVoice(double hz, double heldSeconds) {
    const double length = heldSeconds + leadRelease;
    monoBuffer voice(secondsToFrames(length));
    stateVariableFilter filter;
    filter.tune(hz * 3.0, 0.7);
    double phase = 0.0;
    for (size_t i = 0; i < voice.size(); ++i) {
        const double t = secondsAt(i);
        const double vibratoDepth = 0.004 * std::min(1.0, std::max(0.0, t - 0.25) / 0.4);
        const double wobble = 1.0 + vibratoDepth * std::sin(twoPi * 5.2 * t);
        filter.process(static_cast<float>(0.7 * triangleAt(phase) + 0.3 * sineAt(phase * 2.0)));
        voice[i] = static_cast<float>(filter.low() * attackRelease(t, 0.06, leadRelease, length));
        phase += hz * wobble / sampleRate;
    }
    return voice;
}

monoBuffer kickVoice(double weight) {
    monoBuffer voice(secondsToFrames(0.45));
    double phase = 0.0;
    for (size_t i = 0; i < voice.size(); ++i) {
        const double t = secondsAt(i);
        const double hz = 44.0 + 80.0 * std::exp(-t / 0.035);
        const double tail = attackRelease(t, 0.0, 0.08, 0.45);
        voice[i] =
            static_cast<float>(weight * std::sin(twoPi * phase) * strikeEnvelope(t, 0.002, 0.16) * tail);
        phase += hz / sampleRate;
    }
    return voice;
}

monoBuffer hatVoice(soundRandom &random, double decaySeconds) {
    const double length = decaySeconds * 6.0;
    monoBuffer voice = whiteNoise(secondsToFrames(length), random);
    filterBuffer(voice, filterShape::high, 7000.0, 0.9);
    for (size_t i = 0; i < voice.size(); ++i) {
        const double t = secondsAt(i);
        voice[i] *=
            static_cast<float>(strikeEnvelope(t, 0.001, decaySeconds) * attackRelease(t, 0.0, 0.01, length));
    }
    return voice;
}

// A soft brushed snare: band-passed noise over a short low tone.
monoBuffer brushVoice(soundRandom &random) {
    const double length = 0.5;
    monoBuffer voice = whiteNoise(secondsToFrames(length), random);
    filterBuffer(voice, filterShape::band, 2200.0, 0.8);
    for (size_t i = 0; i < voice.size(); ++i) {
        const double t = secondsAt(i);
        const double tone = 0.5 * std::sin(twoPi * 185.0 * t) * strikeEnvelope(t, 0.001, 0.05);
        const double hiss = voice[i] * strikeEnvelope(t, 0.004, 0.11);
        voice[i] = static_cast<float>((hiss + tone) * attackRelease(t, 0.0, 0.05, length));
    }
    return voice;
}
