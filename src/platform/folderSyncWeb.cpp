#include "platform/dataFolder.h"

#include <emscripten.h>

// The data folder lives in memory over the browser's IndexedDB: every save is copied there
// at once, so a reload or a closed tab keeps it. The copy runs in the background; the page
// counts the copies still under way (the test waits for none).
void syncFolderOf(const std::string &) {
    EM_ASM({
        Module.savesSyncing = (Module.savesSyncing || 0) + 1;
        FS.syncfs(
            false, function(error) {
                Module.savesSyncing--;
                if (error) {
                    console.warn('velmora: the saves could not be stored', error);
                }
            });
    });
}
