#include "media/textBox.h"

#include <algorithm>

#include "media/glyphs.h"

namespace {

constexpr int menuLeft = 30;
constexpr int cursorLeft = 23; // the arrow hangs a little left of the other lines
constexpr int menuTop = 30;
constexpr int menuLineHeight = 21;
constexpr int messageRight = 633;
constexpr int messageTop = 453;
constexpr int dimStyle = 2;        // where a menu line rests, and where an instant line starts
constexpr int flashStyle = 4;      // a flicker starts at full brightness
constexpr int noReFlash = 2;       // a flicker with both re-flashes used goes after one run
constexpr int passesPerLetter = 2; // a line writes itself in one letter every two passes
constexpr int noticeLeft = 8;
constexpr int noticeTop = 8;
constexpr int brightStyle = 4;
constexpr int noticePasses = 240;  // four seconds at full brightness before the fade
constexpr int recallPasses = 300;  // five seconds, the last of them dimming away
constexpr int recallDimPasses = 8; // each darker style of the closing fade holds this long
constexpr int demoMarkRight = 632;
constexpr int demoMarkTop = 8;
constexpr int demoMarkStyle = 2; // dim: a word in the corner, not a message

// How a placing operation lays out its text.
struct textPlacement {
    int x;
    int y;
    letterEffect effect;
    int style;
    bool instant; // no write-in delay
};

char nextCharacter(const std::string_view text, const size_t index) {
    return index + 1 < text.size() ? text[index + 1] : '\0';
}

int textWidth(const std::string_view text) {
    int width = 0;
    for (size_t i = 0; i < text.size(); i++) {
        width += letterAdvance(text[i], nextCharacter(text, i));
    }
    return width;
}

// The text's letters from (x, y) on, each in the style, straight onto the screen.
void drawLine(imageBank &bank, const int x, const int y, const std::string_view text, const int style) {
    int pen = 0;
    for (size_t i = 0; i < text.size(); i++) {
        drawLetter(bank, x + pen, y, text.substr(i, 1), style);
        pen += letterAdvance(text[i], nextCharacter(text, i));
    }
}

// Fills the first free slots with the text; what does not fit is dropped.
void placeText(textArea &area, const std::string_view text, const textPlacement &placement) {
    int pen = 0;
    for (size_t i = 0; i < text.size(); i++) {
        textLetter *const slot = area.firstFree();
        if (slot == nullptr) {
            return;
        }
        const int order = passesPerLetter * static_cast<int>(i);
        const int delay = placement.instant ? 0 : order;
        slot->place(placement.x + pen, placement.y, text[i], placement.effect, placement.style, delay, order);
        pen += letterAdvance(text[i], nextCharacter(text, i));
    }
}

} // namespace

textLetter *textArea::firstFree() {
    const int usable = capacity < menuAreaSlots ? capacity : menuAreaSlots;
    for (int i = 0; i < usable; i++) {
        if (letters[i].isEmpty()) {
            return &letters[i];
        }
    }
    return nullptr;
}

bool textArea::holdsLetters() const {
    for (const textLetter &letter : letters) {
        if (!letter.isEmpty()) {
            return true;
        }
    }
    return false;
}

void textArea::clearAll() {
    for (textLetter &letter : letters) {
        letter.clear();
    }
}

// Free slots are left cleared: there is nothing in them to fade or flicker.
void textArea::fadeAll() {
    for (textLetter &letter : letters) {
        if (!letter.isEmpty()) {
            letter.startFade();
        }
    }
}

void textArea::flickerAll() {
    for (textLetter &letter : letters) {
        if (!letter.isEmpty()) {
            letter.startFlicker(flashStyle, 0);
        }
    }
}

void textArea::updateLetters() {
    for (textLetter &letter : letters) {
        letter.update();
    }
}

void textArea::draw(imageBank &bank) const {
    for (const textLetter &letter : letters) {
        drawLetter(bank, letter.x, letter.y, letter.letter, letter.style);
    }
}

messageRecall::messageRecall() {
    line.reserve(textAreaSlots); // so remembering a message never allocates
}

void messageRecall::remember(const std::string_view text) {
    line.assign(text);
}

void messageRecall::recall() {
    passesLeft = line.empty() ? 0 : recallPasses;
}

void messageRecall::forget() {
    line.clear();
    passesLeft = 0;
}

