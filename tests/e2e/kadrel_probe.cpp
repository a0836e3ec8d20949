// SPDX-License-Identifier: MIT
// kadrel as shipped, plus a report of what it holds when its event loop ends,
// for the end-to-end tests that drive it through a real X server.
#include <QCoreApplication>

#include <cstdio>
#include <string>

#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "start/start.h"

namespace {

void PrintState() {
    float focal = 0;
    double d = 0, s = 0;
    std::string report;
    GetCtrlVal(panelHandle, PANEL_FOCAL, &focal);
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &s);
    GetCtrlVal(panelHandle, PANEL_TEXTPARAM, &report);
    std::printf("focal=%.2f\ncursor=%.6f,%.6f\nline=%.6f\n%s\n", static_cast<double>(focal), d, s,
                ScaleAt(pixelsize, settings.focal, d), report.c_str());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (InitCVIRTE(nullptr, argv, nullptr) == 0) {
        return -1;
    }
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, PrintState);
    return KadrelMain(argc, argv);  // closes the runtime, as the shipped program does
}
