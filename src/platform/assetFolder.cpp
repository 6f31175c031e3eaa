#include "platform/assetFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/dataFolder.h"

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

std::string enterAssetFolder() {
    const std::string folder = chooseAssetFolder(assetFolderPlacesOfThisProgram(), holdsGameAssets);
    if (chdir(folder.c_str()) != 0) {
        std::fprintf(stderr, "velmora: cannot enter the asset folder %s: %s\n", folder.c_str(),
                     std::strerror(errno));
    }
    if (!holdsGameAssets(".")) {
        std::fprintf(stderr,
                     "velmora: no art/ and sounds/ in %s; the pictures and sounds will be missing "
                     "(set %s to the folder that holds them)\n",
                     absolutePath(".").c_str(), assetFolderVariable);
    }
    return folder;
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
