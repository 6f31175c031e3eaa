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
    void script(objectWorld &world, const scriptServices &services) override;

  private:
    void buildMenu(objectWorld &world, const scriptServices &services);
    void readCursorKeys(const scriptServices &services);
    void pressEnter(objectWorld &world, const scriptServices &services);
    void pressEnterOnMain(objectWorld &world, const scriptServices &services);
    void pressEnterOnNewGame(objectWorld &world, const scriptServices &services);
    void readSettingsKeys(objectWorld &world, const scriptServices &services);
    void showPage(objectWorld &world, const scriptServices &services, menuPage newPage, int newCursor);
    void fillPage(const objectWorld &world);
    void startGame(objectWorld &world, const scriptServices &services);
    void turnView(objectWorld &world);

    bool hasContinue() const;
};
