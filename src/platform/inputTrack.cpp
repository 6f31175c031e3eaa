#include "platform/inputTrack.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <unistd.h>

#include "platform/fileBytes.h"
#include "platform/printableText.h"
#include "platform/regularFile.h"

namespace {

// Far more than hours of play write; a bigger file is not a track.
constexpr size_t largestTrackBytes = 64u << 20;

bool parseWhole(const std::string &word, int &number) {
    const auto isDigit = [](const char c) { return c >= '0' && c <= '9'; };
    if (word.empty() || word.size() > 9 || !std::all_of(word.begin(), word.end(), isDigit)) {
        return false;
    }
    number = std::stoi(word);
    return true;
}

bool parsePassNumber(const std::string &word, int &pass) {
    return parseWhole(word, pass) && pass >= 1 && pass <= largestTrackPass;
}

// A signed whole number within the range of a stick's axis.
bool parseAxisValue(const std::string &word, std::int32_t &value) {
    int magnitude = 0;
    const bool negative = !word.empty() && word[0] == '-';
    if (!parseWhole(negative ? word.substr(1) : word, magnitude) || magnitude > 32768) {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return value <= 32767;
}

// "FIRST-LAST KEY": down at FIRST, up after LAST.
bool parseHeldRange(const std::string &range, const keyCode key, std::vector<trackEvent> &events) {
    const size_t dash = range.find('-');
    int first = 0;
    int last = 0;
    if (dash == std::string::npos || !parsePassNumber(range.substr(0, dash), first) ||
        !parsePassNumber(range.substr(dash + 1), last) || last < first) {
        return false;
    }
    events.push_back(trackEvent{.pass = first, .key = key, .down = true});
    events.push_back(trackEvent{.pass = last + 1, .key = key, .down = false});
    return true;
}

// "loop N": the track starts again after pass N, once only.
bool parseLoop(std::istringstream &words, inputTrack &track) {
    std::string length, extra;
    if (track.loopPasses > 0 || !(words >> length) || !parsePassNumber(length, track.loopPasses) ||
        words >> extra) {
        return false;
    }
    return true;
}

// What follows "PASS" when it is not a key: quit, focusLost, hat BITS, stick AXIS VALUE, reached.
bool parseOtherEvent(const std::string &word, std::istringstream &words, trackEvent &event, bool &reached) {
    std::string first, second;
    words >> first >> second;
    if (word == "quit" || word == "focusLost" || word == "reached") {
        event.kind = word == "quit" ? trackEventKind::quit : trackEventKind::focusLost;
        reached = word == "reached";
        return first.empty();
    }
    if (word == "hat") {
        int bits = 0;
        event.kind = trackEventKind::hat;
        event.value = parseWhole(first, bits) ? bits : -1;
        return event.value >= 0 && event.value <= 15 && second.empty();
    }
    if (word == "stick") {
        event.kind = trackEventKind::stick;
        event.axis = first == "1" ? 1 : 0;
        return (first == "0" || first == "1") && parseAxisValue(second, event.value);
    }
    return false;
}

bool parseEventLine(const std::string &when, std::istringstream &words, inputTrack &track) {
    std::string name, action, extra;
    if (!(words >> name)) {
        return false;
    }
    const std::optional<keyCode> key = keyByName(name);
    int pass = 0;
    if (!key) {
        trackEvent event;
        bool reached = false;
        if (!parsePassNumber(when, pass) || !parseOtherEvent(name, words, event, reached) || words >> extra) {
            return false;
        }
        track.lastPass = std::max(track.lastPass, pass);
        if (!reached) {
            event.pass = pass;
            track.events.push_back(event);
        }
        return true;
    }
    const bool hasAction = static_cast<bool>(words >> action);
    if (words >> extra) {
        return false;
    }
    if (!hasAction) {
        return parseHeldRange(when, *key, track.events);
    }
    if (!parsePassNumber(when, pass) || (action != "down" && action != "up")) {
        return false;
    }
    track.events.push_back(trackEvent{.pass = pass, .key = *key, .down = action == "down"});
    return true;
}

bool parseLine(const std::string &line, inputTrack &track) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::string when;
    if (!(words >> when)) {
        return true; // blank or comment
    }
    if (when == "loop") {
        return parseLoop(words, track);
    }
    return parseEventLine(when, words, track);
}

bool keptAsItIs(const unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_';
}

std::string encoded(const std::string &text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (keptAsItIs(byte)) {
            out += c;
        } else if (c == ' ') {
            out += '+';
        } else {
            char escape[4];
            std::snprintf(escape, sizeof escape, "%%%02X", byte);
            out += escape;
        }
    }
    return out;
}

