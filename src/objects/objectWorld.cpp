#include "objects/objectWorld.h"

objectWorld::objectWorld(levelList &levelsOfGame, const animTables &tables, gameFlags &switches,
                         const keyboardState &keyboard)
    : levels(levelsOfGame), animations(tables), flags(switches), car(keyboard, levelsOfGame, tables, *this) {}
