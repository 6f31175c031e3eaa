#include "world/wrapping.h"

#include <cmath>

double distance(double x1, double y1, double x2, double y2) {
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    return std::sqrt(dx * dx + dy * dy);
}

double wrappedDistance(double x1, double y1, double x2, double y2, int side) {
    double best = 9999.0;
    for (int i = -1; i <= 1; i++) {
        for (int j = -1; j <= 1; j++) {
            const double d = distance(x1, y1, x2 + i * side, y2 + j * side);
            if (d <= best) {
                best = d;
            }
        }
    }
    return best;
}
