#include "timedemo.h"

#include <algorithm>
#include <cmath>
#include <sys/resource.h>

#include "app/jsonLine.h"

// Microseconds are as fine as a pass's timing means anything.
static double toMicroseconds(double ms) {
    return std::round(ms * 1000.0) / 1000.0;
}

static std::string summaryJson(const timingSummary &summary) {
    return jsonLine()
        .add("median_ms", toMicroseconds(summary.medianMs))
        .add("p99_ms", toMicroseconds(summary.p99Ms))
        .add("max_ms", toMicroseconds(summary.maxMs))
        .text();
}

double peakResidentMegabytes() {
    rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

std::string timedemoReport(int passes, const timingSummary &logic, const timingSummary &draw,
                           double startupMs) {
    const std::string figures = jsonLine()
                                    .add("passes", passes)
                                    .add("startup_ms", toMicroseconds(startupMs))
                                    .add("peak_rss_mb", std::round(peakResidentMegabytes() * 10) / 10)
                                    .addRaw("logic", summaryJson(logic))
                                    .addRaw("draw", summaryJson(draw))
                                    .text();
    return jsonLine().addRaw("timedemo", figures).text();
}

std::string levelTimedemoReport(int level, int passes, const timingSummary &logic,
                                const timingSummary &draw) {
    const std::string figures = jsonLine()
                                    .add("level", level)
                                    .add("passes", passes)
                                    .addRaw("logic", summaryJson(logic))
                                    .addRaw("draw", summaryJson(draw))
                                    .text();
    return jsonLine().addRaw("timedemoLevel", figures).text();
}
