#pragma once
// A data folder of its own for one recorded run played again: made in the system's
// temporary folder, filled with the files the run started from, and removed afterwards, so
// the player's own folder is never read or written.
#include <string>

#include "platform/inputTrack.h"

class demoFolder {
  public:
    demoFolder() = default;
    ~demoFolder();
    demoFolder(const demoFolder &) = delete;
    demoFolder &operator=(const demoFolder &) = delete;

    // A new empty folder under $TMPDIR (else /tmp); false with a message when none can be made.
    bool make(std::string &error);
    const std::string &path() const { return folder; }
    // Removes the folder and all in it now, rather than at the end of its scope.
    void remove();

  private:
    std::string folder;
};

// Writes settings.sav, game.sav and options.txt as the run found them; false when one fails.
bool fillDataFolder(const std::string &folder, const trackStart &start);
