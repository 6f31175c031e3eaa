#pragma once
// A small comb-and-allpass room: enough air to sit the music and the chimes in the night.
#include "soundSynth.h"

struct roomSettings {
    float wet;      // share of reverberated sound added to the dry
    float feedback; // longer tails as it nears 1
    float damping;  // how quickly the highs die in the tail
};

// Treats the loop as a circle: the room runs over it once to fill, and the second pass is kept,
// so the tail from the end of the loop rings on over its start.
void reverbLoop(stereoSound &loop, const roomSettings &room);
// Reverberates a one-shot from silence; leave room at its end for the tail.
void reverbOneShot(stereoSound &sound, const roomSettings &room);
