// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// The Plan window (focus stack, hyperfocal bracketing, one shot instead, the
// blur of a point): made on first use, beside the panel, its zone the sharp
// zone at the cursor each time it opens; it follows every report until it is
// closed, and goes with the panel.
int OpenPlan();  // its handle, or 0
// The plan's picture under its listing, with its buttons at buttonsLeft in
// the bottom row; shown for each plan made. A shot's row chosen in the
// listing (a text control that selects lines) highlights its band, and a
// shot reached in the picture selects its row.
constexpr int kPlanPictureHeight = 160;
struct FocusPlan;
struct ListedShot;
int AddPlanPicture(int window, int buttonsLeft, int listing);
// listed: the shots the listing shows, and their lines.
void ShowPlanPicture(int window, const FocusPlan& plan, const std::vector<ListedShot>& listed);
