#include "platform/demoFolder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/dataFolder.h"
#include "platform/settingsFile.h"

demoFolder::~demoFolder() {
    remove();
}

void demoFolder::remove() {
    if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
        folder.clear();
    }
}

bool demoFolder::make(std::string &error) {
    const char *temporary = std::getenv("TMPDIR");
    std::string name =
        joinPath(temporary != nullptr && temporary[0] != '\0' ? temporary : "/tmp", "velmora-demo-XXXXXX");
    if (mkdtemp(name.data()) == nullptr) {
        error = "cannot make a folder to play the demo in (" + std::string(std::strerror(errno)) + ")";
        return false;
    }
    folder = name;
    return true;
}

bool fillDataFolder(const std::string &folder, const trackStart &start) {
    return writeTextFile(joinPath(folder, "settings.sav"), start.settings) &&
           writeTextFile(joinPath(folder, "game.sav"), start.saved) &&
           writeTextFile(joinPath(folder, "options.txt"), start.options);
}
