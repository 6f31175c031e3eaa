#pragma once
#include <string>

// Packs every PNG under `folder` again as small as smallestPng can, in place: a file is
// replaced only by smaller bytes that read back to its very pixels, in its colour type. False,
// with the file named on stderr, when one cannot be read or written or comes back different.
bool repackPictures(const std::string &folder);
