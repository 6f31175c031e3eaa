#pragma once
// Per-pass timings summarised as median, 99th percentile and max.
#include <vector>

struct timingSummary {
    double medianMs = 0.0;
    double p99Ms = 0.0;
    double maxMs = 0.0;
};

// Nearest-rank percentiles; all zero for no samples.
timingSummary summarise(std::vector<double> samplesMs);
