#pragma once
// The names of object kinds and modes, as the replay tool's lines print them.
#include "objects/objectKinds.h"
#include "objects/objectMode.h"

const char *kindName(objectKind kind);
const char *modeName(objectMode mode);
