#pragma once
// The settings page of both menus, on the title and in the pause: the fullscreen and 30 fps
// toggles, each with its " - on" or " - off" label, and "go back". A toggle is written to
// the settings file at once and takes effect at the next pass of the main loop.
#include <string>

class menuPages;
class textBox;
struct scriptServices;
struct gameFlags;

class settingsPage {
  public:
    static constexpr int goBackItem = 2;

    // The labels as the page shows them: read from the flags when a menu opens, changed
    // by the toggles.
    std::string fullscreenLabel = " - off";
    std::string thirtyFpsLabel = " - off";

    void readFlags(const gameFlags &flags);
    // The page's three items into the menu, below whatever headers it has.
    void fill(menuPages &menu) const;
    // The menu turns to this page with the cursor on "go back", every item writing itself in.
    void open(menuPages &menu, textBox &text) const;
    // "enter" on the page. A toggle switches its flag, shows the page afresh with the cursor
    // where it was and saves the settings (a failed save is told on screen and retried).
    // True on "go back": each menu goes back to a main page of its own.
    bool pressEnter(menuPages &menu, const scriptServices &services);
};
