#pragma once
// The night drive's music: one piece of sixteen bars in D minor at 90 beats a minute, in three
// intensities that share key, tempo and length so any one can crossfade into another, and the
// title music. Each is scaled to be heard at the music's loudness at its channel volume.
#include "soundSynth.h"

// intensity 1: pad, bass, slow bells and the melody's long notes; 2: adds a walking bass,
// arpeggio, soft drums and the whole melody; 3: a faster arpeggio, the lead and fuller drums.
stereoSound nightMusicLayer(int intensity);
// A slower music-box piece of twelve bars in the same key for the title screen.
stereoSound titleMusic();
