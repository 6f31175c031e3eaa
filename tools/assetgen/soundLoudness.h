#pragma once
// Loudness as a listener hears it (K-weighted and gated, in LUFS), so every sound is scaled to
// where it sits in the game's mix at the volume the game plays it, rather than to its peak.
#include "soundSynth.h"

// A sound's integrated loudness; a loop is weighted as a circle. Quieter than -70 LUFS reads
// as -70.
double integratedLoudness(const stereoSound &sound, bool looped);

// The loudness of a sound played on a channel at volume (of 128): the mixer scales it linearly.
double heardLoudness(double fileLufs, int channelVolume);
// The file loudness that is heard at heardLufs on a channel at volume.
double fileLoudnessFor(double heardLufs, int channelVolume);

// Scales the sound to the loudness, holding its peaks under the ceiling with a smooth gain
// (10 ms either side of each peak; a loop's gain wraps round its seam).
void setLoudness(stereoSound &sound, double lufs, float ceiling, bool looped);
