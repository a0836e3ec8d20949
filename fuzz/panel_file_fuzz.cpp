// SPDX-License-Identifier: MIT
// The panel-file loader on arbitrary bytes: a panel is built and discarded,
// or refused, never a crash.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "program/kadrel_uir.h"
#include "ui/userint.h"

namespace {
std::string path;
}

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (InitCVIRTE(nullptr, *argv, nullptr) == 0) {
        std::abort();
    }
    SetBreakOnLibraryErrors(0);
    RegisterPanelCallbacks();
    path = "/tmp/kadrel-fuzz-" + std::to_string(getpid()) + ".uir";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    const int panel = LoadPanel(0, path.c_str(), PANEL);
    if (panel > 0) {
        DiscardPanel(panel);
    }
    return 0;
}
