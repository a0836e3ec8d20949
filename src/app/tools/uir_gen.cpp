// SPDX-License-Identifier: MIT
// Build tool: writes the panel file kadrel.uir from BuildPANEL, so that the
// builder stays the one definition of the main panel.
#include <cstdio>
#include <cstdlib>

#include "program/kadrel_uir.h"
#include "ui/userint.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.uir\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);  // no window is ever shown
    if (InitCVIRTE(nullptr, argv, nullptr) == 0) {
        return 1;
    }
    const RuntimeLifetime lifetime;
    int status = RegisterPanelCallbacks();
    const int panel = status < 0 ? status : BuildPANEL(0);
    status = panel < 0 ? panel : SavePanel(panel, argv[1], PANEL);
    if (status < 0) {
        std::fprintf(stderr, "%s: %s\n", argv[0], GetUIErrorString(status));
        return 1;
    }
    return 0;
}
