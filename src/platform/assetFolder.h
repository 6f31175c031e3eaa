#pragma once
// Where the game's pictures and sounds are: one folder holding art/ and sounds/. The game
// moves into it at start-up, so every picture and sound is loaded by its short name.
#include <string>
#include <string_view>
#include <vector>

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

// True when some picture under the folder's art/ can be read: the game has something to show.
bool holdsAnyPicture(const std::string &folder);

// The places looked at, in order, to choose `chosen`: the variable's folder alone when it is
// set, else each place up to the chosen one (the working folder, ".", last).
std::vector<std::string> searchedAssetFolders(const assetFolderPlaces &places, const std::string &chosen);

// The places for this program: the variable, the build's assets/ and the installed layout next
// to the running binary, and the install path compiled in.
assetFolderPlaces assetFolderPlacesOfThisProgram();

// Chooses the asset folder. When not one picture can be read there, says on standard error
// which folders were searched and answers nothing: the game would show only a black window.
std::string findAssetFolder();

// Moves into the folder, so every picture and sound is loaded by its short name. A folder
// that cannot be entered, or one without sounds/, is named in one line on standard error, and
// the game plays on with what there is.
void enterAssetFolder(const std::string &folder);

// The path made absolute against the working folder, so it still names the same place after
// the game has moved into its asset folder.
std::string absolutePath(std::string_view path);
