#include "platform/assetFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <filesystem>
#include <system_error>

#include "platform/dataFolder.h"
#include "platform/pathText.h"
#include "platform/regularFile.h"
#include "platform/systemCalls.h"

// Filled in by the build from the install prefix; empty in a build that is never installed.
#ifndef VELMORA_INSTALLED_DATA_DIR
#define VELMORA_INSTALLED_DATA_DIR ""
#endif
#ifndef VELMORA_DATA_DIR_FROM_BIN
#define VELMORA_DATA_DIR_FROM_BIN ""
#endif

bool holdsGameAssets(const std::string &folder) {
    return isFolder(joinPath(folder, "art")) && isFolder(joinPath(folder, "sounds"));
}

// Stops at the first picture that loads, so a whole art folder costs one picture's read.
bool holdsAnyPicture(const std::string &folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::recursive_directory_iterator entry(filesystemPath(joinPath(folder, "art")),
                                           fs::directory_options::skip_permission_denied, error);
    for (; !error && entry != fs::recursive_directory_iterator(); entry.increment(error)) {
        if (entry->path().extension() != ".png") {
            continue;
        }
        if (isReadablePicture(utf8Path(entry->path()))) {
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

assetFolderPlaces assetFolderPlacesOfThisProgram() {
    assetFolderPlaces places;
    places.fromEnvironment = environmentValue(assetFolderVariable);
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
        list += utf8Path(filesystemPath(joinPath(absolutePath(places[index]), "art")).lexically_normal());
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
    if (!enterFolder(folder)) {
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
    if (isAbsolutePath(path)) {
        return std::string(path);
    }
    const std::string here = workingFolder();
    if (here.empty()) {
        return std::string(path);
    }
    return path == "." ? here : joinPath(here, path);
}
