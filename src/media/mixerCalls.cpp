#include "media/mixerCalls.h"

bool mixerIsOpen() {
    return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0;
}
