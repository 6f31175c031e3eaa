#pragma once
// The saved game, "game.sav": seven characters, a checkpoint ('0' level 1, '1' level 4,
// '2' level 6) and the six flame flags.
#include <string>
#include <string_view>

struct dataFiles;
class levelList;
class playerCar;
class objectWorld;
class textBox;
struct scriptServices;

inline constexpr const char *newGameText = "0000000";

// Reads the saved game (a missing or malformed file becomes a new game on disk) and
// applies it: the level play starts from and the flames won. Returns the text read. An
// unreadable file gives a new game and is kept until the first save moves it aside.
std::string readSavedGame(dataFiles &files, levelList &levels, playerCar &car);
void applySavedGameText(std::string_view text, levelList &levels, playerCar &car);

// The text that saves the current level's checkpoint and the flames won.
std::string progressText(int currentLevel, const bool (&progressFlags)[6]);

// The saves made during play: the game from the current level and the flames won, a new
// game, the two display settings. Each is false when it could not be written; the player
// then reads "could not save" on screen, and the text waits in memory to be written at the
// next save and on the way out.
bool saveProgress(const scriptServices &services, int currentLevel, const bool (&progressFlags)[6]);
bool saveNewGame(const scriptServices &services);
bool saveDisplaySettings(const scriptServices &services);
// The player's keys, volumes and brightness, "options.txt".
bool saveOptions(const scriptServices &services, const objectWorld &world);

inline constexpr const char *unsavedNotice = "could not save";

// Says on screen which file was found unreadable since the player was last told, as a
// failed save is said: "could not read game.sav", or "could not read 2 files".
void tellUnreadFiles(dataFiles &files, textBox &text);
