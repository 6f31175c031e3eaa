#include "levels/level.h"

void level::setup() {}

void level::script(objectWorld &, const scriptServices &) {}
