#pragma once
// The three small text files the game keeps, the settings ("settings.sav", platform/
// settingsFile), the saved game ("game.sav", levels/saveGame) and the player's keys and volumes
// ("options.txt", player/optionsFile), and the folder they live in: reading each with a
// default, saving it safely, and what keeps a save from overwriting what it must not.
#include <string>
#include <string_view>

#include "platform/fileBytes.h"

// Room kept for the options text, so that keeping one that waits never allocates.
inline constexpr size_t optionsTextRoom = 512;

enum class dataFile : unsigned char { settings, savedGame, options };

// What stands in the way of saving a file, as its last read found it.
enum class fileGuard : unsigned char {
    none,      // missing or read: a save replaces it
    setAside,  // a file the game cannot read: it may still hold progress, so it is moved
               // aside (to unreadableCopyPath) before anything is written in its place
    leftAlone, // not a file (a folder, a pipe, a device, a link to nothing), or an unreadable
               // file that could not be moved aside: never written through or over
};

// A save that could not be written: its text waits here for the next try. Both files' texts
// are short enough to live inside the string, so keeping one never allocates.
struct unsavedText {
    std::string text;
    bool waiting = false;
};

struct dataFiles {
    std::string folder;
    std::string settingsPath;
    std::string gameSavePath;
    std::string optionsPath; // the player's keys and volumes
    bool writable = false;
    unsavedText unsavedSettings;
    unsavedText unsavedGame;
    unsavedText unsavedOptions;
    fileGuard settingsGuard = fileGuard::none;
    fileGuard gameGuard = fileGuard::none;
    fileGuard optionsGuard = fileGuard::none;
    // Bit 1 << dataFile of each file found unreadable since the player was told on screen.
    unsigned unreadToTell = 0;
};

// Creates the folder and removes the temporary files a save killed halfway left there; when
// the folder cannot be created or written, says so in one line on standard error and leaves
// `writable` false. The game runs on with its defaults.
dataFiles prepareDataFiles(const std::string &folder);

// The file's first line; when the file is missing or that line's length differs from the
// default's, the default is written to the file and returned. A malformed file's bytes are
// first kept at malformedCopyPath (once: a copy already there is never overwritten). A file
// that cannot be read, or anything but a regular file in its place (a named pipe, a device,
// a folder, a link to nothing), gives the default at once and is left as it is.
std::string readOrCreateFile(const std::string &path, std::string_view defaultText);
std::string malformedCopyPath(const std::string &path);
// The text readOrCreateFile would give now, found without writing anything.
std::string peekFileText(const std::string &path, std::string_view defaultText);

// readOrCreateFile for one of the data files, which also notes what its read found for the
// file's saves (noteFileRead).
std::string readDataFile(dataFiles &files, dataFile which, std::string_view defaultText);
// Sets the file's guard from what its read found. The first time a file is found unreadable
// or not a file, says so in one line on standard error and marks it in `unreadToTell`.
void noteFileRead(dataFiles &files, dataFile which, fileRead result);
// Where an unreadable file is moved before its first save: "game.sav.unreadable".
std::string unreadableCopyPath(const std::string &path);
// "game.sav": the file's name, for what the player is told.
std::string_view dataFileName(dataFile which);

// Replaces the file's content with the text, atomically; false when the write failed.
bool writeTextFile(const std::string &path, std::string_view text);

// Writes one of the files. A failed write is said on standard error and its text kept
// in memory, to be written at the next save of either file and on the way out; a text still
// waiting is tried first. A file guarded as unreadable is moved aside first; one left alone
// is never written (false, and nothing kept). False when this save failed.
bool saveDataFile(dataFiles &files, dataFile which, std::string_view text);
// The way out: a last try for every text still waiting, and word of any that is lost.
void saveWaitingTexts(dataFiles &files);
