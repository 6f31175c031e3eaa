#include "journeyPlan.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/printableText.h"

namespace {

// Long enough for the slowest leg of the game (a level's laps), short enough that a car
// lost on the road gives up within a minute.
constexpr int defaultBound = 4000;

bool parseCount(const std::string &word, int &value) {
    if (word.empty() || word.size() > 7 || word.find_first_not_of("0123456789") != std::string::npos) {
        return false;
    }
    value = std::stoi(word);
    return true;
}

bool parseNumber(const std::string &word, double &value) {
    char *end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return !word.empty() && end == word.c_str() + word.size() && std::isfinite(value);
}

bool parseKeys(const std::string &list, std::vector<keyCode> &keys) {
    std::istringstream names(list);
    std::string name;
    while (std::getline(names, name, ',')) {
        const std::optional<keyCode> key = keyByName(name);
        if (!key) {
            return false;
        }
        keys.push_back(*key);
    }
    return !keys.empty();
}

bool parseCondition(std::istringstream &words, journeyCondition &condition) {
    std::string name, value;
    if (!(words >> name >> value)) {
        return false;
    }
    const struct {
        const char *name;
        conditionKind kind;
        bool numeric;
    } known[] = {{"level", conditionKind::level, true},      {"stage", conditionKind::stage, true},
                 {"moon", conditionKind::moon, true},        {"state", conditionKind::state, false},
                 {"flags", conditionKind::flags, false},     {"saved", conditionKind::saved, false},
                 {"message", conditionKind::message, false}, {"ghosts", conditionKind::ghosts, true},
                 {"inlevel", conditionKind::inLevel, true},  {"won", conditionKind::won, true}};
    const struct {
        const char *name;
        conditionKind kind;
    } places[] = {{"x<", conditionKind::xBelow},
                  {"x>", conditionKind::xAbove},
                  {"y<", conditionKind::yBelow},
                  {"y>", conditionKind::yAbove},
                  {"heading", conditionKind::heading}};
    for (const auto &entry : places) {
        if (name == entry.name) {
            condition.kind = entry.kind;
            return parseNumber(value, condition.coordinate);
        }
    }
    for (const auto &entry : known) {
        if (name == entry.name) {
            condition.kind = entry.kind;
            if (entry.numeric) {
                return parseCount(value, condition.number);
            }
            condition.text = value;
            return true;
        }
    }
    return false;
}

// The words after "drive" or "follow".
bool parseDrive(std::istringstream &words, journeyLeg &leg) {
    std::string x, y, heading, word;
    if (!(words >> x >> y) || !parseNumber(x, leg.x) || !parseNumber(y, leg.y)) {
        return false;
    }
    if (leg.kind == legKind::follow && (!(words >> heading) || !parseNumber(heading, leg.heading))) {
        return false;
    }
    while (words >> word) {
        if (word == "stop") {
            leg.stop = true;
        } else if (word == "exactly" && leg.stop && leg.kind == legKind::follow) {
            leg.exactly = true;
        } else if (word == "at") {
            if (!(words >> word) || !parseNumber(word, leg.topSpeed) || leg.topSpeed <= 0) {
                return false;
            }
        } else if (word == "ahead" && leg.kind == legKind::follow) {
            if (!(words >> word) || !parseNumber(word, leg.lookAhead) || leg.lookAhead <= 0) {
                return false;
            }
        } else if (word == "until") {
            if (!parseCondition(words, leg.condition)) {
                return false;
            }
        } else {
            return false;
        }
    }
    // A line has no end: following one needs a point to stand at or a condition to stop.
    return leg.kind == legKind::drive || leg.stop || leg.condition.kind != conditionKind::none;
}

bool parseLegWords(const std::string &name, std::istringstream &words, journeyLeg &leg) {
    std::string word;
    if (name == "press") {
        leg.kind = legKind::press;
        return words >> word && parseKeys(word, leg.keys) && leg.keys.size() == 1;
    }
    if (name == "hold") {
        leg.kind = legKind::hold;
        std::string count;
        return words >> word >> count && parseKeys(word, leg.keys) && parseCount(count, leg.passes);
    }
    if (name == "wait") {
        leg.kind = legKind::wait;
        return words >> word && parseCount(word, leg.passes);
    }
    if (name == "until") {
        leg.kind = legKind::until;
        if (!parseCondition(words, leg.condition)) {
            return false;
        }
        return !(words >> word) || parseKeys(word, leg.keys);
    }
    if (name == "drive" || name == "follow") {
        leg.kind = name == "drive" ? legKind::drive : legKind::follow;
        return parseDrive(words, leg);
    }
    if (name == "defend") {
        leg.kind = legKind::defend;
        leg.on = words >> word && (word == "on" || word == "racers");
        leg.racers = word == "racers";
        return leg.on || word == "off";
    }
    if (name == "expect") {
        leg.kind = legKind::expect;
        return parseCondition(words, leg.condition);
    }
    const struct {
        const char *name;
        legKind kind;
    } bare[] = {{"flash", legKind::flash}, {"lights", legKind::lights}, {"quit", legKind::quit}};
    for (const auto &entry : bare) {
        if (name == entry.name) {
            leg.kind = entry.kind;
            return true;
        }
    }
    return false;
}

// Cuts "within N" off the end of a line.
bool takeBound(std::string &text, int &bound) {
    bound = defaultBound;
    const size_t at = text.find(" within ");
    if (at == std::string::npos) {
        return true;
    }
    std::istringstream rest(text.substr(at + 8));
    std::string count, extra;
    text = text.substr(0, at);
    return rest >> count && parseCount(count, bound) && !(rest >> extra);
}

bool parseLine(const std::string &line, journeyLeg &leg) {
    std::string text = line.substr(0, line.find('#'));
    if (!takeBound(text, leg.bound)) {
        return false;
    }
    std::istringstream words(text);
    std::string name, extra;
    if (!(words >> name) || !parseLegWords(name, words, leg)) {
        return false;
    }
    return !(words >> extra);
}

bool isBlank(const std::string &line) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::string word;
    return !(words >> word);
}

