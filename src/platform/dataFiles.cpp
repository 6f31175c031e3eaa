#include "platform/dataFiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/dataFolder.h"
#include "platform/firstLine.h"
#include "platform/regularFile.h"
#include "platform/systemCalls.h"

dataFiles prepareDataFiles(const std::string &folder) {
    dataFiles files;
    files.folder = folder;
    files.settingsPath = joinPath(folder, dataFileName(dataFile::settings));
    files.gameSavePath = joinPath(folder, dataFileName(dataFile::savedGame));
    files.optionsPath = joinPath(folder, dataFileName(dataFile::options));
    files.unsavedOptions.text.reserve(optionsTextRoom);
    files.writable = createFolders(folder) && folderWritable(folder);
    if (!files.writable) {
        std::fprintf(stderr, "velmora: cannot write to %s; settings and progress will not be kept\n",
                     folder.c_str());
        return files;
    }
    removeLeftTemporaries(folder, {dataFileName(dataFile::settings), dataFileName(dataFile::savedGame),
                                   dataFileName(dataFile::options)});
    return files;
}

namespace {

// The text a read gives: the first line when it fits, else the default, which replaces a
// missing or malformed file on disk. A file that exists but cannot be read may still hold
// progress, and anything but a file is not the game's to replace: both are left alone.
std::string textOrDefault(const std::string &path, const fileRead result, const std::string &bytes,
                          const std::string_view defaultText) {
    if (result == fileRead::unreadable || result == fileRead::notAFile) {
        return std::string(defaultText);
    }
    if (result == fileRead::read) {
        const firstLineVerdict verdict = judgeFirstLine(bytes, defaultText);
        if (!verdict.malformed) {
            return std::string(verdict.text);
        }
        // What the player had is kept beside the file before the default replaces it; an
        // empty file holds nothing worth keeping. When no copy can be kept, the file stays.
        if (!bytes.empty() && !keepFirstCopy(path, malformedCopyPath(path))) {
            return std::string(defaultText);
        }
    }
    writeTextFile(path, defaultText);
    return std::string(defaultText);
}

} // namespace

std::string readOrCreateFile(const std::string &path, const std::string_view defaultText) {
    std::string bytes;
    const fileRead result = readFileStart(path, bytes, firstLineBytesNeeded);
    return textOrDefault(path, result, bytes, defaultText);
}

std::string peekFileText(const std::string &path, const std::string_view defaultText) {
    std::string bytes;
    if (readFileStart(path, bytes, firstLineBytesNeeded) != fileRead::read) {
        return std::string(defaultText);
    }
    return std::string(judgeFirstLine(bytes, defaultText).text);
}

std::string malformedCopyPath(const std::string &path) {
    return path + ".bad";
}

bool writeTextFile(const std::string &path, std::string_view text) {
    return replaceFileAtomically(path, text);
}

