#include "media/textLetter.h"

namespace {
constexpr int brightest = 4;
constexpr int slowStep = 7; // passes per step of a wavy, dim, game or fading letter
constexpr int fastStep = 2; // passes per step of a flicker
constexpr int dimRest = 2;  // where a dim letter settles
constexpr int reFlashes = 2;
} // namespace

void textLetter::clear() {
    x = 0;
    y = 0;
    letter = "none";
    effect = letterEffect::none;
    style = 0;
    delay = 0;
    fadeWait = 0;
    falling = false;
    tick = 0;
    flickerCount = 0;
}

void textLetter::place(const int atX, const int atY, const char character, const letterEffect newEffect,
                       const int newStyle, const int newDelay, const int newFadeWait) {
    clear();
    x = atX;
    y = atY;
    letter.assign(1, character); // fits the string's own storage: nothing is allocated
    effect = newEffect;
    style = newStyle;
    delay = newDelay;
    fadeWait = newFadeWait;
}

void textLetter::startFlicker(const int newStyle, const int newFlickerCount) {
    style = newStyle;
    effect = letterEffect::flicker;
    falling = false;
    tick = 0;
    flickerCount = newFlickerCount;
}

void textLetter::startFade() {
    effect = letterEffect::fade;
    falling = false;
    tick = 0;
    flickerCount = 0;
}

void textLetter::update() {
    if (delay > 0) {
        delay--;
        return;
    }
    switch (effect) {
    case letterEffect::none:
        break;
    case letterEffect::wavy:
        stepWavy();
        break;
    case letterEffect::dim:
        stepDim();
        break;
    case letterEffect::game:
        stepGame();
        break;
    case letterEffect::flicker:
        stepFlicker();
        break;
    case letterEffect::fade:
        stepFade();
        break;
    }
}

// Counts a pass towards the next step; true on the pass that takes the step.
bool textLetter::waitForStep(const int passesBetweenSteps) {
    if (tick < passesBetweenSteps - 1) {
        tick++;
        return false;
    }
    tick = 0;
    return true;
}

// Pulses between 1 and 4, resting one step at each end as it turns.
void textLetter::stepWavy() {
    if (!waitForStep(slowStep)) {
        return;
    }
    if (!falling) {
        if (style < brightest) {
            style++;
        } else {
            falling = true;
        }
    } else {
        if (style > 1) {
            style--;
        } else {
            falling = false;
        }
    }
}

// Settles at the dim level from either side and stays there.
void textLetter::stepDim() {
    if (!waitForStep(slowStep)) {
        return;
    }
    if (style < dimRest) {
        style++;
    }
    if (style > dimRest) {
        style--;
    }
}

// Brightens to full and stays.
void textLetter::stepGame() {
    if (!waitForStep(slowStep)) {
        return;
    }
    if (style < brightest) {
        style++;
    }
}

// Runs down to dark, flashes back to full while re-flashes remain, and goes.
void textLetter::stepFlicker() {
    if (!waitForStep(fastStep)) {
        return;
    }
    if (style == 0 && flickerCount < reFlashes) {
        style = brightest;
        flickerCount++;
    }
    if (style > 0) {
        style--;
    } else {
        clear();
    }
}

void textLetter::stepFade() {
    if (fadeWait > 0) {
        fadeWait--;
        return;
    }
    if (!waitForStep(slowStep)) {
        return;
    }
    if (style > 0) {
        style--;
    } else {
        clear();
    }
}
