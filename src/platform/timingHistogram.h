#pragma once
// Per-pass times counted in fine bins rather than kept one by one, so a run of any length is
// summarised in the same room: each bin is 0.1 % wider than the one before, from a
// microsecond to 100 seconds, and a summary lies within 0.05 % of the exact one (the max is
// exact).
#include <cstdint>
#include <vector>

#include "platform/timingSummary.h"

class timingHistogram {
  public:
    timingHistogram();
    void add(double ms);
    // Nearest-rank percentiles, as summarise(); all zero for no samples.
    timingSummary summary() const;

  private:
    std::vector<std::uint32_t> counts; // sized once, at the start
    std::uint64_t total = 0;
    double maxMs = 0.0;
    double rankedMs(double fraction) const;
};
