#pragma once
// One pass as the player sees and hears it: a small value the state logic fills, from which
// the renderer draws and the sound bank plays, so that neither reaches into the game. The
// sound half is filled at the start of a pass from what the last one left (the objects' cues,
// the car), the drawing half at its end.
#include <cstdint>

#include "media/effectSound.h"
#include "media/frameBrightness.h"
#include "world/camera.h"
#include "world/fadeCounter.h"
#include "world/levelInPlay.h"

class textBox;

// What the pass shows, and with it what the sound bank does.
enum class sceneLayout {
    nothing, // a black frame; the world's sound dies away
    logo,    // the logo animation
    title,   // the logo's last frame, the fade and the hint; the title music
    menu,    // the title scene with the menu over it
    play,    // the road, the dashboard, the fade, the message and the hint
    paused,  // play, dimmed, with the menu over it
};

// One object's sound this pass, and how far from the car it is asked for.
struct sceneCue {
    effectSound sound = effectSound::none;
    double distance = 0.0; // wrapped, in tiles
    bool heardEverywhere = false;
};

// More one-shots than the mixer has channels for: beyond that many in one pass, the mixer
// would lose them anyway.
constexpr int sceneCueCapacity = 64;

// The menu keys of the pass, for the menus' blips.
struct sceneMenuKeys {
    bool enter = false;
    bool escape = false;
    bool down = false; // s or the down arrow
    bool up = false;   // w or the up arrow
};

struct scene {
    sceneLayout layout = sceneLayout::nothing;

    // What is drawn.
    int32_t logoCounter = 0;
    const camera *view = nullptr;
    levelInPlay level;
    int32_t fadeLevel = fadeClear;
    const textBox *text = nullptr;
    int32_t brightness = defaultBrightness; // the player's, over the finished frame

    // What is heard.
    sceneMenuKeys keys;
    int32_t music = 0; // the level's music: 0 none, 1 … 3
    double carSpeed = 0.0;
    bool carOnDirt = false; // gravel crunches under the tyres
    bool flashFired = false;
    bool refused = false;
    int32_t cueCount = 0;
    sceneCue cues[sceneCueCapacity];
};
