// Compares a computed value with a reference quoted to some decimals: equal
// within one unit of the last decimal quoted.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

inline ::testing::AssertionResult MatchesDigits(const char* expr, const char*, double actual,
                                                const char* quoted) {
    const char* dot = std::strchr(quoted, '.');
    const int decimals = dot ? static_cast<int>(std::strlen(dot + 1)) : 0;
    const double expected = std::atof(quoted);
    const double unit = std::pow(10.0, -decimals);
    if (std::fabs(actual - expected) <= unit) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << expr << " is " << ::testing::PrintToString(actual) << ", expected " << quoted;
}

#define EXPECT_DIGITS(actual, quoted) EXPECT_PRED_FORMAT2(MatchesDigits, actual, quoted)