int hexDigit(const char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool decoded(const std::string &text, std::string &out) {
    out.clear();
    for (size_t k = 0; k < text.size(); k++) {
        const char c = text[k];
        if (c == '+') {
            out += ' ';
        } else if (c != '%') {
            if (!keptAsItIs(static_cast<unsigned char>(c))) {
                return false;
            }
            out += c;
        } else if (k + 2 < text.size() && hexDigit(text[k + 1]) >= 0 && hexDigit(text[k + 2]) >= 0) {
            out += static_cast<char>(hexDigit(text[k + 1]) * 16 + hexDigit(text[k + 2]));
            k += 2;
        } else {
            return false;
        }
    }
    return true;
}

// "velmora-track FORMAT game=... settings=... saved=... options=...", every field once.
bool parseHeader(const std::string &line, trackStart &start, std::string &error) {
    std::istringstream words(line);
    std::string word, format;
    words >> word >> format;
    int number = 0;
    if (!parseWhole(format, number) || number < 1) {
        error = "its header has no format number";
        return false;
    }
    if (number > trackFormat) {
        error = "it is of track format " + format + ", newer than this game reads (" +
                std::to_string(trackFormat) + ")";
        return false;
    }
    std::string *const fields[] = {&start.game, &start.settings, &start.saved, &start.options};
    const char *const names[] = {"game=", "settings=", "saved=", "options="};
    bool seen[4] = {};
    while (words >> word) {
        int field = 0;
        while (field < 4 && !word.starts_with(names[field])) {
            field++;
        }
        if (field == 4 || seen[field] || !decoded(word.substr(std::strlen(names[field])), *fields[field])) {
            error = "its header cannot be read at \"" + printableText(word.substr(0, 24)) + "\"";
            return false;
        }
        seen[field] = true;
    }
    if (!std::all_of(std::begin(seen), std::end(seen), [](const bool s) { return s; })) {
        error = "its header lacks one of game, settings, saved and options";
        return false;
    }
    return true;
}

// A line as a message may quote it: its first 40 bytes, escaped.
std::string quoted(const std::string &line) {
    return "\"" + printableText(line.substr(0, 40)) + (line.size() > 40 ? "...\"" : "\"");
}

// The first pass number on the line beyond largestTrackPass, or 0.
int passBeyondLast(const std::string &line) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::string when;
    words >> when;
    if (when == "loop") {
        words >> when;
    }
    std::istringstream parts(when);
    std::string part;
    int number = 0;
    while (std::getline(parts, part, '-')) {
        if (parseWhole(part, number) && number > largestTrackPass) {
            return number;
        }
    }
    return 0;
}

std::string lineError(const std::string &line, const int lineNumber) {
    const std::string where = "input track line " + std::to_string(lineNumber) + ": ";
    if (const int late = passBeyondLast(line)) {
        return where + "pass " + std::to_string(late) + " is past the last a track may name (" +
               std::to_string(largestTrackPass) + ", a hundred hours of play)";
    }
    return where + "cannot read " + quoted(line);
}

bool readWholeFile(const std::string &path, std::string &text, std::string &error) {
    const int fd = openRegularFile(path);
    if (fd < 0) {
        error = errno == ENOENT   ? "no such file"
                : errno == EINVAL ? "not a regular file"
                                  : std::string("cannot read it (") + std::strerror(errno) + ")";
        return false;
    }
    // One byte past the largest track tells a file too big from one just fitting.
    const bool whole = readUpTo(fd, text, largestTrackBytes + 1);
    const int readError = errno;
    close(fd);
    if (!whole) {
        error = std::string("cannot read it (") + std::strerror(readError) + ")";
        return false;
    }
    if (text.size() > largestTrackBytes) {
        error = "too big for a track";
        return false;
    }
    return true;
}

} // namespace

std::string trackHeaderLine(const trackStart &start) {
    return std::string(trackHeaderWord) + " " + std::to_string(trackFormat) + " game=" + encoded(start.game) +
           " settings=" + encoded(start.settings) + " saved=" + encoded(start.saved) +
           " options=" + encoded(start.options);
}

