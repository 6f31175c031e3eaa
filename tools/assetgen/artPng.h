#pragma once
#include <string>

#include "artImage.h"

// Writes the image as an 8-bit PNG (RGBA when it has alpha, RGB otherwise), creating
// the folders on the way. Nothing time-dependent goes into the file.
bool writePng(const std::string &path, const byteImage &image);
