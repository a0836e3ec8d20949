// SPDX-License-Identifier: MIT
// kadrel's real start-up (runtime, kadrel.uir, kadrel.ini, first
// recalculation), ended after the first painted frame.
#include "first_frame.h"
#include "program/kadrel.h"
#include "start/start.h"

int main(int argc, char* argv[]) {
    if (InitCVIRTE(nullptr, argv, nullptr) == 0) {
        return 1;
    }
    QuitAfterFirstPaint();
    return KadrelMain(argc, argv);  // closes the runtime, as the shipped program does
}
