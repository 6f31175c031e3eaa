#include "platform/timingHistogram.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double smallestMs = 0.001;
constexpr double binRatio = 1.001;
// ln(100 s / 1 µs) / ln(1.001), rounded up.
constexpr std::size_t binCount = 18432;

std::size_t binOf(const double ms) {
    if (!(ms > smallestMs)) {
        return 0;
    }
    const double bin = std::log(ms / smallestMs) / std::log(binRatio);
    return std::min(static_cast<std::size_t>(bin), binCount - 1);
}

// The bin's middle, on its own scale.
double middleOf(const std::size_t bin) {
    return smallestMs * std::pow(binRatio, static_cast<double>(bin) + 0.5);
}

} // namespace

timingHistogram::timingHistogram() : counts(binCount, 0) {}

void timingHistogram::add(const double ms) {
    counts[binOf(ms)]++;
    total++;
    maxMs = std::max(maxMs, ms);
}

double timingHistogram::rankedMs(const double fraction) const {
    const auto rank = std::max<std::uint64_t>(
        1, static_cast<std::uint64_t>(std::ceil(fraction * static_cast<double>(total))));
    std::uint64_t seen = 0;
    for (std::size_t bin = 0; bin < binCount; bin++) {
        seen += counts[bin];
        if (seen >= rank) {
            return std::min(middleOf(bin), maxMs);
        }
    }
    return maxMs;
}

timingSummary timingHistogram::summary() const {
    if (total == 0) {
        return {};
    }
    return {.medianMs = rankedMs(0.5), .p99Ms = rankedMs(0.99), .maxMs = maxMs};
}
