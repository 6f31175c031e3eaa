// Velmora: a night drive. Opens the window and plays until the player quits.
#include "app/runGame.h"
#include "platform/dataFolder.h"
#include "platform/video.h"

int main(int, char **) {
    const screenHandle screen = openGameWindow();
    if (!screen.isOpen()) {
        return 1;
    }
    runGame(screen, prepareDataFiles(defaultDataFolder()));
    closeGameWindow();
    return 0;
}
