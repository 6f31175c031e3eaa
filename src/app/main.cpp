// Velmora: a night drive. Opens the window and plays until the player quits.
#include "app/runGame.h"
#include "app/startup.h"
#include "platform/dataFolder.h"

int main(int, char **) {
    SDL_Surface *screen = openGameWindow();
    if (screen == nullptr) {
        return 1;
    }
    runGame(screen, prepareDataFiles(defaultDataFolder()));
    closeGameWindow();
    return 0;
}
