#pragma once
// A data folder of its own for one recorded run played again: made in the system's
// temporary folder, filled with the files the run started from, and removed afterwards, so
// the player's own folder is never read or written.
//
// A game killed while it plays a demo cannot remove its folder; a later game, at its start,
// does. A folder is known to be left over, not in use by another game playing a demo just
// then, by a lock: the game playing in it holds an exclusive lock on the folder for as long
// as it lives, and the system lets go of it when the game ends, however it ends.
#include <string>
#include <string_view>

#include "platform/inputTrack.h"

class demoFolder {
  public:
    demoFolder() = default;
    ~demoFolder();
    demoFolder(const demoFolder &) = delete;
    demoFolder &operator=(const demoFolder &) = delete;

    // A new empty folder under $TMPDIR (else /tmp), locked; false with a message when none
    // can be made.
    bool make(std::string &error);
    const std::string &path() const { return folder; }
    // Removes the folder and all in it now, rather than at the end of its scope.
    void remove();

  private:
    std::string folder;
    int lock = -1; // the folder, open, holding its lock
};

inline constexpr std::string_view demoFolderPrefix = "velmora-demo-";
inline constexpr size_t demoFolderLetters = 6;
// True for "velmora-demo-" and six letters or digits, as demo folders are named.
bool isDemoFolderName(std::string_view name);

// Writes settings.sav, game.sav and options.txt as the run found them; false when one fails.
bool fillDataFolder(const std::string &folder, const trackStart &start);

// Removes the demo folders games killed while playing left in the temporary folder: folders
// of this user named "velmora-demo-" and the six letters or digits mkdtemp adds, unchanged
// for ten minutes, that no living game holds locked. Nothing else is touched. Returns how
// many went.
int removeLeftDemoFolders();
