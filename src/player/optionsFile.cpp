#include "player/optionsFile.h"

#include <charconv>
#include <cstdio>

#include "media/soundVolumes.h"
#include "platform/dataFolder.h"
#include "platform/settingsFile.h"

namespace {

constexpr std::string_view musicName = "musicVolume";
constexpr std::string_view effectsName = "effectsVolume";
constexpr size_t optionsFileLimit = 16384; // far more than any options file holds
constexpr int maxWords = keysPerAction + 1;

// The line's words, split at spaces and tabs; false when there are more than a line may hold.
bool splitWords(const std::string_view line, std::string_view (&words)[maxWords], int &count) {
    count = 0;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) {
            at++;
        }
        const size_t start = at;
        while (at < line.size() && line[at] != ' ' && line[at] != '\t') {
            at++;
        }
        if (start == at) {
            break;
        }
        if (count == maxWords) {
            return false;
        }
        words[count++] = line.substr(start, at - start);
    }
    return true;
}

const choosableAction *actionNamed(const std::string_view name) {
    for (const choosableAction &choice : choosableActions) {
        if (choice.fileName == name) {
            return &choice;
        }
    }
    return nullptr;
}

bool readKeys(const std::string_view (&words)[maxWords], const int count, actionKeys &keys) {
    if (count < 2) {
        return false;
    }
    keys.count = 0;
    for (int word = 1; word < count; word++) {
        const std::optional<keyCode> key = keyByName(words[word]);
        if (!key) {
            return false;
        }
        keys.keys[keys.count++] = *key;
    }
    return true;
}

bool readVolume(const std::string_view (&words)[maxWords], const int count, int &volume) {
    if (count != 2) {
        return false;
    }
    int value = -1;
    const std::string_view word = words[1];
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < 0 || value > fullVolume) {
        return false;
    }
    volume = value;
    return true;
}

// One line; false when it has to be skipped.
bool applyLine(const std::string_view line, keyBindings &bindings, soundVolumes &volumes) {
    std::string_view words[maxWords];
    int count = 0;
    if (!splitWords(line, words, count) || count == 0) {
        return false;
    }
    if (words[0] == musicName) {
        return readVolume(words, count, volumes.music);
    }
    if (words[0] == effectsName) {
        return readVolume(words, count, volumes.effects);
    }
    const choosableAction *const choice = actionNamed(words[0]);
    actionKeys keys;
    if (choice == nullptr || !readKeys(words, count, keys)) {
        return false;
    }
    bindings.keysOf(choice->action) = keys;
    return true;
}

bool blankOrComment(const std::string_view line) {
    const size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

} // namespace

std::string keyNames(const actionKeys &keys) {
    std::string names;
    for (int index = 0; index < keys.count; index++) {
        if (index > 0) {
            names += ' ';
        }
        names += keyName(keys.keys[index]);
    }
    return names;
}

std::string playerOptionsText(const keyBindings &bindings, const soundVolumes &volumes) {
    std::string text;
    text.reserve(optionsTextRoom);
    for (const choosableAction &choice : choosableActions) {
        text.append(choice.fileName)
            .append(" ")
            .append(keyNames(bindings.keysOf(choice.action)))
            .append("\n");
    }
    text.append(musicName).append(" ").append(std::to_string(volumes.music)).append("\n");
    text.append(effectsName).append(" ").append(std::to_string(volumes.effects)).append("\n");
    return text;
}

int applyOptionsText(const std::string_view text, keyBindings &bindings, soundVolumes &volumes,
                     const std::string_view source) {
    int skipped = 0;
    size_t start = 0;
    for (int lineNumber = 1; start < text.size(); lineNumber++) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        start = end + 1;
        if (blankOrComment(line) || applyLine(line, bindings, volumes)) {
            continue;
        }
        std::fprintf(stderr, "velmora: %.*s line %d skipped: \"%.*s\" names no known choice, key or value\n",
                     static_cast<int>(source.size()), source.data(), lineNumber,
                     static_cast<int>(line.size()), line.data());
        skipped++;
    }
    return skipped;
}

void readOptionsFile(const std::string &path, keyBindings &bindings, soundVolumes &volumes) {
    std::string bytes;
    if (readFileStart(path, bytes, optionsFileLimit) != fileRead::read) {
        return;
    }
    if (applyOptionsText(bytes, bindings, volumes, path) > 0) {
        keepFirstCopy(path, malformedCopyPath(path));
    }
}
