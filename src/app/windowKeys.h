#pragma once
// F12 and Alt+Enter: keys for the window, not for the game. Neither can be bound to another
// key, and neither is recorded, so a recording plays back the same whatever was pressed.
#include <string>

class game;

// Alt+Enter: fullscreen on or off, as the settings page's fullscreen line does it (saved at
// once, followed at the next pass), and that line relabelled when a menu shows it.
void switchFullscreen(game &session);

// F12: the screen as the last pass drew it, 640 x 480 as the game draws it before the window
// scales it, written as a PNG to a new file in the folder (made when missing); where it went,
// or why it could not go, is said in one line on standard error. Play goes on either way.
void saveScreenshot(const game &session, const std::string &folder);

// Whatever of the two the last pass's poll met, after that pass was drawn.
void followWindowKeys(game &session, const std::string &screenshotFolder);
