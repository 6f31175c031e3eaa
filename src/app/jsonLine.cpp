#include "app/jsonLine.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

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
            // Every byte outside printable ASCII is escaped, so each line is plain ASCII and any
            // JSON reader takes it, whatever bytes a settings or save file holds.
            if (const unsigned char byte = static_cast<unsigned char>(c); byte < 0x20 || byte > 0x7e) {
                char escaped[8];
                std::snprintf(escaped, sizeof(escaped), "\\u%04x", byte);
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
#if defined(__cpp_lib_to_chars)
    const std::to_chars_result written = std::to_chars(number, number + sizeof(number), value);
    body.append(number, written.ptr);
#else
    // A standard library without to_chars for doubles (the browser build's): the fewest
    // significant digits that read back the same.
    for (int digits = 1; digits <= 17; digits++) {
        std::snprintf(number, sizeof(number), "%.*g", digits, value);
        if (std::strtod(number, nullptr) == value) {
            break;
        }
    }
    body += number;
#endif
    return *this;
}

jsonLine &jsonLine::addRaw(std::string_view key, std::string_view json) {
    addKey(key);
    body += json;
    return *this;
}
