#pragma once
// Per-pass timings of the logic and the drawing, summarised as median, 99th percentile and max.
#include <string>
#include <vector>

#include "platform/timingSummary.h"

// Start-up is the time from the tool's start to the first pass; peak memory is the
// process's largest resident size so far.
std::string timedemoReport(int passes, const timingSummary &logic, const timingSummary &draw,
                           double startupMs);

// One level's share of a run: {"timedemoLevel": {"level": L, "passes": N, "logic": ..., "draw": ...}}.
std::string levelTimedemoReport(int level, int passes, const timingSummary &logic, const timingSummary &draw);

double peakResidentMegabytes();
