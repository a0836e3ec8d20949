// SPDX-License-Identifier: MIT
#pragma once

// The details window: made on first use, beside the panel; it follows every
// report until the panel goes. Its handle, or 0.
int OpenDetails();

struct LiveSetup;
// The side view under the details' figures, with its Copy and Save buttons,
// laid out above the bottom row and following the figures for d: the live
// zone alone, and a row more for each pin.
constexpr int kSideViewHeight = 104;
constexpr int kPinRowHeight = 18;
// Its copy and save buttons at buttonsLeft in the bottom row.
void AddSideView(int window, int buttonsLeft);
void ShowSideView(int window, const LiveSetup& setup);
