#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "media/glyphs.h"
#include "media/imageBank.h"
#include "media/syntheticArt.h"
#include "media/textBox.h"
#include "support/sdlTestEnvironment.h"

namespace {

const char *effectName(const letterEffect effect) {
    static const char *const names[] = {"none", "wavy", "dim", "game", "flicker", "fade"};
    return names[static_cast<int>(effect)];
}

// "g 41,51 wavy s2 d0 w2": character, position, effect, style, delay and fadeWait.
std::string describe(const textLetter &letter) {
    return letter.letter + " " + std::to_string(letter.x) + "," + std::to_string(letter.y) + " " +
           effectName(letter.effect) + " s" + std::to_string(letter.style) + " d" +
           std::to_string(letter.delay) + " w" + std::to_string(letter.fadeWait);
}

// Compares the style after each pass ('.' once the letter is gone) with the expected run.
void expectTrace(textLetter letter, const std::string &expected) {
    std::string trace;
    while (trace.size() < expected.size()) {
        letter.update();
        trace += letter.isEmpty() ? '.' : static_cast<char>('0' + letter.style);
    }
    EXPECT_EQ(trace, expected);
}

// The first style held for `first` passes, each later one for `period`, the last seen once.
std::string steps(const std::string &styles, const size_t first, const size_t period) {
    std::string trace(first, styles.front());
    for (size_t i = 1; i + 1 < styles.size(); i++) {
        trace.append(period, styles[i]);
    }
    return trace + styles.back();
}

textLetter letterWith(const letterEffect effect, const int style, const int delay = 0,
                      const int fadeWait = 0) {
    textLetter letter;
    letter.place(0, 0, 'a', effect, style, delay, fadeWait);
    return letter;
}

template <typename Update> void runPasses(textBox &box, Update update, const int passes) {
    for (int i = 0; i < passes; i++) {
        (box.*update)();
    }
}

} // namespace

TEST(TextBoxPlacing, MenuLinesStackAndTheCursorLineHangsLeftOfTheOthers) {
    textBox box;
    box.addMenuLine("paused", false);
    box.addMenuLine("_go back", true);
    EXPECT_EQ(box.lineCount, 2);
    EXPECT_EQ(describe(box.menu.letters[0]), "p 30,30 dim s0 d0 w0");
    EXPECT_EQ(describe(box.menu.letters[5]), "d 111,30 dim s0 d10 w10");
    EXPECT_EQ(describe(box.menu.letters[6]), "_ 23,51 wavy s2 d0 w0");
    EXPECT_EQ(describe(box.menu.letters[7]), "g 41,51 wavy s2 d0 w2");
    EXPECT_EQ(describe(box.menu.letters[9]), "  75,51 wavy s2 d0 w6"); // spaces take a slot too
    EXPECT_EQ(describe(box.menu.letters[10]), "b 83,51 wavy s2 d0 w8");
}

// "w" sits closer before "a" only; the whole width, last "w" included, sets the start.
TEST(TextBoxPlacing, MessagesEndAtTheRightEdgeAndHintsStartWhereAsked) {
    textBox box;
    box.updateMessages();
    box.showMessage("swaw");
    EXPECT_EQ(describe(box.message.letters[0]), "s 555,453 game s0 d0 w0");
    EXPECT_EQ(describe(box.message.letters[1]), "w 573,453 game s0 d2 w2");
    EXPECT_EQ(describe(box.message.letters[2]), "a 592,453 game s0 d4 w4");
    EXPECT_EQ(describe(box.message.letters[3]), "w 608,453 game s0 d6 w6");

    box.showHint(446, 439, "ab", true);
    box.showHint(10, 20, "c", false);
    EXPECT_EQ(describe(box.hint.letters[1]), "b 462,439 wavy s0 d2 w2");
    EXPECT_EQ(describe(box.hint.letters[2]), "c 10,20 game s0 d0 w0");
}

TEST(TextBoxPlacing, AFullAreaCutsTheText) {
    textBox box;
    box.hint.capacity = 3;
    box.showHint(0, 0, "abcd", false);
    EXPECT_EQ(box.hint.letters[2].letter, "c");
    EXPECT_TRUE(box.hint.letters[3].isEmpty());

    box.hint.capacity = textAreaSlots;
    box.showHint(0, 0, std::string(96, 'x'), false);
    box.showHint(5, 6, "yz", false);
    EXPECT_EQ(describe(box.hint.letters[99]), "y 5,6 game s0 d0 w0");
}

TEST(TextBoxEffects, SteadyEffectsStepEverySevenPassesToTheirLevel) {
    expectTrace(letterWith(letterEffect::wavy, 0), steps("01234432112", 6, 7));
    expectTrace(letterWith(letterEffect::dim, 0), steps("0122", 6, 7));
    expectTrace(letterWith(letterEffect::dim, 4), steps("4322", 6, 7));
    expectTrace(letterWith(letterEffect::game, 0, 3), steps("0123444", 9, 7));
    expectTrace(letterWith(letterEffect::none, 3), std::string(20, '3'));
}

