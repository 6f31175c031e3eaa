#include "media/mixerCalls.h"

#include "platform/video.h"

bool mixerIsOpen() {
    return audioDeviceOpen();
}
