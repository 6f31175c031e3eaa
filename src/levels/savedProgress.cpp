#include "levels/savedProgress.h"

static int checkpointLevel(const char checkpoint) {
    switch (checkpoint) {
    case '0':
        return 1;
    case '1':
        return 4;
    case '2':
        return 6;
    default:
        return -1;
    }
}

savedProgress parseSavedGame(std::string_view text) {
    savedProgress progress;
    if (text.size() != 1 + progress.flamesWon.size()) {
        return progress;
    }
    progress.startLevel = checkpointLevel(text[0]);
    for (size_t k = 0; k < progress.flamesWon.size(); k++) {
        progress.flamesWon[k] = text[k + 1] == '1';
    }
    return progress;
}
