// Any bytes in game.sav: the reader decides as the game does, and what it decides holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "levels/savedProgress.h"
#include "platform/firstLine.h"

static constexpr std::string_view newGame = "0000000";

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const firstLineVerdict verdict = judgeFirstLine(bytes, newGame);
    if (verdict.text.size() != newGame.size() || (verdict.malformed && verdict.text != newGame)) {
        std::abort();
    }
    const savedProgress progress = parseSavedGame(verdict.text);
    const int start = progress.startLevel;
    if (start != -1 && start != 1 && start != 4 && start != 6) {
        std::abort();
    }
    for (size_t k = 0; k < progress.flamesWon.size(); k++) {
        if (progress.flamesWon[k] != (verdict.text[k + 1] == '1')) {
            std::abort();
        }
    }
    // The raw bytes as a text of any length: only seven characters say anything.
    const savedProgress raw = parseSavedGame(bytes);
    if (bytes.size() != newGame.size() && raw.startLevel != -1) {
        std::abort();
    }
    return 0;
}
