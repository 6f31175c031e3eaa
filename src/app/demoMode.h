#pragma once
// Play as usual, or write the run to a track as it goes, or play a recorded track: in the
// window at the game's pace (the player's keys do nothing but Esc), or as fast as the machine
// can for its figures.
enum class demoMode : unsigned char { none, record, play, time };
