#include "levels/saveGame.h"

#include <bit>

#include "levels/levelList.h"
#include "levels/savedProgress.h"
#include "levels/scriptServices.h"
#include "media/textBox.h"
#include "objects/objectWorld.h"
#include "platform/dataFiles.h"
#include "platform/settingsFile.h"
#include "player/optionsFile.h"

std::string readSavedGame(dataFiles &files, levelList &levels, playerCar &car) {
    const std::string text = readDataFile(files, dataFile::savedGame, newGameText);
    applySavedGameText(text, levels, car);
    return text;
}

void applySavedGameText(std::string_view text, levelList &levels, playerCar &car) {
    if (text.size() != 7) {
        return;
    }
    const savedProgress progress = parseSavedGame(text);
    if (progress.startLevel >= 0) {
        levels.startLevel = progress.startLevel;
    }
    static_assert(std::tuple_size_v<decltype(savedProgress::flamesWon)> == progressFlagCount);
    for (int k = 0; k < progressFlagCount; k++) {
        car.progressFlags[k] = progress.flamesWon[k];
    }
}

std::string progressText(int currentLevel, const bool (&progressFlags)[6]) {
    std::string text;
    text += currentLevel > 5 ? '2' : currentLevel > 3 ? '1' : '0';
    for (const bool won : progressFlags) {
        text += won ? '1' : '0';
    }
    return text;
}

static bool savedOrTold(const scriptServices &services, const bool saved) {
    if (!saved) {
        services.text.showNotice(unsavedNotice);
    }
    return saved;
}

bool saveProgress(const scriptServices &services, const int currentLevel, const bool (&progressFlags)[6]) {
    const std::string text = progressText(currentLevel, progressFlags);
    return savedOrTold(services, saveDataFile(services.files, dataFile::savedGame, text));
}

bool saveNewGame(const scriptServices &services) {
    return savedOrTold(services, saveDataFile(services.files, dataFile::savedGame, newGameText));
}

bool saveDisplaySettings(const scriptServices &services) {
    return savedOrTold(services, saveSettings(services.flags, services.files));
}

bool saveOptions(const scriptServices &services, const objectWorld &world) {
    return savedOrTold(services,
                       saveDataFile(services.files, dataFile::options,
                                    playerOptionsText(world.car.bindings, world.volumes, world.brightness)));
}

static std::string unreadNotice(const unsigned unreadFiles) {
    const int count = std::popcount(unreadFiles);
    if (count != 1) {
        return "could not read " + std::to_string(count) + " files";
    }
    const auto which = static_cast<dataFile>(std::countr_zero(unreadFiles));
    return "could not read " + std::string(dataFileName(which));
}

void tellUnreadFiles(dataFiles &files, textBox &text) {
    if (files.unreadToTell != 0) {
        text.showNotice(unreadNotice(files.unreadToTell));
        files.unreadToTell = 0;
    }
}
