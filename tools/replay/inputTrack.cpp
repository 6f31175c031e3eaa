#include "inputTrack.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "platform/input.h"

static bool parsePassNumber(const std::string &word, int &pass) {
    const auto isDigit = [](const char c) { return c >= '0' && c <= '9'; };
    if (word.empty() || word.size() > 9 || !std::all_of(word.begin(), word.end(), isDigit)) {
        return false;
    }
    pass = std::stoi(word);
    return pass >= 1;
}

// A key name, or "quit" for a window-close event.
static bool parseKey(const std::string &word, trackEvent &event) {
    if (word == "quit") {
        event.quit = true;
        return true;
    }
    const std::optional<keyCode> key = keyByName(word);
    if (key) {
        event.key = *key;
    }
    return key.has_value();
}

// "FIRST-LAST KEY": down at FIRST, up after LAST.
static bool parseHeldRange(const std::string &range, const keyCode key, std::vector<trackEvent> &events) {
    const size_t dash = range.find('-');
    int first = 0;
    int last = 0;
    if (dash == std::string::npos || !parsePassNumber(range.substr(0, dash), first) ||
        !parsePassNumber(range.substr(dash + 1), last) || last < first) {
        return false;
    }
    events.push_back(trackEvent{first, false, key, true});
    events.push_back(trackEvent{last + 1, false, key, false});
    return true;
}

// "loop N": the track starts again after pass N, once only.
static bool parseLoop(std::istringstream &words, inputTrack &track) {
    std::string length, extra;
    if (track.loopPasses > 0 || !(words >> length) || !parsePassNumber(length, track.loopPasses) ||
        words >> extra) {
        return false;
    }
    return true;
}

static bool parseLine(const std::string &line, inputTrack &track) {
    std::vector<trackEvent> &events = track.events;
    std::istringstream words(line.substr(0, line.find('#')));
    std::string when, keyName, action, extra;
    if (!(words >> when)) {
        return true; // blank or comment
    }
    if (when == "loop") {
        return parseLoop(words, track);
    }
    trackEvent parsed;
    if (!(words >> keyName) || !parseKey(keyName, parsed)) {
        return false;
    }
    const bool hasAction = static_cast<bool>(words >> action);
    if (words >> extra) {
        return false;
    }
    int pass = 0;
    if (parsed.quit) {
        // "PASS quit": a window-close event
        if (hasAction || !parsePassNumber(when, pass)) {
            return false;
        }
        events.push_back(trackEvent{pass, true, parsed.key, false});
        return true;
    }
    if (!hasAction) {
        return parseHeldRange(when, parsed.key, events);
    }
    if (!parsePassNumber(when, pass) || (action != "down" && action != "up")) {
        return false;
    }
    events.push_back(trackEvent{pass, false, parsed.key, action == "down"});
    return true;
}

bool parseInputTrack(const std::string &text, inputTrack &track, std::string &error) {
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    track.events.clear();
    track.loopPasses = 0;
    while (std::getline(lines, line)) {
        lineNumber++;
        if (!parseLine(line, track)) {
            error = "input track line " + std::to_string(lineNumber) + ": cannot read \"" + line + "\"";
            return false;
        }
    }
    std::stable_sort(track.events.begin(), track.events.end(),
                     [](const trackEvent &a, const trackEvent &b) { return a.pass < b.pass; });
    // An event the loop never reaches (a held key would stay down for ever) is a mistake.
    if (track.loopPasses > 0 && !track.events.empty() && track.events.back().pass > track.loopPasses) {
        error = "input track: an event at pass " + std::to_string(track.events.back().pass) +
                " is after the loop of " + std::to_string(track.loopPasses) + " passes";
        return false;
    }
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

void pushTrackEvents(const inputTrack &track, int pass) {
    if (track.loopPasses > 0) {
        pass = (pass - 1) % track.loopPasses + 1;
    }
    for (const trackEvent &entry : track.events) {
        if (entry.pass != pass) {
            continue;
        }
        if (entry.quit) {
            queueQuitEvent();
        } else {
            queueKeyEvent(entry.key, entry.down);
        }
    }
}
