#include "media/loadingWord.h"

#include "media/glyphs.h"
#include "media/imageBank.h"
#include "platform/windowScaling.h"

namespace {

constexpr char loadingLetters[imageBank::loadingStages + 1] = "loading";
constexpr int loadingLetterX[imageBank::loadingStages] = {25, 39, 55, 71, 87, 95, 111};

void drawLoadingLetter(imageBank &bank, int index, int style) {
    drawLetter(bank, loadingLetterX[index], loadingWordY, std::string_view(&loadingLetters[index], 1), style);
    showScreen(bank.slots[screenSlot]);
}

} // namespace

void loadImagesWithLoadingWord(imageBank &bank, SDL_Surface *screen) {
    // The glyphs arrive with the first stage, so the word can only be drawn after it.
    bank.loadLogoAndFont(screen);
    for (int index = 0; index < imageBank::loadingStages; index++) {
        drawLoadingLetter(bank, index, loadingWordDimStyle);
    }
    drawLoadingLetter(bank, 0, loadingWordLitStyle);
    // After stage k the k-th letter lights up: o after stage 2 ... g after stage 7.
    for (int stage = 2; stage <= imageBank::loadingStages; stage++) {
        bank.loadStage(stage);
        drawLoadingLetter(bank, stage - 1, loadingWordLitStyle);
    }
}
