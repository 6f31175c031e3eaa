#include "platform/firstLine.h"

std::string_view firstLineOf(std::string_view bytes) {
    std::string_view line = bytes.substr(0, firstLineBytesNeeded);
    line = line.substr(0, line.find('\n'));
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line;
}

firstLineVerdict judgeFirstLine(std::string_view bytes, std::string_view defaultText) {
    const std::string_view line = firstLineOf(bytes);
    if (line.size() == defaultText.size()) {
        return {line, false};
    }
    return {defaultText, true};
}
