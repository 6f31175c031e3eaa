#pragma once
// Per-pass timings of the logic and the drawing, summarised as median, 99th percentile and max.
#include <string>
#include <vector>

struct timingSummary {
    double medianMs = 0.0;
    double p99Ms = 0.0;
    double maxMs = 0.0;
};

// Nearest-rank percentiles; all zero for no samples.
timingSummary summarise(std::vector<double> samplesMs);

// Start-up is the time from the tool's start to the first pass; peak memory is the
// process's largest resident size so far.
std::string timedemoReport(int passes, const timingSummary &logic, const timingSummary &draw,
                           double startupMs);

// One level's share of a run: {"timedemoLevel": {"level": L, "passes": N, "logic": ..., "draw": ...}}.
std::string levelTimedemoReport(int level, int passes, const timingSummary &logic, const timingSummary &draw);

double peakResidentMegabytes();
