#include "platform/printableText.h"

namespace {

bool printsAsItIs(const unsigned char byte) {
    return byte >= 0x20 && byte < 0x7f && byte != '\\';
}

} // namespace

std::string printableText(const std::string_view bytes) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (printsAsItIs(byte)) {
            text += c;
            continue;
        }
        text += "\\x";
        text += hexDigits[byte >> 4];
        text += hexDigits[byte & 0xf];
    }
    return text;
}
