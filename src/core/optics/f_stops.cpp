// SPDX-License-Identifier: MIT
#include "core/optics/f_stops.h"

namespace {

// An f-number worked out from a stop's own figures lands a rounding off it.
constexpr double kSameStop = 1e-9;

}  // namespace

const std::vector<double>& FullStops() {
    static const std::vector<double> stops{1.4, 2, 2.8, 4, 5.6, 8, 11, 16, 22};
    return stops;
}

const std::vector<double>& ThirdStops() {
    static const std::vector<double> stops{
        1, 1.1, 1.2, 1.4, 1.6, 1.8, 2,  2.2, 2.5, 2.8, 3.2, 3.5, 4,  4.5, 5,  5.6, 6.3, 7.1, 8,
        9, 10,  11,  13,  14,  16,  18, 20,  22,  25,  29,  32,  36, 40,  45, 51,  57,  64};
    return stops;
}

double ThirdStopAtOrAbove(double n) {
    for (double stop : ThirdStops()) {
        if (stop >= n * (1 - kSameStop)) {
            return stop;
        }
    }
    return 0;
}

double ThirdStopAtOrBelow(double n) {
    double below = 0;
    for (double stop : ThirdStops()) {
        if (stop <= n * (1 + kSameStop)) {
            below = stop;
        }
    }
    return below;
}

std::vector<double> StopsWithin(const std::vector<double>& stops, LensStops lens) {
    std::vector<double> within;
    for (double stop : stops) {
        if (stop >= lens.widest * (1 - kSameStop) &&
            (lens.smallest <= 0 || stop <= lens.smallest * (1 + kSameStop))) {
            within.push_back(stop);
        }
    }
    return within;
}
