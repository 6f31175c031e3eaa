#pragma once
// The night drive's music: one piece in D minor at 90 beats a minute, in three intensities that
// share key, tempo and length so any one can crossfade into another, and the title music.
#include "soundSynth.h"

// intensity 1: pad, bass and a few bells; 2: adds a walking bass, arpeggio and soft drums;
// 3: adds a faster arpeggio, a lead line and fuller drums.
stereoSound nightMusicLayer(int intensity);
// A slower music-box piece in the same key for the title screen.
stereoSound titleMusic();
