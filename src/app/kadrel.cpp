#include "app/kadrel.h"

#include "app/extras.h"
#include "app/kadrel_uir.h"

Settings settings;

float ratio;
float diagonal;
float angle;
float dmin;
float pixelsize;
float dh;
float dof;

int panelHandle;

int KadrelMain(int, char* argv[]) {
    if (InitCVIRTE(nullptr, argv, nullptr) == 0) {
        return -1;
    }
    const RuntimeLifetime lifetime;  // the toolkit ends here, on every return path
    RegisterPanelCallbacks();
    panelHandle = LoadPanel(0, "kadrel.uir", PANEL);
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
    RunUserInterface();
    CloseDetails();
    DiscardPanel(panelHandle);
    return 0;
}
