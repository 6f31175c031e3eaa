#pragma once
// The rule both small text files are read by, as a pure function of the file's bytes, so the
// game and the fuzzing harnesses judge a file the same way.
#include <cstddef>
#include <string_view>

// No real first line is longer than a few characters; a longer one is foreign and only its
// length matters, so a reader needs at most this many bytes of a file to judge it.
inline constexpr std::size_t firstLineBytesNeeded = 4097;

// Everything up to the first line feed (or the end). A carriage return just before it belongs
// to the line end, so files edited on other systems read the same. Looks at no more than
// firstLineBytesNeeded bytes.
std::string_view firstLineOf(std::string_view bytes);

struct firstLineVerdict {
    std::string_view text; // the line when it fits, else the default
    bool malformed;        // the file must be replaced by the default
};

// A first line of the default's length is used whatever its characters; any other length
// (an empty file included) is malformed and the default takes its place.
firstLineVerdict judgeFirstLine(std::string_view bytes, std::string_view defaultText);
