#include "app/gameFlags.h"
