#pragma once
// Start-up: the pictures load in seven stages while the word "loading", drawn in the
// game's own font, brightens one letter per finished stage.
#include <SDL.h>

class imageBank;

constexpr int loadingWordY = 437;
constexpr int loadingWordDimStyle = 1;
constexpr int loadingWordLitStyle = 4;

// Loads every picture into the bank, keeps `screen` in slot 0 and draws the word on it,
// flipping the screen after each letter.
void loadImagesWithLoadingWord(imageBank &bank, SDL_Surface *screen);
