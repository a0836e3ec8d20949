// SPDX-License-Identifier: MIT
// kadrel's actions and keys, one row each {id, label, keys, help}: the
// context menu's labels and shortcuts, the keys the panel and the side windows
// bind, --help's key block and the manual page's KEYS section (written from
// them at build time) all come from these rows, so they cannot differ. A key
// the runtime answers itself (Tab, Return) is a row without an action; an
// item of the menu alone is a row without keys or help. A test checks that
// every shortcut the windows install has its row.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Under 50: an action's id is also its item's id in the context menu.
enum class Action : int {
    None = 0,  // the runtime's own key
    Help,
    Copy,
    Details,
    Plan,
    Tilt,
    Photo,
    Table,
    Bag,
    Preferences,
    ContextMenu,
    Quit,
    Close,  // a side window
    CameraModel,
    SubjectDistance,
    Hyperfocal,
    CopyText,
    Pin,
};

struct ActionRow {
    Action id;
    const char* label;  // in the context menu; null when it is not there
    // As a user reads them, alternatives after ", ": "Menu, Shift+F10". One
    // key alone where kadrel binds it; null for an item of the menu alone.
    const char* keys;
    const char* help;  // what they do, one or two sentences; null: not listed
};

extern const ActionRow kActionRows[];
extern const std::size_t kActionRowCount;

// The row of id (a row of Action::None when there is none).
const ActionRow& RowOf(Action id);
// Its keys as the runtime binds them ("Ctrl+D"), or "".
const char* KeysOf(Action id);
// Its label in the menu, with its key after a tab: "Details…\tCtrl+D".
std::string MenuLabel(Action id);

// The rows as --help prints them: the keys in a column, what they do beside
// them, wrapped to 79 columns.
void PrintKeys(std::FILE* out);

// The rows as a manual page's tagged paragraphs, for its KEYS section.
std::string ManualKeys();
