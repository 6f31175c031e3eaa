#pragma once
// The settings file ("settings.sav"): two characters, fullscreen then 30 fps.
#include <string>
#include <string_view>

#include "platform/gameFlags.h"

struct dataFiles;

inline constexpr const char *defaultSettingsText = "00";

// The settings text for the flags: fullscreen first, then 30 fps.
std::string settingsText(const gameFlags &flags);
bool saveSettings(const gameFlags &flags, dataFiles &files);

// A '1' switches its flag on; any other character leaves the flag as it is.
void applySettingsText(std::string_view text, gameFlags &flags);
