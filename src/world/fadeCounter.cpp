#include "world/fadeCounter.h"

void fadeCounter::fadeStep() {
    if (mode == fadeMode::fadeIn && fadeLevel < fadeClear) {
        fadeLevel++;
    } else if (mode == fadeMode::fadeOut && fadeLevel > 0) {
        fadeLevel--;
    }
}
