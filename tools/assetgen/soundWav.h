#pragma once
// Writes a sound as a RIFF WAV file: PCM, 16-bit, 44.1 kHz, stereo.
#include <string>

#include "soundSynth.h"

// Samples beyond -1 … 1 are clipped. False when the file cannot be written.
bool writeWavFile(const std::string &path, const stereoSound &sound);
