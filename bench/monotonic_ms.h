// SPDX-License-Identifier: MIT
// The clock a benchmark starts a program by and the program reports its first
// frame by, in milliseconds; the same in every process.
#pragma once

#include <time.h>

inline double MonotonicMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}
