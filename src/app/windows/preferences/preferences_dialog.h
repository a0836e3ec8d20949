// SPDX-License-Identifier: MIT
#pragma once

// The Preferences dialog (context menu, Ctrl+,): units and circle of
// confusion, saved at once; Ctrl+Q in it quits as from the panel.
void OpenPreferences();
