#pragma once
// What the browser page's scripts may ask of the running game (the browser build only).
class game;

// The game being played; null before it is built and after the player quits.
const game *runningGame();
// Passes run since the start, numbered from 1 as the replay tool numbers them.
int passesRun();
// Stops running passes once this many have run, the screen showing the last; a negative
// number lets them run. The game starts held before its first pass, until the page lets it go.
void holdAfterPass(int pass);
