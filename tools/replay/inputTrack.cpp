#include "inputTrack.h"

#include <SDL.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "player/keyboardState.h"

static bool parsePassNumber(const std::string &word, int &pass) {
    if (word.empty() || word.size() > 9 || !std::all_of(word.begin(), word.end(), ::isdigit)) {
        return false;
    }
    pass = std::stoi(word);
    return pass >= 1;
}

static bool parseKey(const std::string &word, int &keyIndex) {
    if (word == "quit") {
        keyIndex = -1;
        return true;
    }
    keyIndex = keyIndexByName(word);
    return keyIndex >= 0;
}

// "FIRST-LAST KEY": down at FIRST, up after LAST.
static bool parseHeldRange(const std::string &range, int keyIndex, std::vector<trackEvent> &events) {
    const size_t dash = range.find('-');
    int first = 0;
    int last = 0;
    if (dash == std::string::npos || !parsePassNumber(range.substr(0, dash), first) ||
        !parsePassNumber(range.substr(dash + 1), last) || last < first) {
        return false;
    }
    events.push_back(trackEvent{first, keyIndex, true});
    events.push_back(trackEvent{last + 1, keyIndex, false});
    return true;
}

static bool parseLine(const std::string &line, std::vector<trackEvent> &events) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::string when, keyName, action, extra;
    if (!(words >> when)) {
        return true; // blank or comment
    }
    int keyIndex = -1;
    if (!(words >> keyName) || !parseKey(keyName, keyIndex)) {
        return false;
    }
    const bool hasAction = static_cast<bool>(words >> action);
    if (words >> extra) {
        return false;
    }
    int pass = 0;
    if (keyIndex < 0) {
        // "PASS quit": a window-close event
        if (hasAction || !parsePassNumber(when, pass)) {
            return false;
        }
        events.push_back(trackEvent{pass, -1, false});
        return true;
    }
    if (!hasAction) {
        return parseHeldRange(when, keyIndex, events);
    }
    if (!parsePassNumber(when, pass) || (action != "down" && action != "up")) {
        return false;
    }
    events.push_back(trackEvent{pass, keyIndex, action == "down"});
    return true;
}

bool parseInputTrack(const std::string &text, inputTrack &track, std::string &error) {
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    track.events.clear();
    while (std::getline(lines, line)) {
        lineNumber++;
        if (!parseLine(line, track.events)) {
            error = "input track line " + std::to_string(lineNumber) + ": cannot read \"" + line + "\"";
            return false;
        }
    }
    std::stable_sort(track.events.begin(), track.events.end(),
                     [](const trackEvent &a, const trackEvent &b) { return a.pass < b.pass; });
    return true;
}

bool loadInputTrack(const std::string &path, inputTrack &track, std::string &error) {
    std::ifstream file(path);
    if (!file) {
        error = "cannot read input track " + path;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parseInputTrack(text.str(), track, error);
}

static SDL_Event eventFor(const trackEvent &entry) {
    SDL_Event event = {};
    if (entry.keyIndex < 0) {
        event.type = SDL_QUIT;
        return event;
    }
    const trackedKey &key = trackedKeys[entry.keyIndex];
    event.type = entry.down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = entry.down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key.symbol;
    return event;
}

void pushTrackEvents(const inputTrack &track, int pass) {
    for (const trackEvent &entry : track.events) {
        if (entry.pass == pass) {
            SDL_Event event = eventFor(entry);
            SDL_PushEvent(&event);
        }
    }
}
