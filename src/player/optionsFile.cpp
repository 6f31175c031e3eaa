#include "player/optionsFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "media/frameBrightness.h"
#include "media/soundVolumes.h"
#include "platform/dataFiles.h"
#include "platform/dataFolder.h"
#include "platform/printableText.h"

namespace {

constexpr std::string_view musicName = "musicVolume";
constexpr std::string_view effectsName = "effectsVolume";
constexpr std::string_view brightnessName = "brightness";
constexpr size_t optionsFileLimit = 16384; // far more than any options file holds
constexpr int maxWords = keysPerAction + 1;
// The file's choices: the actions in their order, then the two volumes and the brightness.
constexpr int musicChoice = choosableActionCount;
constexpr int effectsChoice = choosableActionCount + 1;
constexpr int brightnessChoice = choosableActionCount + 2;
constexpr int choiceCount = choosableActionCount + 3;

// What one good line sets.
struct optionLine {
    int choice = -1;
    actionKeys keys;
    int level = 0; // a volume or the brightness
};

// One reading of a text: where its lines go, and what has been said about them.
struct optionsReading {
    std::string_view source;
    keyBindings &bindings;
    soundVolumes &volumes;
    int &brightness;
    int chosenLine[choiceCount] = {};       // the line each choice is taken from, 0 for none
    int linesNaming[choiceCount] = {};      // the good lines that name each choice
    int boundBy[choosableActionCount] = {}; // the line that bound each action so far, 0 for none
    int problems = 0;                       // lines, or keys of lines, not used as written
};

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

int choiceNamed(const std::string_view name) {
    if (name == musicName) {
        return musicChoice;
    }
    if (name == effectsName) {
        return effectsChoice;
    }
    if (name == brightnessName) {
        return brightnessChoice;
    }
    for (int choice = 0; choice < choosableActionCount; choice++) {
        if (choosableActions[choice].fileName == name) {
            return choice;
        }
    }
    return -1;
}

std::string_view choiceName(const int choice) {
    if (choice == musicChoice) {
        return musicName;
    }
    if (choice == brightnessChoice) {
        return brightnessName;
    }
    return choice == effectsChoice ? effectsName : choosableActions[choice].fileName;
}

// A key named twice on one line counts once.
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
        if (!keys.has(*key)) {
            keys.keys[keys.count++] = *key;
        }
    }
    return true;
}

// A whole number 0 … highest.
bool readLevel(const std::string_view (&words)[maxWords], const int count, const int highest, int &level) {
    if (count != 2) {
        return false;
    }
    int value = -1;
    const std::string_view word = words[1];
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < 0 || value > highest) {
        return false;
    }
    level = value;
    return true;
}

// One line; false when it names no known choice, key or value.
bool parseLine(const std::string_view line, optionLine &read) {
    std::string_view words[maxWords];
    int count = 0;
    if (!splitWords(line, words, count) || count == 0) {
        return false;
    }
    read.choice = choiceNamed(words[0]);
    if (read.choice < 0) {
        return false;
    }
    if (read.choice == brightnessChoice) {
        return readLevel(words, count, maxBrightness, read.level);
    }
    if (read.choice >= choosableActionCount) {
        return readLevel(words, count, fullVolume, read.level);
    }
    return readKeys(words, count, read.keys);
}

bool blankOrComment(const std::string_view line) {
    const size_t first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '#';
}

// Calls use(lineNumber, line) for every line that is neither blank nor a comment, without
// its line end.
template <typename lineUser> void forEachLine(const std::string_view text, lineUser &&use) {
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
        if (!blankOrComment(line)) {
            use(lineNumber, line);
        }
    }
}

// One line on standard error about a line of the file: "velmora: options.txt line 3" and `what`.
void say(const optionsReading &reading, const int lineNumber, const std::string &what) {
    std::fprintf(stderr, "velmora: %.*s line %d%s\n", static_cast<int>(reading.source.size()),
                 reading.source.data(), lineNumber, what.c_str());
}

std::string nameOf(const keyCode key) {
    return std::string(keyName(key));
}

std::string actionNameOf(const int choice) {
    return std::string(choosableActions[choice].fileName);
}

actionKeys &keysOfChoice(keyBindings &bindings, const int choice) {
    return bindings.keysOf(choosableActions[choice].action);
}

// The bindable action other than `self` that answers to the key, or -1.
int holderOf(const keyBindings &bindings, const keyCode key, const int self) {
    for (int choice = 0; choice < choosableActionCount; choice++) {
        if (choice != self && bindings.keysOf(choosableActions[choice].action).has(key)) {
            return choice;
        }
    }
    return -1;
}

