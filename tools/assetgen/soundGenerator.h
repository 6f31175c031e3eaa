#pragma once
#include <string>

// Writes every sound under OUTDIR/sounds. False on any write failure.
bool writeAllSounds(const std::string &outDir);
