// SPDX-License-Identifier: MIT
// Test entry for everything that needs the runtime: one offscreen runtime for
// the whole run.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ui/userint.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (InitCVIRTE(nullptr, argv, nullptr) == 0) {
        return 1;
    }
    // Outlives every test, so a test that runs the program's own entry does
    // not close the runtime under the next one.
    const RuntimeLifetime lifetime;
    // The tests provoke failures on purpose, and the program under test turns
    // the failure log back on around its file calls.
    SetFailureLog([](const char*) {});
    return RUN_ALL_TESTS();
}
