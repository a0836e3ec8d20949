// SPDX-License-Identifier: MIT
// The panel's extras: tooltips, the context menu and the keys of the actions,
// and the panel events that open the windows beside it.
#pragma once

#include <cstddef>

// Tooltips, and the panel events that open the menu and the details window.
void InstallExtras(int panel);

// The panel callback: context menu, double click on the report, the keys of
// the actions.
int PanelEvents(int panel, int control, int event, void* callbackData, int eventData1,
                int eventData2);

// What an action of the menu or the panel's keys does (none for an action
// that is no handler's).
enum class Action : int;
void RunAction(Action id);

// Context-menu choices.
void RunContextMenu(int top, int left);
void ApplySensorPreset(std::size_t index);  // fills the four sensor fields, recalculates once
void AskSubjectDistance();
