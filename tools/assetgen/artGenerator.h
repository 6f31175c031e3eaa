#pragma once
#include <string>

// Writes every picture under OUTDIR/art, plus the contact sheet. False on any write failure.
bool writeAllPictures(const std::string &outDir);