void messageRecall::update() {
    if (passesLeft > 0) {
        passesLeft--;
    }
}

int messageRecall::style() const {
    if (passesLeft <= 0) {
        return -1;
    }
    return std::min(brightStyle, (passesLeft - 1) / recallDimPasses);
}

textBox::textBox() {
    menu.capacity = menuAreaSlots;
    // Room for any message the area can show, so queueing one never allocates.
    pendingMessage.reserve(textAreaSlots);
}

void textBox::addMenuLine(const std::string_view text, const bool instant) {
    const bool cursorLine = text.starts_with('_');
    const textPlacement placement{cursorLine ? cursorLeft : menuLeft, menuTop + menuLineHeight * lineCount,
                                  cursorLine ? letterEffect::wavy : letterEffect::dim, instant ? dimStyle : 0,
                                  instant};
    placeText(menu, text, placement);
    lineCount++;
}

void textBox::commandMenu(const textCommand command) {
    lineCount = 0;
    if (command == textCommand::blank) {
        menu.clearAll();
        return;
    }
    if (command != textCommand::menu) {
        return;
    }
    // The cursor's line flashes out three times, the dim lines darken once and go.
    for (textLetter &letter : menu.letters) {
        if (letter.isEmpty()) {
            continue;
        }
        if (letter.effect == letterEffect::wavy) {
            letter.startFlicker(flashStyle, 0);
        } else if (letter.effect == letterEffect::dim) {
            letter.startFlicker(dimStyle, noReFlash);
        }
    }
}

void textBox::showMessage(const std::string_view text) {
    if (!messageFinished) {
        message.fadeAll();
        pendingMessage.assign(text);
        return;
    }
    placeText(message, text, {messageRight - textWidth(text), messageTop, letterEffect::game, 0, false});
    recalled.remember(text);
}

void textBox::commandMessages(const textCommand command) {
    if (command == textCommand::blank) {
        message.clearAll();
    } else if (command == textCommand::fade) {
        message.fadeAll();
    }
}

void textBox::showHint(const int x, const int y, const std::string_view text, const bool wavy) {
    placeText(hint, text, {x, y, wavy ? letterEffect::wavy : letterEffect::game, 0, false});
}

void textBox::showNotice(const std::string_view text) {
    int pen = 0;
    for (size_t i = 0; i < text.size(); i++) {
        textLetter *const slot = hint.firstFree();
        if (slot == nullptr) {
            return;
        }
        // The letters go in the order they stand, as a line that wrote itself in would.
        const int fadeWait = noticePasses + passesPerLetter * static_cast<int>(i);
        slot->place(noticeLeft + pen, noticeTop, text[i], letterEffect::fade, brightStyle, 0, fadeWait);
        pen += letterAdvance(text[i], nextCharacter(text, i));
    }
}

void textBox::commandHint(const textCommand command) {
    if (command == textCommand::blank) {
        hint.clearAll();
    } else if (command == textCommand::flicker) {
        hint.flickerAll();
    } else if (command == textCommand::fade) {
        hint.fadeAll();
    }
}

void textBox::updateMenu() {
    menu.updateLetters();
    menuFinished = !menu.holdsLetters();
}

// A waiting message goes up on the very pass the old one is gone.
void textBox::updateMessages() {
    message.updateLetters();
    messageFinished = !message.holdsLetters();
    if (messageFinished && pendingMessage != "none") {
        showMessage(pendingMessage);
        pendingMessage = "none";
    }
}

void textBox::updateHint() {
    hint.updateLetters();
    hintFinished = !hint.holdsLetters();
}

void textBox::drawMenuArea(imageBank &bank) const {
    menu.draw(bank);
}

void textBox::drawMessageArea(imageBank &bank) const {
    message.draw(bank);
    if (const int style = recalled.style(); style >= 0 && !message.holdsLetters()) {
        drawLine(bank, messageRight - textWidth(recalled.line), messageTop, recalled.line, style);
    }
}

void textBox::drawHintArea(imageBank &bank) const {
    hint.draw(bank);
}

void textBox::drawDemoMark(imageBank &bank) const {
    if (demoMark) {
        constexpr std::string_view mark = "demo";
        drawLine(bank, demoMarkRight - textWidth(mark), demoMarkTop, mark, demoMarkStyle);
    }
}
