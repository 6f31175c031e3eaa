#include "platform/demoFolder.h"

#include <algorithm>
#include <cctype>

#include "platform/dataFiles.h"
#include "platform/dataFolder.h"

demoFolder::~demoFolder() {
    remove();
}

bool isDemoFolderName(const std::string_view name) {
    return name.size() == demoFolderPrefix.size() + demoFolderLetters && name.starts_with(demoFolderPrefix) &&
           std::all_of(name.begin() + demoFolderPrefix.size(), name.end(),
                       [](const char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

bool fillDataFolder(const std::string &folder, const trackStart &start) {
    return writeTextFile(joinPath(folder, "settings.sav"), start.settings) &&
           writeTextFile(joinPath(folder, "game.sav"), start.saved) &&
           writeTextFile(joinPath(folder, "options.txt"), start.options);
}
