#pragma once
// The keys the menus answer to, whatever the player bound for driving: the cursor keys
// (w/s or the arrows or the pad's d-pad), left and right (a/d, the arrows, the pad), choose
// (enter or the pad's bottom button) and back (esc or the pad's right button).
#include "player/keyboardState.h"

enum class menuKey : unsigned char { up, down, left, right, choose, back };

bool menuKeyPressed(const keyboardState &keys, menuKey key);
