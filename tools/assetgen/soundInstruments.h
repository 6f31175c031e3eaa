#pragma once
// One note of each instrument, rendered as a mono voice that starts and ends at silence.
// heldSeconds is how long the key is down; each voice adds its own release tail after it.
#include "soundSynth.h"

// Three detuned saws under a slowly breathing low-pass: the soft chord bed.
monoBuffer padVoice(double hz, double heldSeconds, soundRandom &random);
// Sine body with a little filtered saw so the bass still reads on small speakers.
monoBuffer bassVoice(double hz, double heldSeconds);
// Two-operator FM: ratio 1 gives a soft electric piano, higher ratios a bell or music box.
monoBuffer bellVoice(double hz, double decaySeconds, double modulatorRatio, double brightness);
// Triangle with delayed vibrato: the lead line.
monoBuffer leadVoice(double hz, double heldSeconds);

monoBuffer kickVoice(double weight);
monoBuffer hatVoice(soundRandom &random, double decaySeconds);
monoBuffer brushVoice(soundRandom &random);
