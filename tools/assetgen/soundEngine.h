#pragma once
// The car's continuous sounds: four engine notes from idle to full speed, and tyres on gravel.
#include "soundSynth.h"

constexpr int engineNotes = 4;

// note 0 is the idle, note 3 full speed. Every note is one second long, a whole number of
// firing cycles, so the loop point falls between two cycles.
stereoSound engineNote(int note);
// Six and a half seconds of crunching stones that loop without a seam.
stereoSound gravelLoop();