TEST(TextBoxEffects, FlickerAndFadeTakeTheLetterAway) {
    textLetter flash = letterWith(letterEffect::none, 0);
    flash.startFlicker(4, 0);
    expectTrace(flash, steps("4321032103210.", 1, 2));
    flash.startFlicker(2, 2);
    expectTrace(flash, steps("210.", 1, 2));

    textLetter fading = letterWith(letterEffect::game, 4, 2, 3);
    fading.startFade();
    expectTrace(fading, steps("43210.", 11, 7));
}

// A highlighted line runs from bright to dark three times, the dim ones once.
TEST(TextBoxMenu, TheMenuCommandFlickersTheBoxOutAndStartsOverAtTheTop) {
    textBox box;
    box.addMenuLine("_a", true);
    box.addMenuLine("b", true);
    box.commandMenu(textCommand::menu);
    EXPECT_EQ(box.lineCount, 0);
    runPasses(box, &textBox::updateMenu, 6);
    EXPECT_TRUE(box.menu.letters[2].isEmpty());
    EXPECT_FALSE(box.menu.letters[1].isEmpty());
    runPasses(box, &textBox::updateMenu, 19);
    EXPECT_FALSE(box.menuFinished);
    box.updateMenu();
    EXPECT_TRUE(box.menuFinished);

    box.addMenuLine("c", false);
    EXPECT_EQ(box.menu.letters[0].y, 30);
    box.addMenuLine("d", false);
    box.commandMenu(textCommand::blank);
    EXPECT_EQ(box.lineCount, 0);
    EXPECT_FALSE(box.menu.holdsLetters());
}

// The new message goes up on the pass the last old letter clears; until then a newer
// request replaces the waiting one.
TEST(TextBoxMessages, AMessageWhileOneIsShownWaitsForTheOldOneToFade) {
    textBox box;
    box.showMessage("hi");
    EXPECT_EQ(box.pendingMessage, "hi"); // the area has not yet reported empty
    box.updateMessages();
    EXPECT_EQ(box.message.letters[1].letter, "i");
    runPasses(box, &textBox::updateMessages, 40);

    box.showMessage("later");
    box.showMessage("next");
    EXPECT_EQ(box.pendingMessage, "next");
    runPasses(box, &textBox::updateMessages, 36); // "i" fades after its two-pass wait
    EXPECT_EQ(box.message.letters[1].letter, "i");
    EXPECT_EQ(box.pendingMessage, "next");
    box.updateMessages();
    EXPECT_EQ(box.pendingMessage, "none");
    EXPECT_EQ(describe(box.message.letters[0]), "n 568,453 game s0 d0 w0");
    EXPECT_EQ(box.message.letters[3].letter, "t");
}

TEST(TextBoxHint, FlickerAndFadeEmptyTheHintArea) {
    textBox box;
    EXPECT_FALSE(box.hintFinished);
    box.updateHint();
    EXPECT_TRUE(box.hintFinished); // empty from the start

    box.showHint(0, 0, "abc", false);
    runPasses(box, &textBox::updateHint, 40);
    box.commandHint(textCommand::fade); // the letters go in the order they came in
    runPasses(box, &textBox::updateHint, 35);
    EXPECT_TRUE(box.hint.letters[0].isEmpty());
    EXPECT_FALSE(box.hint.letters[1].isEmpty());
    runPasses(box, &textBox::updateHint, 3);
    EXPECT_FALSE(box.hintFinished);
    box.updateHint();
    EXPECT_TRUE(box.hintFinished);

    box.showHint(0, 0, "abc", true);
    runPasses(box, &textBox::updateHint, 40);
    box.commandHint(textCommand::flicker);
    runPasses(box, &textBox::updateHint, 25);
    EXPECT_FALSE(box.hintFinished);
    box.updateHint();
    EXPECT_TRUE(box.hintFinished);
}

// Each area draws its own letters, each glyph in its style with its top left at the letter.
TEST(TextBoxDrawing, EachAreaDrawsItsGlyphsAtTheirLetters) {
    SDL_Surface *screen = dummyScreen();
    SDL_FillRect(screen, nullptr, 0);
    const auto bank = std::make_unique<imageBank>();
    bank->slots[screenSlot] = screen;
    bank->slots[glyphSlot('a', 2)] = makeSurface(2, 2, 0xFF0000);
    bank->slots[glyphSlot('b', 0)] = makeSurface(2, 2, 0x00FF00);
    bank->slots[glyphSlot('c', 0)] = makeSurface(2, 2, 0x0000FF);

    textBox box;
    box.addMenuLine("a", true);
    box.showHint(200, 100, " b", false);
    box.updateMessages();
    box.showMessage("c");

    box.drawMenuArea(*bank);
    EXPECT_EQ(texelColour(screen, 31, 31), 0xFF0000u);
    EXPECT_EQ(texelColour(screen, 208, 100), 0u);
    box.drawHintArea(*bank);
    EXPECT_EQ(texelColour(screen, 208, 100), 0x00FF00u);
    EXPECT_EQ(texelColour(screen, 200, 100), 0u);
    box.drawMessageArea(*bank);
    EXPECT_EQ(texelColour(screen, 617, 453), 0x0000FFu);
}
