#include "platform/timingSummary.h"

#include <algorithm>
#include <cmath>

static double nearestRank(const std::vector<double> &sorted, double fraction) {
    const size_t rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
    return sorted[std::clamp<size_t>(rank, 1, sorted.size()) - 1];
}

timingSummary summarise(std::vector<double> samplesMs) {
    timingSummary summary;
    if (samplesMs.empty()) {
        return summary;
    }
    std::sort(samplesMs.begin(), samplesMs.end());
    summary.medianMs = nearestRank(samplesMs, 0.5);
    summary.p99Ms = nearestRank(samplesMs, 0.99);
    summary.maxMs = samplesMs.back();
    return summary;
}
