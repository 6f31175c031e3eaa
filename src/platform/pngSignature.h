#pragma once
// Where the game decodes its pictures itself (the web page, Windows), a picture is readable
// when it is a regular file that starts as a PNG does.
#include <string>

bool startsAsPng(const std::string &path);
