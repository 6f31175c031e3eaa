#include "platform/settingsFile.h"

#include <cerrno>
#include <cstdio>

#include "platform/dataFolder.h"

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

// No real first line is longer than a few characters; a longer one is foreign and only
// its length matters, so reading stops here instead of swallowing a huge file.
static constexpr size_t longestLineRead = 4096;

// Reads up to the first line feed. A carriage return before it belongs to the line end,
// so files edited on other systems read the same.
enum class lineRead { read, missing, unreadable };

static lineRead readFirstLine(const std::string &path, std::string &line) {
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return errno == ENOENT ? lineRead::missing : lineRead::unreadable;
    }
    line.clear();
    int c;
    while ((c = std::fgetc(file)) != EOF && c != '\n' && line.size() <= longestLineRead) {
        line += static_cast<char>(c);
    }
    std::fclose(file);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return lineRead::read;
}

std::string readOrCreateFile(const std::string &path, std::string_view defaultText) {
    std::string line;
    const lineRead result = readFirstLine(path, line);
    if (result == lineRead::read && line.size() == defaultText.size()) {
        return line;
    }
    // A file that exists but cannot be opened may still hold progress: leave it alone.
    if (result != lineRead::unreadable) {
        writeTextFile(path, defaultText);
    }
    return std::string(defaultText);
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
