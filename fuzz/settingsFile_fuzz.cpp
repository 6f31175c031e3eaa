// Any bytes in settings.sav: the reader decides as the game does, and what it decides holds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/firstLine.h"
#include "platform/settingsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    const firstLineVerdict verdict = judgeFirstLine(bytes, defaultSettingsText);
    if (verdict.text.size() != 2) {
        std::abort();
    }
    if (!verdict.malformed && verdict.text != firstLineOf(bytes)) {
        std::abort();
    }
    gameFlags flags;
    applySettingsText(verdict.text, flags);
    if (flags.fullscreen != (verdict.text[0] == '1') || flags.thirtyFps != (verdict.text[1] == '1')) {
        std::abort();
    }
    return 0;
}
