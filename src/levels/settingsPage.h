#pragma once
// The settings page of both menus, on the title and in the pause: the fullscreen and 30 fps
// toggles, each with its " - on" or " - off" label, the brightness, the music and effects
// volumes, the way to the controls page, and "go back". The controls page, under its own
// heading and a line on how to change a key, lists each action with its keys ("a or left") and
// below them the keys no one changes; choosing an action waits for the next key and binds it. A
// toggle is written to the settings file at once and takes effect at the next pass of the main
// loop; keys, volumes and the brightness go to the options file and count at once.
#include <string>

class menuPages;
class objectWorld;
struct scriptServices;
struct gameFlags;

class settingsPage {
  public:
    // "go back" stays two below "30 fps toggle" and one above "fullscreen toggle" on the
    // cursor's round: the new lines stand between the two toggles.
    enum item {
        fullscreenItem,
        brightnessItem,
        musicItem,
        effectsItem,
        controlsItem,
        thirtyFpsItem,
        goBackItem
    };

    // The labels as the page shows them: read from the flags when a menu opens, changed
    // by the toggles.
    std::string fullscreenLabel = " - off";
    std::string thirtyFpsLabel = " - off";
    int waitingAction = -1; // the controls page's line waiting for a key, or -1

    void readFlags(const gameFlags &flags);
    // The items of the settings or the controls page (as the menu is on) into the menu,
    // below whatever headers it has.
    void fill(menuPages &menu, const objectWorld &world) const;
    // The menu turns to this page with the cursor on "go back", every item writing itself in.
    void open(menuPages &menu, objectWorld &world, const scriptServices &services) const;
    // The keys of one pass on the settings or the controls page, after the menu's cursor
    // keys: choose, back, left and right, or the key a controls line waits for. True when
    // the menu goes back to a main page of its own.
    bool readKeys(menuPages &menu, objectWorld &world, const scriptServices &services);
    // While a line waits for its key no other key is read.
    bool waitingForKey() const { return waitingAction >= 0; }

  private:
    bool readSettingsKeys(menuPages &menu, objectWorld &world, const scriptServices &services);
    void readControlsKeys(menuPages &menu, objectWorld &world, const scriptServices &services);
    void bindWaitingAction(menuPages &menu, objectWorld &world, const scriptServices &services);
    void changeLevel(menuPages &menu, objectWorld &world, const scriptServices &services, int step,
                     bool wrap);
    void showAgain(menuPages &menu, objectWorld &world, const scriptServices &services) const;
};
