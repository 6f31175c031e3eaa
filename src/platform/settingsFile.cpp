#include "platform/settingsFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "platform/dataFolder.h"
#include "platform/firstLine.h"
#include "platform/regularFile.h"

dataFiles prepareDataFiles(const std::string &folder) {
    dataFiles files;
    files.folder = folder;
    files.settingsPath = joinPath(folder, "settings.sav");
    files.gameSavePath = joinPath(folder, "game.sav");
    files.optionsPath = joinPath(folder, "options.txt");
    files.unsavedOptions.text.reserve(optionsTextRoom);
    files.writable = createFolders(folder) && folderWritable(folder);
    if (!files.writable) {
        std::fprintf(stderr, "velmora: cannot write to %s; settings and progress will not be kept\n",
                     folder.c_str());
        return files;
    }
    removeLeftTemporaries(folder, {"settings.sav", "game.sav", "options.txt"});
    return files;
}

fileRead readFileStart(const std::string &path, std::string &bytes, const size_t limit) {
    const int fd = openRegularFile(path);
    if (fd < 0) {
        return errno == ENOENT ? fileRead::missing : fileRead::unreadable;
    }
    bytes.resize(limit);
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            close(fd);
            return fileRead::unreadable;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<size_t>(n);
    }
    close(fd);
    bytes.resize(got);
    return fileRead::read;
}

std::string readOrCreateFile(const std::string &path, std::string_view defaultText) {
    std::string bytes;
    const fileRead result = readFileStart(path, bytes, firstLineBytesNeeded);
    // A file that exists but cannot be read may still hold progress: leave it alone.
    if (result == fileRead::unreadable) {
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
};

fileToSave fileOf(dataFiles &files, const dataFile which) {
    switch (which) {
    case dataFile::settings:
        return {files.settingsPath, files.unsavedSettings};
    case dataFile::options:
        return {files.optionsPath, files.unsavedOptions};
    case dataFile::savedGame:
        break;
    }
    return {files.gameSavePath, files.unsavedGame};
}

bool writeOrKeep(const fileToSave file, const std::string_view text) {
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
        if (!file.unsaved.waiting) {
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
