#include "soundLoudness.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double silentLufs = -70.0;
constexpr size_t blockFrames = sampleRate * 4 / 10; // 400 ms blocks, every 100 ms
constexpr size_t blockStep = blockFrames / 4;

struct biquad {
    double b0, b1, b2, a1, a2;
    double z1 = 0.0, z2 = 0.0;
    double process(double x) {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// The ear's weighting: a shelf lifting the highs by 4 dB, and a high-pass under 40 Hz.
biquad highShelf() {
    const double gain = std::pow(10.0, 3.999843853973347 / 40.0);
    const double w0 = twoPi * 1681.974450955533 / sampleRate;
    const double alpha = std::sin(w0) / (2.0 * 0.7071752369554196);
    const double c = std::cos(w0), root = 2.0 * std::sqrt(gain) * alpha;
    const double a0 = (gain + 1) - (gain - 1) * c + root;
    return {gain * ((gain + 1) + (gain - 1) * c + root) / a0, -2 * gain * ((gain - 1) + (gain + 1) * c) / a0,
            gain * ((gain + 1) + (gain - 1) * c - root) / a0, 2 * ((gain - 1) - (gain + 1) * c) / a0,
            ((gain + 1) - (gain - 1) * c - root) / a0};
}

biquad lowCut() {
    const double w0 = twoPi * 38.13547087602444 / sampleRate;
    const double alpha = std::sin(w0) / (2.0 * 0.5003270373238773);
    const double c = std::cos(w0), a0 = 1 + alpha;
    return {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
}

// The weighted signal's energy, summed from the start: a loop is filtered round twice so the
// filters carry the end's state into its start.
std::vector<double> weightedEnergy(const stereoSound &sound, bool looped) {
    std::vector<double> sums(sound.frames() + 1, 0.0);
    for (const monoBuffer *channel : {&sound.left, &sound.right}) {
        biquad shelf = highShelf(), cut = lowCut();
        if (looped) {
            for (const float sample : *channel) {
                cut.process(shelf.process(sample));
            }
        }
        double running = 0.0;
        for (size_t i = 0; i < channel->size(); ++i) {
            const double y = cut.process(shelf.process((*channel)[i]));
            running += y * y;
            sums[i + 1] += running;
        }
    }
    return sums;
}

double lufsOf(double meanSquare) {
    return meanSquare > 0.0 ? -0.691 + 10.0 * std::log10(meanSquare) : -1000.0;
}

double meanOf(const std::vector<double> &values) {
    double sum = 0.0;
    for (const double v : values) {
        sum += v;
    }
    return values.empty() ? 0.0 : sum / static_cast<double>(values.size());
}

// The value at i, from the other end of a loop or held at the edge of a one-shot.
float wrappedAt(const std::vector<float> &values, long i, bool looped) {
    const long n = static_cast<long>(values.size());
    return values[static_cast<size_t>(looped ? (i % n + n) % n : std::clamp(i, 0L, n - 1))];
}

// The smallest value within radius frames either side (van Herk's running minimum).
std::vector<float> slidingMinimum(const std::vector<float> &values, size_t radius, bool looped) {
    const size_t width = 2 * radius + 1;
    std::vector<float> padded(values.size() + 2 * radius);
    for (size_t i = 0; i < padded.size(); ++i) {
        padded[i] = wrappedAt(values, static_cast<long>(i) - static_cast<long>(radius), looped);
    }
    const size_t m = padded.size();
    std::vector<float> fromLeft(m), fromRight(m);
    for (size_t i = 0; i < m; ++i) {
        fromLeft[i] = i % width == 0 ? padded[i] : std::min(fromLeft[i - 1], padded[i]);
    }
    for (size_t i = m; i-- > 0;) {
        fromRight[i] =
            (i % width == width - 1 || i == m - 1) ? padded[i] : std::min(fromRight[i + 1], padded[i]);
    }
    std::vector<float> out(values.size());
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = std::min(fromRight[i], fromLeft[i + width - 1]);
    }
    return out;
}

// The mean within radius frames either side. Over a running minimum of the same radius it
// never rises above what the sample in its middle needs.
std::vector<float> slidingMean(const std::vector<float> &values, size_t radius, bool looped) {
    const long reach = static_cast<long>(radius);
    double window = 0.0;
    for (long i = -reach; i <= reach; ++i) {
        window += wrappedAt(values, i, looped);
    }
    std::vector<float> out(values.size());
    for (size_t i = 0; i < out.size(); ++i) {
        const long at = static_cast<long>(i);
        out[i] = static_cast<float>(window / static_cast<double>(2 * radius + 1));
        window += wrappedAt(values, at + reach + 1, looped) - wrappedAt(values, at - reach, looped);
    }
    return out;
}

void limitPeaks(stereoSound &sound, float ceiling, bool looped) {
    const size_t n = sound.frames();
    std::vector<float> wanted(n, 1.0f);
    bool any = false;
    for (size_t i = 0; i < n; ++i) {
        const float peak = std::max(std::fabs(sound.left[i]), std::fabs(sound.right[i]));
        if (peak > ceiling) {
            wanted[i] = ceiling / peak;
            any = true;
        }
    }
    if (!any) {
        return;
    }
    const size_t radius = secondsToFrames(0.01);
    const std::vector<float> gain = slidingMean(slidingMinimum(wanted, radius, looped), radius, looped);
    for (size_t i = 0; i < n; ++i) {
        sound.left[i] *= gain[i];
        sound.right[i] *= gain[i];
    }
}

void scale(stereoSound &sound, double decibels) {
    const float factor = static_cast<float>(std::pow(10.0, decibels / 20.0));
    for (size_t i = 0; i < sound.frames(); ++i) {
        sound.left[i] *= factor;
        sound.right[i] *= factor;
    }
}

} // namespace

double integratedLoudness(const stereoSound &sound, bool looped) {
    const size_t n = sound.frames();
    if (n == 0) {
        return silentLufs;
    }
    const std::vector<double> sums = weightedEnergy(sound, looped);
    auto energyBetween = [&](size_t from, size_t length) {
        // A block past a loop's end takes its rest from the start; a one-shot's is cut short.
        if (from + length <= n) {
            return (sums[from + length] - sums[from]) / static_cast<double>(length);
        }
        const size_t rest = from + length - n;
        const double tail = sums[n] - sums[from];
        return looped ? (tail + sums[std::min(rest, n)]) / static_cast<double>(length)
                      : tail / static_cast<double>(n - from);
    };
    std::vector<double> blocks;
    const size_t length = std::min(blockFrames, n);
    const size_t last = looped ? n : n - length + 1;
    for (size_t from = 0; from < last; from += blockStep) {
        const double energy = energyBetween(from, length);
        if (lufsOf(energy) > silentLufs) {
            blocks.push_back(energy);
        }
    }
    const double gate = lufsOf(meanOf(blocks)) - 10.0;
    std::vector<double> kept;
    for (const double energy : blocks) {
        if (lufsOf(energy) > gate) {
            kept.push_back(energy);
        }
    }
    return kept.empty() ? silentLufs : std::max(silentLufs, lufsOf(meanOf(kept)));
}

double heardLoudness(double fileLufs, int channelVolume) {
    return fileLufs + 20.0 * std::log10(channelVolume / 128.0);
}

double fileLoudnessFor(double heardLufs, int channelVolume) {
    return heardLufs - 20.0 * std::log10(channelVolume / 128.0);
}

void setLoudness(stereoSound &sound, double lufs, float ceiling, bool looped) {
    // The limiter takes a little loudness off the loudest sounds; a second round gives it back.
    for (int round = 0; round < 3; ++round) {
        scale(sound, lufs - integratedLoudness(sound, looped));
        limitPeaks(sound, ceiling, looped);
    }
}
