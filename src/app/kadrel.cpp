// SPDX-License-Identifier: MIT
#include "app/kadrel.h"

#include "app/extras.h"
#include "app/install_layout.h"
#include "app/kadrel_uir.h"
#include "app/locations.h"
#include "app/output.h"
#include "app/tables.h"
#include "cli/subcommands.h"

Settings settings;

float ratio;
float diagonal;
float angle;
float dmin;
float pixelsize;
float dh;
float dof;

int panelHandle;

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