void replaceKey(actionKeys &keys, const keyCode key, const keyCode replacement) {
    for (int index = 0; index < keys.count; index++) {
        if (keys.keys[index] == key) {
            keys.keys[index] = replacement;
        }
    }
}

void removeKey(actionKeys &keys, const keyCode key) {
    int kept = 0;
    for (int index = 0; index < keys.count; index++) {
        if (keys.keys[index] != key) {
            keys.keys[kept++] = keys.keys[index];
        }
    }
    keys.count = kept;
}

// Whether any action, the spare one included, answers to the key.
bool heldByAny(const keyBindings &bindings, const keyCode key) {
    for (const actionKeys &keys : bindings.bindingKeys) {
        if (keys.has(key)) {
            return true;
        }
    }
    return false;
}

// A key no action answers to, nor the line being read names, for an action left with none:
// one of its own defaults, else another action's, else any key with a name (there are far
// more than the actions hold).
keyCode freeKeyFor(const keyBindings &bindings, const int choice, const actionKeys &lineKeys) {
    const auto isFree = [&](const keyCode key) { return !lineKeys.has(key) && !heldByAny(bindings, key); };
    const actionKeys own = defaultActionKeys(choosableActions[choice].action);
    for (int index = 0; index < own.count; index++) {
        if (isFree(own.keys[index])) {
            return own.keys[index];
        }
    }
    for (const choosableAction &other : choosableActions) {
        const actionKeys theirs = defaultActionKeys(other.action);
        for (int index = 0; index < theirs.count; index++) {
            if (isFree(theirs.keys[index])) {
                return theirs.keys[index];
            }
        }
    }
    for (int index = 0; index < keyboardKeyCount; index++) {
        const auto key = static_cast<keyCode>(index);
        if (!keyName(key).empty() && isFree(key)) {
            return key;
        }
    }
    return own.keys[0];
}

// Whether the line's action takes the key. A key an earlier line bound stays there. One
// another action holds is taken from it: an action whose own line comes later needs nothing
// in return; any other takes in its place a key the line's action gives up, as a swap on the
// controls page would, or, left with no key at all, a free one.
bool takeKey(optionsReading &reading, const int lineNumber, const int choice, const actionKeys &wanted,
             const keyCode key, const actionKeys &givenUp, int &nextGiven) {
    const int holder = holderOf(reading.bindings, key, choice);
    if (holder < 0) {
        return true;
    }
    if (reading.boundBy[holder] != 0) {
        say(reading, lineNumber,
            ": " + nameOf(key) + " is " + actionNameOf(holder) + "'s already, from line " +
                std::to_string(reading.boundBy[holder]) + ", and stays there");
        reading.problems++;
        return false;
    }
    actionKeys &theirs = keysOfChoice(reading.bindings, holder);
    if (reading.chosenLine[holder] > lineNumber) {
        removeKey(theirs, key);
        return true;
    }
    std::string taking =
        ": " + actionNameOf(choice) + " takes " + nameOf(key) + " from " + actionNameOf(holder);
    if (nextGiven < givenUp.count) {
        replaceKey(theirs, key, givenUp.keys[nextGiven]);
        taking += ", which takes " + nameOf(givenUp.keys[nextGiven++]);
    } else {
        removeKey(theirs, key);
        if (theirs.count == 0) {
            theirs.keys[theirs.count++] = freeKeyFor(reading.bindings, holder, wanted);
            taking += ", which takes " + nameOf(theirs.keys[0]);
        }
    }
    say(reading, lineNumber, taking);
    return true;
}

// A line whose every key an earlier line bound leaves its action with the keys it has, or,
// when other lines took them all, a free one.
void bindLineKeys(optionsReading &reading, const int lineNumber, const int choice, const actionKeys &wanted) {
    actionKeys &own = keysOfChoice(reading.bindings, choice);
    actionKeys givenUp;
    for (int index = 0; index < own.count; index++) {
        if (!wanted.has(own.keys[index])) {
            givenUp.keys[givenUp.count++] = own.keys[index];
        }
    }
    int nextGiven = 0;
    actionKeys taken;
    for (int index = 0; index < wanted.count; index++) {
        if (takeKey(reading, lineNumber, choice, wanted, wanted.keys[index], givenUp, nextGiven)) {
            taken.keys[taken.count++] = wanted.keys[index];
        }
    }
    if (taken.count == 0) {
        if (own.count == 0) {
            own.keys[own.count++] = freeKeyFor(reading.bindings, choice, wanted);
        }
        say(reading, lineNumber, ": " + actionNameOf(choice) + " keeps " + keyNames(own));
        return;
    }
    own = taken;
    reading.boundBy[choice] = lineNumber;
}

