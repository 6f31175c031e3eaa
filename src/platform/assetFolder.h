#pragma once
// Where the game's pictures and sounds are: one folder holding art/ and sounds/. The game
// moves into it at start-up, so every picture and sound is loaded by its short name.
#include <string>
#include <string_view>

// The environment variable that names the asset folder for a run.
inline constexpr const char *assetFolderVariable = "VELMORA_DATA_DIR";

// The places an asset folder may be, in the order they are tried.
struct assetFolderPlaces {
    std::string fromEnvironment; // the variable's value; empty when unset
    std::string buildAssets;     // assets/ beside the program, where a build generates them
    std::string besideProgram;   // the installed share folder, found from the program's own folder
    std::string builtIn;         // the share folder of the install this program was built for
};

// The variable's folder whenever it is set: the player asked for it. Else the first of the
// build's and the installed folders that holds the game's assets; else the working folder, ".".
std::string chooseAssetFolder(const assetFolderPlaces &places, bool (*holdsAssets)(const std::string &));

// True when the folder holds art/ and sounds/ folders.
bool holdsGameAssets(const std::string &folder);

// The places for this program: the variable, the build's assets/ and the installed layout next
// to the running binary, and the install path compiled in.
assetFolderPlaces assetFolderPlacesOfThisProgram();

// Chooses the asset folder and moves into it. A folder without the game's assets, or one that
// cannot be entered, is named in one line on standard error; the game plays on without them.
// Returns the folder chosen.
std::string enterAssetFolder();

// The path made absolute against the working folder, so it still names the same place after
// the game has moved into its asset folder.
std::string absolutePath(std::string_view path);
