#include "platform/assetFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/dataFolder.h"
#include "platform/regularFile.h"

// Filled in by the build from the install prefix; empty in a build that is never installed.
#ifndef VELMORA_INSTALLED_DATA_DIR
#define VELMORA_INSTALLED_DATA_DIR ""
#endif
#ifndef VELMORA_DATA_DIR_FROM_BIN
#define VELMORA_DATA_DIR_FROM_BIN ""
#endif

static bool isFolder(const std::string &path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool holdsGameAssets(const std::string &folder) {
    return isFolder(joinPath(folder, "art")) && isFolder(joinPath(folder, "sounds"));
}

// Stops at the first picture that loads, so a whole art folder costs one picture's read.
bool holdsAnyPicture(const std::string &folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::recursive_directory_iterator entry(joinPath(folder, "art"),
                                           fs::directory_options::skip_permission_denied, error);
    for (; !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        if (entry->path().extension() != ".png") {
            continue;
        }
        if (isReadablePicture(entry->path().string())) {
            return true;
        }
    }
    return false;
}

std::vector<std::string> searchedAssetFolders(const assetFolderPlaces &places, const std::string &chosen) {
    if (!places.fromEnvironment.empty()) {
        return {places.fromEnvironment};
    }
    std::vector<std::string> searched;
    for (const std::string *place : {&places.buildAssets, &places.besideProgram, &places.builtIn}) {
        if (place->empty()) {
            continue;
        }
        searched.push_back(*place);
        if (*place == chosen) {
            return searched;
        }
    }
    searched.push_back(".");
    return searched;
}

std::string chooseAssetFolder(const assetFolderPlaces &places, bool (*holdsAssets)(const std::string &)) {
    if (!places.fromEnvironment.empty()) {
        return places.fromEnvironment;
    }
    for (const std::string *place : {&places.buildAssets, &places.besideProgram, &places.builtIn}) {
        if (!place->empty() && holdsAssets(*place)) {
            return *place;
        }
    }
    return ".";
}

// The folder the running binary is in, or empty when the system does not say.
static std::string programFolder() {
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return {};
    }
    const std::string program(path, static_cast<size_t>(length));
    const size_t slash = program.rfind('/');
    return slash == std::string::npos ? std::string() : program.substr(0, slash);
}

assetFolderPlaces assetFolderPlacesOfThisProgram() {
    assetFolderPlaces places;
    if (const char *value = std::getenv(assetFolderVariable)) {
        places.fromEnvironment = value;
    }
    const std::string binFolder = programFolder();
    if (!binFolder.empty()) {
        places.buildAssets = joinPath(binFolder, "assets");
    }
    if (!binFolder.empty() && VELMORA_DATA_DIR_FROM_BIN[0] != '\0') {
        places.besideProgram = joinPath(binFolder, VELMORA_DATA_DIR_FROM_BIN);
    }
    places.builtIn = VELMORA_INSTALLED_DATA_DIR;
    return places;
}

// "/a/art, /b/art and /c/art", each place made absolute while the working folder is the start's.
static std::string artFoldersOf(const std::vector<std::string> &places) {
    std::string list;
    for (size_t index = 0; index < places.size(); index++) {
        const bool last = index + 1 == places.size();
        list += index == 0 ? "" : last ? " and " : ", ";
        list +=
            std::filesystem::path(joinPath(absolutePath(places[index]), "art")).lexically_normal().string();
    }
    return list;
}

std::string findAssetFolder() {
    const assetFolderPlaces places = assetFolderPlacesOfThisProgram();
    const std::string folder = chooseAssetFolder(places, holdsGameAssets);
    if (holdsAnyPicture(folder)) {
        return folder;
    }
    std::fprintf(stderr,
                 "velmora: not one picture could be read; searched %s (set %s to the folder that holds "
                 "art/ and sounds/)\n",
                 artFoldersOf(searchedAssetFolders(places, folder)).c_str(), assetFolderVariable);
    return {};
}

void enterAssetFolder(const std::string &folder) {
    if (chdir(folder.c_str()) != 0) {
        std::fprintf(stderr, "velmora: cannot enter the asset folder %s: %s\n", folder.c_str(),
                     std::strerror(errno));
    }
    if (!holdsGameAssets(".")) {
        std::fprintf(stderr,
                     "velmora: no sounds/ in %s; the game plays without them (set %s to the folder "
                     "that holds art/ and sounds/)\n",
                     absolutePath(".").c_str(), assetFolderVariable);
    }
}

std::string absolutePath(const std::string_view path) {
    if (!path.empty() && path.front() == '/') {
        return std::string(path);
    }
    char *const here = getcwd(nullptr, 0);
    if (here == nullptr) {
        return std::string(path);
    }
    std::string absolute = path == "." ? std::string(here) : joinPath(here, path);
    std::free(here);
    return absolute;
}
