#pragma once
// One letter on screen: where it sits, which glyph and brightness it shows, and the
// little animation ("effect") that brightens, pulses or takes it away pass by pass.
#include <string>

// How a letter brightens, pulses or goes, one step at a time.
enum class letterEffect : unsigned char {
    none,
    wavy,    // pulses between dim and bright: the menu cursor's line
    dim,     // settles at the dim level: the other menu lines
    game,    // brightens to full and stays: messages and hints
    flicker, // runs down to dark, flashes up again while re-flashes remain, and goes
    fade,    // dims step by step and goes
};

class textLetter {
  public:
    int x = 0; // top left corner of the glyph
    int y = 0;
    std::string letter = "none"; // one character, or "none" for a free slot
    letterEffect effect = letterEffect::none;
    int style = 0;        // glyph brightness, 0 darkest ... 4 brightest
    int delay = 0;        // passes before the effect runs at all
    int fadeWait = 0;     // extra passes a fade waits before it starts
    bool falling = false; // direction of the wavy pulse
    int tick = 0;         // passes counted towards the effect's next step
    int flickerCount = 0; // re-flashes a flicker has used

    bool isEmpty() const { return letter == "none"; }
    void clear();

    // Puts a character in this slot with a fresh effect, as the placing operations do.
    void place(int x, int y, char character, letterEffect effect, int style, int delay, int fadeWait);

    // Flash out: from `style` down to dark, re-lit at full brightness until two
    // re-flashes are used, then gone. flickerCount 2 means no re-flash at all.
    void startFlicker(int style, int flickerCount);
    // Dim step by step and go; style, delay and fadeWait stay, so a line fades out in
    // the order its letters came in.
    void startFade();

    // One pass of the letter's effect.
    void update();

  private:
    bool waitForStep(int passesBetweenSteps);
    void stepWavy();
    void stepDim();
    void stepGame();
    void stepFlicker();
    void stepFade();
};
