#pragma once
// The state logic's account of one pass for the renderer and the sound bank.
#include "app/gameState.h"
#include "media/scene.h"

class keyboardState;
class levelList;
class objectWorld;
class stateContext;

// What the screen shows, and the sound bank does, in each state.
sceneLayout layoutOf(gameState state);

// The sound half, at the start of a pass: the state, the menu keys, the level's music, and
// the car and the cues the world left from the last pass.
void describeSound(gameState state, const objectWorld &world, const levelList &levels,
                   const keyboardState &keys, scene &pass);

// The drawing half, at the end of a pass: the camera, the level, the fade and the text.
void describeView(const stateContext &context, scene &pass);