bool loadPlanFile(const std::filesystem::path &path, std::vector<journeyLeg> &legs, std::string &error,
                  int depth);

bool parsePlanText(const std::string &text, const std::filesystem::path &folder, const std::string &fileName,
                   std::vector<journeyLeg> &legs, std::string &error, int depth) {
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        lineNumber++;
        if (isBlank(line)) {
            continue;
        }
        std::istringstream words(line.substr(0, line.find('#')));
        std::string name, file, extra;
        words >> name;
        if (name == "include") {
            if (!(words >> file) || words >> extra || folder.empty()) {
                error = "plan line " + std::to_string(lineNumber) + ": cannot read \"" + printableText(line) +
                        "\"";
                return false;
            }
            if (!loadPlanFile(folder / file, legs, error, depth + 1)) {
                return false;
            }
            continue;
        }
        journeyLeg leg;
        leg.where = fileName + ":" + std::to_string(lineNumber);
        leg.source = line;
        if (!parseLine(line, leg)) {
            error =
                "plan line " + std::to_string(lineNumber) + ": cannot read \"" + printableText(line) + "\"";
            return false;
        }
        legs.push_back(leg);
    }
    return true;
}

bool loadPlanFile(const std::filesystem::path &path, std::vector<journeyLeg> &legs, std::string &error,
                  int depth) {
    // Plans that include each other in a circle would never end.
    if (depth > 8) {
        error = "plans included too deeply at " + path.string();
        return false;
    }
    std::ifstream file(path);
    if (!file) {
        error = "cannot read plan " + path.string();
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
    if (!parsePlanText(text.str(), folder, path.filename().string(), legs, error, depth)) {
        error = path.filename().string() + ": " + error;
        return false;
    }
    return true;
}

} // namespace

bool parseJourneyPlan(const std::string &text, std::vector<journeyLeg> &legs, std::string &error) {
    legs.clear();
    return parsePlanText(text, {}, "plan", legs, error, 0);
}

bool loadJourneyPlan(const std::string &path, std::vector<journeyLeg> &legs, std::string &error) {
    legs.clear();
    return loadPlanFile(path, legs, error, 0);
}
