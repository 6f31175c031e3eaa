#include "platform/settingsFile.h"

#include "platform/dataFiles.h"

std::string settingsText(const gameFlags &flags) {
    std::string text;
    text += flags.fullscreen ? '1' : '0';
    text += flags.thirtyFps ? '1' : '0';
    return text;
}

bool saveSettings(const gameFlags &flags, dataFiles &files) {
    return saveDataFile(files, dataFile::settings, settingsText(flags));
}

void applySettingsText(std::string_view text, gameFlags &flags) {
    if (text.size() > 0 && text[0] == '1') {
        flags.fullscreen = true;
    }
    if (text.size() > 1 && text[1] == '1') {
        flags.thirtyFps = true;
    }
}
