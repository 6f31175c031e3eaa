#include "platform/dataFolder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>

#include "platform/systemCalls.h"

static bool isSetInEnvironment(const char *name) {
    return !environmentValue(name).empty();
}

bool dataFolderIsLocal() {
    return !isSetInEnvironment("APPDATA") && !isSetInEnvironment("XDG_DATA_HOME") &&
           !isSetInEnvironment("HOME");
}

std::string defaultDataFolder() {
    if (const std::string appData = environmentValue("APPDATA"); !appData.empty()) {
        return joinPath(appData, "Velmora");
    }
    if (const std::string dataHome = environmentValue("XDG_DATA_HOME"); !dataHome.empty()) {
        return joinPath(dataHome, "Velmora");
    }
    if (const std::string home = environmentValue("HOME"); !home.empty()) {
        return joinPath(joinPath(home, ".local/share"), "Velmora");
    }
    return "Velmora";
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !isPathSeparator(path.back())) {
        path += '/';
    }
    path += name;
    return path;
}

bool createFolders(const std::string &path) {
    if (path.empty()) {
        return false;
    }
    // Each ancestor in turn; one that cannot be made (a drive, a network share's root) is no
    // error by itself: the folder itself tells. When it cannot be made, the first ancestor's
    // failure says why.
    int ancestorError = 0;
    for (size_t index = 1; index < path.size(); index++) {
        if (isPathSeparator(path[index]) && !makeFolder(path.substr(0, index)) && ancestorError == 0) {
            ancestorError = errno;
        }
    }
    const bool made = makeFolder(path);
    if (!made && ancestorError != 0) {
        errno = ancestorError;
    }
    return made && isFolder(path);
}

// The prefix and exactly six letters or digits, all mkstemp puts in place of the X's.
static bool isTemporaryNamed(std::string_view name, std::string_view prefix) {
    return name.size() == prefix.size() + temporaryLetters && name.starts_with(prefix) &&
           std::all_of(name.begin() + prefix.size(), name.end(),
                       [](const char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

static bool isTemporaryOf(std::string_view name, std::string_view fileName) {
    return name.size() > fileName.size() && name.starts_with(fileName) &&
           isTemporaryNamed(name.substr(fileName.size()), ".");
}

bool isLeftTemporary(const std::string_view name, const std::initializer_list<std::string_view> fileNames) {
    return isTemporaryNamed(name, writeProbePrefix) ||
           std::any_of(fileNames.begin(), fileNames.end(),
                       [&](const std::string_view file) { return isTemporaryOf(name, file); });
}
