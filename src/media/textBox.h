#pragma once
// Every letter on screen, in three areas that live apart: the menu box at the top left,
// the one right-aligned message line at the bottom, and free-standing hints. Text is
// written into fixed slots and animated one pass at a time; nothing is allocated here
// once the box is built. Apart from the areas, and unseen by the scripts that read them,
// stand the last message called back by the recall key and the mark of a demo being watched.
#include <string>
#include <string_view>

#include "media/textLetter.h"

class imageBank;

inline constexpr int textAreaSlots = 100; // what the message and hint areas hold
inline constexpr int menuAreaSlots = 320; // the menu box holds the controls page

// What the command operations do to an area: empty it at once ("blank"), flicker the menu
// box out ("menu"), fade the letters out ("fade") or flash them out ("flicker").
enum class textCommand : unsigned char { blank, menu, fade, flicker };

class textArea {
  public:
    textLetter letters[menuAreaSlots];
    int capacity = textAreaSlots; // slots that text may be written into

    // The first slot holding no letter, or null when the area is full.
    textLetter *firstFree();
    bool holdsLetters() const;

    void clearAll();
    void fadeAll();
    void flickerAll();
    // One pass of every letter's effect, in slot order.
    void updateLetters();
    void draw(imageBank &bank) const;
};

// The last message the player was shown, brought back on the message line for a few seconds
// when the player asks. It is drawn only while the message area is empty, so it never
// stands over a message still shown or going.
class messageRecall {
  public:
    std::string line;   // the last message placed; empty before the first
    int passesLeft = 0; // while above 0 the line is shown

    messageRecall();
    void remember(std::string_view text);
    // Shows the line again from the start (nothing when no message has been shown yet).
    void recall();
    void forget();
    // One pass of play: the line stays at full brightness, then dims and goes.
    void update();
    // The brightness the line is drawn at now, 0 darkest ... 4 brightest; -1 when it is not shown.
    int style() const;
};

class textBox {
  public:
    textBox();

    int lineCount = 0;
    bool menuFinished = false;
    bool messageFinished = false;
    bool hintFinished = false;
    std::string pendingMessage = "none"; // waits until the message area is empty

    textArea menu;
    textArea message;
    textArea hint;
    messageRecall recalled;
    bool demoMark = false; // a recorded run is being watched: "demo" shows in the top right corner

    // A line under the others; an instant line is there at once at the dim level,
    // otherwise it writes itself in. A line beginning with "_" is the cursor's line.
    void addMenuLine(std::string_view text, bool instant);
    // blank empties the box; menu makes its lines flicker out.
    void commandMenu(textCommand command);

    // Shows a line at the bottom right, or, while one is still shown, fades that one
    // out and keeps this one until the area is empty.
    void showMessage(std::string_view text);
    // blank or fade.
    void commandMessages(textCommand command);

    void showHint(int x, int y, std::string_view text, bool wavy);
    // A word from the game itself (a save that failed) at the top left, in the hint area:
    // there at once at full brightness, it stays a few seconds and fades by itself.
    void showNotice(std::string_view text);
    // blank, flicker or fade.
    void commandHint(textCommand command);

    void updateMenu();
    void updateMessages();
    void updateHint();

    void drawMenuArea(imageBank &bank) const;
    // The message line, or the recalled one while the line is empty.
    void drawMessageArea(imageBank &bank) const;
    void drawHintArea(imageBank &bank) const;
    // The demo's mark, over everything else; nothing unless demoMark is set.
    void drawDemoMark(imageBank &bank) const;
};
