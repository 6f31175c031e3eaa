#pragma once

// The game is always in one of these: the opening logo, the title picture with "press
// enter", the title level with its main menu, driving, and the pause menu over the level.
enum class gameState : unsigned char { logoAnim, title, introMenu, inGame, paused };