bool parseInputTrack(const std::string &text, inputTrack &track, std::string &error) {
    track = inputTrack{};
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    const bool endsLine = text.empty() || text.back() == '\n';
    while (std::getline(lines, line)) {
        lineNumber++;
        const bool lastLine = lines.peek() == std::char_traits<char>::eof();
        // A recording writes whole lines: one without its line feed was cut off as it was
        // written, and what it held cannot be trusted (a "1234 reached" cut to "12").
        if (track.recorded && lastLine && !endsLine) {
            track.cutShortInLine = lineNumber;
            break;
        }
        if (lineNumber == 1 && line.starts_with(std::string(trackHeaderWord) + " ")) {
            if (!endsLine && lastLine) {
                error = "it is cut short in its header";
                return false;
            }
            if (!parseHeader(line, track.start, error)) {
                return false;
            }
            track.recorded = true;
            continue;
        }
        if (!parseLine(line, track)) {
            error = lineError(line, lineNumber);
            return false;
        }
    }
    std::stable_sort(track.events.begin(), track.events.end(),
                     [](const trackEvent &a, const trackEvent &b) { return a.pass < b.pass; });
    if (!track.events.empty()) {
        track.lastPass = std::max(track.lastPass, track.events.back().pass);
    }
    // An event the loop never reaches (a held key would stay down for ever) is a mistake.
    if (track.loopPasses > 0 && !track.events.empty() && track.events.back().pass > track.loopPasses) {
        error = "input track: an event at pass " + std::to_string(track.events.back().pass) +
                " is after the loop of " + std::to_string(track.loopPasses) + " passes";
        return false;
    }
    return true;
}

bool loadInputTrack(const std::string &path, inputTrack &track, std::string &error,
                    const bool mustBeRecorded) {
    std::string text;
    if (!readWholeFile(path, text, error)) {
        error = path + ": " + error;
        return false;
    }
    if (mustBeRecorded && !text.starts_with(std::string(trackHeaderWord) + " ")) {
        error = path + ": " + (text.empty() ? "empty" : "not a recorded velmora track (no header line)");
        return false;
    }
    if (!parseInputTrack(text, track, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}

int trackLength(const inputTrack &track) {
    return track.loopPasses > 0 ? track.loopPasses : track.lastPass;
}

void pushTrackEvents(const inputTrack &track, trackCursor &cursor, int pass) {
    if (track.loopPasses > 0) {
        pass = (pass - 1) % track.loopPasses + 1;
    }
    if (pass <= cursor.pass) {
        cursor.next = 0; // the loop starts again
    }
    cursor.pass = pass;
    const std::vector<trackEvent> &events = track.events;
    while (cursor.next < events.size() && events[cursor.next].pass < pass) {
        cursor.next++;
    }
    for (; cursor.next < events.size() && events[cursor.next].pass == pass; cursor.next++) {
        const trackEvent &entry = events[cursor.next];
        switch (entry.kind) {
        case trackEventKind::key:
            queueKeyEvent(entry.key, entry.down);
            break;
        case trackEventKind::quit:
            queueQuitEvent();
            break;
        case trackEventKind::focusLost:
            queueFocusLostEvent();
            break;
        case trackEventKind::hat:
            queueHatEvent(entry.value);
            break;
        case trackEventKind::stick:
            queueStickEvent(entry.axis, entry.value);
            break;
        }
    }
}

std::size_t formatTrackLine(const trackEvent &event, char *out) {
    int length = 0;
    switch (event.kind) {
    case trackEventKind::key:
        length = std::snprintf(out, trackLineRoom, "%d %.*s %s\n", event.pass,
                               static_cast<int>(keyName(event.key).size()), keyName(event.key).data(),
                               event.down ? "down" : "up");
        break;
    case trackEventKind::quit:
    case trackEventKind::focusLost:
        length = std::snprintf(out, trackLineRoom, "%d %s\n", event.pass,
                               event.kind == trackEventKind::quit ? "quit" : "focusLost");
        break;
    case trackEventKind::hat:
        length = std::snprintf(out, trackLineRoom, "%d hat %d\n", event.pass, event.value);
        break;
    case trackEventKind::stick:
        length = std::snprintf(out, trackLineRoom, "%d stick %d %d\n", event.pass, event.axis, event.value);
        break;
    }
    return static_cast<std::size_t>(std::clamp(length, 0, static_cast<int>(trackLineRoom) - 1));
}
