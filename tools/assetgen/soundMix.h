#pragma once
// Where each continuous sound sits in what the player hears. The game plays every loop at
// fixed channel volumes (of 128); each file is scaled so that at its volume it is heard at
// the loudness given here (LUFS: K-weighted and gated, as a listener hears it).

// The level's music: one layer at a time, at 10, 20 or 30. The three are heard alike, so a
// change of layer changes the texture, not the level.
constexpr int mixLayerVolumes[3] = {10, 20, 30};
constexpr double mixMusicHeard = -33.0;

// The title music plays alone at 30, a little above the game's music.
constexpr int mixTitleVolume = 30;
constexpr double mixTitleHeard = -29.0;

// The engine's notes at the volumes of their speed bands (idle at 40, then 80, 100 and 128),
// heard just under the music so the music carries over the drive.
constexpr int mixEngineVolumes[4] = {40, 80, 100, 128};
constexpr double mixEngineHeard[4] = {-37.0, -35.5, -35.0, -35.0};

// The gravel at 25, under the engine.
constexpr int mixGravelVolume = 25;
constexpr double mixGravelHeard = -39.0;

// The cues that must carry over the drive, as files: the ghost car's alarm, heard at 5 twelve
// tiles away and at 30 two tiles away, and the click of a refused flash, at 30.
constexpr double mixAlarmLoudness = -4.0;
constexpr double mixClickLoudness = -12.0;

// Every file keeps its peaks under this.
constexpr float mixCeiling = 0.97f;
