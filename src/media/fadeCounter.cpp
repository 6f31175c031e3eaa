#include "media/fadeCounter.h"

void fadeCounter::fadeStep() {
    if (mode == "fadeIn" && fadeLevel < fadeClear) {
        fadeLevel++;
    } else if (mode == "fadeOut" && fadeLevel > 0) {
        fadeLevel--;
    }
}
