#pragma once
// The saved game, "game.sav": seven characters, a checkpoint ('0' level 1, '1' level 4,
// '2' level 6) and the six flame flags.
#include <string>
#include <string_view>

struct dataFiles;
class levelList;
class playerCar;

inline constexpr const char *newGameText = "0000000";

// Reads the saved game (a missing or malformed file becomes a new game on disk) and
// applies it: the level play starts from and the flames won. Returns the text read.
std::string readSavedGame(const dataFiles &files, levelList &levels, playerCar &car);
void applySavedGameText(std::string_view text, levelList &levels, playerCar &car);

// The text that saves the current level's checkpoint and the flames won.
std::string progressText(int currentLevel, const bool (&progressFlags)[6]);
// Saves the game from the current level and the flames won; false when it could not be
// written.
bool saveProgress(const dataFiles &files, int currentLevel, const bool (&progressFlags)[6]);
bool saveNewGame(const dataFiles &files);
