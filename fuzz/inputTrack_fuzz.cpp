// Any bytes as the replay tool's input track or a demo: it is read or refused with a message,
// and a track that is read is one the replay can play.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/inputTrack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string text(reinterpret_cast<const char *>(data), size);
    inputTrack track;
    std::string error;
    if (!parseInputTrack(text, track, error)) {
        if (error.empty()) {
            std::abort();
        }
        return 0;
    }
    const auto byPass = [](const trackEvent &a, const trackEvent &b) { return a.pass < b.pass; };
    if (!std::is_sorted(track.events.begin(), track.events.end(), byPass)) {
        std::abort();
    }
    // A held range lets go the pass after its last.
    for (const trackEvent &event : track.events) {
        if (event.pass < 1 || event.pass > largestTrackPass + 1 ||
            (track.loopPasses > 0 && event.pass > track.loopPasses)) {
            std::abort();
        }
    }
    // Only a recording is read when cut short, and only when it ends without a line feed.
    if (track.cutShortInLine > 0 && (!track.recorded || text.back() == '\n')) {
        std::abort();
    }
    return 0;
}
