#pragma once
#include <string>

#include "levels/level.h"
#include "levels/menuPages.h"
#include "levels/settingsPage.h"

// The title scene behind the main menu: a standing car on bare ground, the view slowly
// circling it, and the menu that starts a new game, continues the saved one, changes the
// display settings or quits.
class levelZero : public level {
  public:
    levelZero() { setup(); }

    int menuReady;
    menuPages menu; // the main page, the new game question, the settings or the controls
    int cooldown;   // passes during which keys are ignored after a cursor move
    double spin;    // radians the view turns each pass
    bool spinning;
    bool starting; // a game was chosen: the menu is closing
    int flameCount;
    std::string continueLabel;
    settingsPage settings;

    void setup() override;
    void script(objectWorld &world) override;

  private:
    void buildMenu(objectWorld &world);
    void readCursorKeys(objectWorld &world);
    void pressEnter(objectWorld &world);
    void pressEnterOnMain(objectWorld &world);
    void pressEnterOnNewGame(objectWorld &world);
    void readSettingsKeys(objectWorld &world);
    void showPage(objectWorld &world, menuPage newPage, int newCursor);
    void fillPage(const objectWorld &world);
    void startGame(objectWorld &world);
    void turnView(objectWorld &world);

    bool hasContinue() const;
};
