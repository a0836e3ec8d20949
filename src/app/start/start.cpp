// SPDX-License-Identifier: MIT
// A sub-command when the first word names one, --help or --version, or the
// window: its panel, the extras wired to it, the loop and the end.
#include "start/start.h"

#include "app/install_layout.h"
#include "cli/options/output.h"
#include "cli/subcommands.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/locations.h"
#include "windows/frame/side_window.h"
#include "windows/menu/menu.h"
#include "windows/photo/photo_window.h"

int KadrelMain(int argc, char* argv[]) {
    if (int status = 0; RunSubcommand(argc, argv, stdout, stderr, &status)) {
        return status;
    }
    if (AnswerCommandLine(argc, argv, stdout)) {
        return FinishOutput(stdout, stderr);
    }
    if (InitCVIRTE(nullptr, argv, nullptr) == 0) {
        return -1;
    }
    const RuntimeLifetime lifetime;  // the toolkit ends here, on every return path
    SetApplicationIdentity(kKadrelAppId, ":/kadrel/kadrel.svg");
    RegisterPanelCallbacks();
    char programDir[MAX_PATHNAME_LEN] = "";
    char panelFile[MAX_PATHNAME_LEN];
    GetProjectDir(programDir);
    LocatePanelFile(programDir, panelFile);
    panelHandle = LoadPanel(0, panelFile, PANEL);
    if (panelHandle < 0) {
        return -1;
    }
    if (!PanelMatchesDefinition(panelHandle)) {
        DiscardPanel(panelHandle);
        return -1;
    }
    InstallExtras(panelHandle);
    DisplayPanel(panelHandle);
    InitPanel();
    if (char* photo = PhotoOnCommandLine(argc, argv)) {
        // From inside the loop, so that a signal during its summary ends
        // kadrel as any other time, settings saved.
        PostDeferredCall([](void* path) { LoadPhoto(static_cast<const char*>(path)); }, photo);
    }
    RunUserInterface();
    CloseSideWindows();
    DiscardPanel(panelHandle);
    return 0;
}
