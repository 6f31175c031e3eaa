#include "platform/settingsFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/dataFolder.h"
#include "platform/firstLine.h"

dataFiles prepareDataFiles(const std::string &folder) {
    dataFiles files;
    files.folder = folder;
    files.settingsPath = joinPath(folder, "settings.sav");
    files.gameSavePath = joinPath(folder, "game.sav");
    files.writable = createFolders(folder) && folderWritable(folder);
    if (!files.writable) {
        std::fprintf(stderr, "velmora: cannot write to %s; settings and progress will not be kept\n",
                     folder.c_str());
    }
    return files;
}

// Only a regular file is read, and it is opened without blocking: a named pipe or a device
// in the file's place would otherwise stop the game at start-up waiting for a writer.
enum class fileRead { read, missing, unreadable };

static fileRead readFileStart(const std::string &path, std::string &bytes) {
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT ? fileRead::missing : fileRead::unreadable;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return fileRead::unreadable;
    }
    bytes.resize(firstLineBytesNeeded);
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
    const fileRead result = readFileStart(path, bytes);
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

std::string malformedCopyPath(const std::string &path) {
    return path + ".bad";
}

bool writeTextFile(const std::string &path, std::string_view text) {
    return replaceFileAtomically(path, text);
}

std::string settingsText(const gameFlags &flags) {
    std::string text;
    text += flags.fullscreen ? '1' : '0';
    text += flags.thirtyFps ? '1' : '0';
    return text;
}

bool saveSettings(const gameFlags &flags, const dataFiles &files) {
    return writeTextFile(files.settingsPath, settingsText(flags));
}

void applySettingsText(std::string_view text, gameFlags &flags) {
    if (text.size() > 0 && text[0] == '1') {
        flags.fullscreen = true;
    }
    if (text.size() > 1 && text[1] == '1') {
        flags.thirtyFps = true;
    }
}