namespace {

struct fileToSave {
    const std::string &path;
    unsavedText &unsaved;
    fileGuard &guard;
};

fileToSave fileOf(dataFiles &files, const dataFile which) {
    switch (which) {
    case dataFile::settings:
        return {files.settingsPath, files.unsavedSettings, files.settingsGuard};
    case dataFile::options:
        return {files.optionsPath, files.unsavedOptions, files.optionsGuard};
    case dataFile::savedGame:
        break;
    }
    return {files.gameSavePath, files.unsavedGame, files.gameGuard};
}

// An unreadable file goes aside before anything is written in its place; what cannot be
// moved aside, or is no file, is never written over.
bool clearedToWrite(const fileToSave file) {
    if (file.guard == fileGuard::none) {
        return true;
    }
    if (file.guard == fileGuard::leftAlone) {
        return false;
    }
    const std::string aside = unreadableCopyPath(file.path);
    if (isMissing(file.path)) {
        file.guard = fileGuard::none; // nothing is left there to lose
        return true;
    }
    if (moveIfFree(file.path, aside)) {
        std::fprintf(stderr, "velmora: moved %s, which could not be read, to %s\n", file.path.c_str(),
                     aside.c_str());
        file.guard = fileGuard::none;
        return true;
    }
    std::fprintf(
        stderr,
        "velmora: could not move %s, which could not be read, to %s: %s; nothing will be saved to it\n",
        file.path.c_str(), aside.c_str(), std::strerror(errno));
    file.guard = fileGuard::leftAlone;
    return false;
}

bool writeOrKeep(const fileToSave file, const std::string_view text) {
    if (!clearedToWrite(file)) {
        return false;
    }
    const bool wasWaiting = file.unsaved.waiting;
    if (writeTextFile(file.path, text)) {
        if (wasWaiting) {
            std::fprintf(stderr, "velmora: saved %s at last\n", file.path.c_str());
        }
        file.unsaved.waiting = false;
        return true;
    }
    std::fprintf(stderr, "velmora: could not save %s: %s; kept in memory to try again\n", file.path.c_str(),
                 std::strerror(errno));
    if (file.unsaved.text.data() != text.data()) {
        file.unsaved.text.assign(text);
    }
    file.unsaved.waiting = true;
    return false;
}

} // namespace

std::string readDataFile(dataFiles &files, const dataFile which, const std::string_view defaultText) {
    const std::string &path = fileOf(files, which).path;
    std::string bytes;
    const fileRead result = readFileStart(path, bytes, firstLineBytesNeeded);
    noteFileRead(files, which, result);
    return textOrDefault(path, result, bytes, defaultText);
}

void noteFileRead(dataFiles &files, const dataFile which, const fileRead result) {
    const int why = errno;
    const fileToSave file = fileOf(files, which);
    if (result == fileRead::read || result == fileRead::missing) {
        file.guard = fileGuard::none;
        return;
    }
    if (file.guard != fileGuard::none) {
        return; // said when it was first found
    }
    if (result == fileRead::unreadable) {
        std::fprintf(stderr,
                     "velmora: cannot read %s: %s; playing with the defaults, and it will be moved to %s "
                     "before anything is saved in its place\n",
                     file.path.c_str(), std::strerror(why), unreadableCopyPath(file.path).c_str());
        file.guard = fileGuard::setAside;
    } else {
        std::fprintf(stderr,
                     "velmora: %s is %s, not a file; playing with the defaults, and nothing will be saved "
                     "to it\n",
                     file.path.c_str(), noFileKind(file.path));
        file.guard = fileGuard::leftAlone;
    }
    files.unreadToTell |= 1u << static_cast<unsigned>(which);
}

std::string unreadableCopyPath(const std::string &path) {
    return path + ".unreadable";
}

std::string_view dataFileName(const dataFile which) {
    switch (which) {
    case dataFile::settings:
        return "settings.sav";
    case dataFile::options:
        return "options.txt";
    case dataFile::savedGame:
        break;
    }
    return "game.sav";
}

bool saveDataFile(dataFiles &files, const dataFile which, const std::string_view text) {
    for (const dataFile other : {dataFile::settings, dataFile::savedGame, dataFile::options}) {
        const fileToSave waiting = fileOf(files, other);
        if (other != which && waiting.unsaved.waiting) {
            writeOrKeep(waiting, waiting.unsaved.text);
        }
    }
    return writeOrKeep(fileOf(files, which), text);
}

void saveWaitingTexts(dataFiles &files) {
    for (const dataFile which : {dataFile::settings, dataFile::savedGame, dataFile::options}) {
        const fileToSave file = fileOf(files, which);
        if (!file.unsaved.waiting || !clearedToWrite(file)) {
            continue;
        }
        if (writeTextFile(file.path, file.unsaved.text)) {
            std::fprintf(stderr, "velmora: saved %s at last\n", file.path.c_str());
            file.unsaved.waiting = false;
        } else {
            std::fprintf(stderr, "velmora: could not save %s on the way out: %s; what it held is lost\n",
                         file.path.c_str(), std::strerror(errno));
        }
    }
}