// What is wrong with a line parseLine refused, after the line itself.
std::string whyUnusable(const std::string_view line) {
    std::string_view words[maxWords];
    int count = 0;
    const bool named = splitWords(line, words, count) && count > 0;
    const int choice = named ? choiceNamed(words[0]) : -1;
    if (choice == musicChoice || choice == effectsChoice) {
        return ": a volume is a whole number from 0 to " + std::to_string(fullVolume);
    }
    if (choice == brightnessChoice) {
        return ": the brightness is a whole number from 0 to " + std::to_string(maxBrightness);
    }
    return " names no known choice, key or value";
}

// The first look: every line that cannot be used is said, and each choice is taken from
// the last good line that names it.
void findLinesToUse(optionsReading &reading, const std::string_view text) {
    forEachLine(text, [&](const int lineNumber, const std::string_view line) {
        optionLine read;
        if (!parseLine(line, read)) {
            say(reading, lineNumber, " skipped: \"" + printableText(line) + "\"" + whyUnusable(line));
            reading.problems++;
            return;
        }
        reading.chosenLine[read.choice] = lineNumber;
        reading.linesNaming[read.choice]++;
    });
    for (int choice = 0; choice < choiceCount; choice++) {
        const int count = reading.linesNaming[choice];
        if (count > 1) {
            say(reading, reading.chosenLine[choice],
                ": used for " + std::string(choiceName(choice)) + ", named on " + std::to_string(count) +
                    " lines; the others are skipped");
            reading.problems += count - 1;
        }
    }
}

bool sameKeys(const actionKeys &one, const actionKeys &other) {
    return one.count == other.count && std::equal(one.keys, one.keys + one.count, other.keys);
}

void applyLinesToUse(optionsReading &reading, const std::string_view text) {
    forEachLine(text, [&](const int lineNumber, const std::string_view line) {
        optionLine read;
        if (!parseLine(line, read) || reading.chosenLine[read.choice] != lineNumber) {
            return;
        }
        if (read.choice == musicChoice) {
            reading.volumes.music = read.level;
        } else if (read.choice == effectsChoice) {
            reading.volumes.effects = read.level;
        } else if (read.choice == brightnessChoice) {
            reading.brightness = read.level;
        } else {
            bindLineKeys(reading, lineNumber, read.choice, read.keys);
        }
    });
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

std::string playerOptionsText(const keyBindings &bindings, const soundVolumes &volumes,
                              const int brightness) {
    std::string text;
    text.reserve(optionsTextRoom);
    for (const choosableAction &choice : choosableActions) {
        const actionKeys &keys = bindings.keysOf(choice.action);
        if (choice.action == keyAction::recallKey && sameKeys(keys, defaultActionKeys(choice.action))) {
            continue;
        }
        text.append(choice.fileName).append(" ").append(keyNames(keys)).append("\n");
    }
    text.append(musicName).append(" ").append(std::to_string(volumes.music)).append("\n");
    text.append(effectsName).append(" ").append(std::to_string(volumes.effects)).append("\n");
    if (brightness != defaultBrightness) {
        text.append(brightnessName).append(" ").append(std::to_string(brightness)).append("\n");
    }
    return text;
}

int applyOptionsText(const std::string_view text, keyBindings &bindings, soundVolumes &volumes,
                     int &brightness, const std::string_view source) {
    optionsReading reading{
        .source = source, .bindings = bindings, .volumes = volumes, .brightness = brightness};
    findLinesToUse(reading, text);
    applyLinesToUse(reading, text);
    return reading.problems;
}

std::string_view wholeLinesWithin(const std::string_view bytes, const size_t limit) {
    if (bytes.size() <= limit) {
        return bytes;
    }
    const size_t lastLineEnd = bytes.rfind('\n', limit - 1);
    return lastLineEnd == std::string_view::npos ? std::string_view() : bytes.substr(0, lastLineEnd + 1);
}

fileRead readOptionsFile(const std::string &path, keyBindings &bindings, soundVolumes &volumes,
                         int &brightness) {
    std::string bytes;
    const fileRead result = readFileStart(path, bytes, optionsFileLimit + 1);
    if (result != fileRead::read) {
        return result;
    }
    const std::string_view text = wholeLinesWithin(bytes, optionsFileLimit);
    int problems = 0;
    if (text.size() < bytes.size()) {
        const auto cutLine = std::count(text.begin(), text.end(), '\n') + 1;
        std::fprintf(
            stderr,
            "velmora: %s is longer than %zu bytes: line %td, cut there, and all after it are not read\n",
            path.c_str(), optionsFileLimit, cutLine);
        problems++;
    }
    if (applyOptionsText(text, bindings, volumes, brightness, path) + problems > 0) {
        keepFirstCopy(path, malformedCopyPath(path));
    }
    return result;
}
