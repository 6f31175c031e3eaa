#include "jsonLine.h"

#include <charconv>
#include <cmath>
#include <cstdio>

std::string jsonQuoted(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\n':
            quoted += "\\n";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof(escaped), "\\u%04x", static_cast<unsigned char>(c));
                quoted += escaped;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

void jsonLine::addKey(std::string_view key) {
    if (!body.empty()) {
        body += ", ";
    }
    body += jsonQuoted(key) + ": ";
}

jsonLine &jsonLine::add(std::string_view key, std::string_view value) {
    addKey(key);
    body += jsonQuoted(value);
    return *this;
}

jsonLine &jsonLine::add(std::string_view key, bool value) {
    addKey(key);
    body += value ? "true" : "false";
    return *this;
}

jsonLine &jsonLine::add(std::string_view key, int value) {
    addKey(key);
    body += std::to_string(value);
    return *this;
}

jsonLine &jsonLine::add(std::string_view key, double value) {
    addKey(key);
    if (!std::isfinite(value)) {
        body += "null";
        return *this;
    }
    // The shortest text that reads back as the same double.
    char number[32];
    const std::to_chars_result written = std::to_chars(number, number + sizeof(number), value);
    body.append(number, written.ptr);
    return *this;
}

jsonLine &jsonLine::addRaw(std::string_view key, std::string_view json) {
    addKey(key);
    body += json;
    return *this;
}
