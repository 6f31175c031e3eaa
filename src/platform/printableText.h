#pragma once
// Bytes from a file, made safe to print: a terminal takes an escape byte as a command (to
// clear the screen, or retitle the window), and a NUL ends a C string early. Every byte that
// is not printable ASCII, and the backslash itself, is written as \xNN.
#include <string>
#include <string_view>

std::string printableText(std::string_view bytes);
