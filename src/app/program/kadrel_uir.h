// SPDX-License-Identifier: MIT
// The main panel: its resource number in kadrel.uir, its title and place,
// the identifiers of its thirty controls (in creation order), and the builder
// that makes it by runtime calls. kadrel.uir is written from BuildPANEL at
// build time.
#pragma once

enum : int { PANEL = 1 };  // resource number in the panel file

constexpr const char* kPanelTitle = "K A D R E L";

// The panel's place and size in pixels, before any resolution adjustment.
struct PanelGeometry {
    int top, left, height, width;
};
constexpr PanelGeometry kPanelGeometry{21, 5, 558, 672};

enum : int {
    PANEL_XMM = 2,
    PANEL_YMM = 3,
    PANEL_XPIX = 4,
    PANEL_YPIX = 5,
    PANEL_FOCAL = 6,
    PANEL_APERTURE = 7,
    PANEL_DMAX = 8,
    PANEL_RESETBUTTON = 9,
    PANEL_HELPBUTTON = 10,
    PANEL_COPYBUTTON = 11,
    PANEL_DECORATION = 12,
    PANEL_DECORATION_2 = 13,
    PANEL_DECORATION_3 = 14,
    PANEL_DIAGONAL = 15,
    PANEL_PIXSIZE = 16,
    PANEL_RATIO = 17,
    PANEL_PSIH = 18,
    PANEL_PSIV = 19,
    PANEL_ANGLE = 20,
    PANEL_TEXTMSG = 21,
    PANEL_TEXTMSG_2 = 22,
    PANEL_GRAPH = 23,
    PANEL_COMMANDBUTTON = 24,
    PANEL_TEXTMSG_3 = 25,
    PANEL_TEXTPARAM = 26,
    PANEL_PICTURE = 27,
    PANEL_DOFPICTURE = 28,
    PANEL_COPYRIGHT = 29,
    PANEL_TEXTRATIO1 = 30,
    PANEL_TEXTRATIO2 = 31,
};

// Builds the main panel: its handle, or the negative status of the first
// runtime call that failed (the partly built panel is left as it is).
int BuildPANEL(int parent);

// Whether a loaded panel has every control the program addresses, under its
// name and of its kind, so that a damaged kadrel.uir is refused whole.
bool PanelMatchesDefinition(int panel);

// Makes the panel's callbacks known by name, for writing and loading kadrel.uir.
int RegisterPanelCallbacks();
