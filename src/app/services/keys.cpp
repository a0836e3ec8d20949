// SPDX-License-Identifier: MIT
#include "services/keys.h"

#include <cstring>

const ActionRow kActionRows[] = {
    {Action::None, nullptr, "Tab, Shift+Tab",
     "Move between the fields, the graph and the buttons."},
    {Action::None, nullptr, "Return",
     "Confirm a typed value (leaving the field confirms it too); on a button, press it."},
    {Action::Close, nullptr, "Escape",
     "Drop the value being typed, back to the field's own; in the details, plan, tilt, table "
     "or camera bag window, close it; in a dialog, cancel it."},
    {Action::None, nullptr, "Up, Down",
     "Step a field's value; the mouse wheel steps the field under the pointer."},
    {Action::None, nullptr, "Page Up, Page Down",
     "In a field, ten steps; on the graph, move the cursor a tenth of the axis."},
    {Action::None, nullptr, "Left, Right",
     "Move the graph's cursor; with Shift, ten times farther. The mouse drags it too."},
    {Action::None, nullptr, "Home, End",
     "Move the graph's cursor to the nearest or the farthest distance of its line."},
    {Action::None, nullptr, "Space", "Press the button that has the focus."},
    {Action::Help, nullptr, "F1", "Explain the figures beside the diagram, as HELP does."},
    {Action::Copy, nullptr, "Ctrl+C",
     "Put the window's picture and its figures on the clipboard, as COPY does; in a field, "
     "copy its selected text."},
    {Action::Details, "Details\u2026", "Ctrl+D",
     "Open the details window: the near and far limits of sharpness for your circle of "
     "confusion, the hyperfocal distance, the magnification and the Airy disc at the cursor."},
    {Action::Plan, "Plan a focus stack\u2026", "Ctrl+L",
     "Open the plan window: the focus stack, hyperfocal bracketing or single shot that holds "
     "a zone sharp, and the blur of a point off the focus."},
    {Action::Tilt, "Tilted lens\u2026", "Ctrl+G",
     "Open the tilt window: the wedge of sharpness of a tilted lens, its hinge line and planes, "
     "and the tilt that lays the plane of focus on the ground."},
    {Action::Photo, "Camera from a photo\u2026", "Ctrl+O",
     "Take the camera from a photo, chosen in a file dialog; dropping a photo on the window does "
     "the same."},
    {Action::Table, "Depth-of-field table\u2026", "Ctrl+T",
     "Open the depth-of-field table: near and far limits for focus distances and apertures, "
     "to export as PDF or CSV, or print."},
    {Action::Bag, "Camera bag\u2026", "Ctrl+B",
     "Open the camera bag: your bodies, lenses and pinned setups, kept in bag.ini; add the "
     "panel's camera or a lens from lensfun there, and use them from the context menu."},
    {Action::Preferences, "Preferences\u2026", "Ctrl+,",
     "Open the preferences: units (metric or imperial) and the circle of confusion of every "
     "figure beside the report."},
    {Action::ContextMenu, nullptr, "Menu, Shift+F10",
     "Open the context menu: a camera from a photo or from the camera database, sensor presets, "
     "a typed subject distance, focus at the hyperfocal distance, the tilted lens, the details "
     "window, the plan, the report as text, the table, pinned setups, the camera bag, the "
     "preferences."},
    {Action::Quit, nullptr, "Ctrl+Q",
     "Save the settings and end kadrel, as OK does; from the details, plan, tilt, table and "
     "camera bag windows, the preferences and the distance prompt too."},
    {Action::CameraModel, "Camera model\u2026", nullptr, nullptr},
    {Action::SubjectDistance, "Subject distance\u2026", nullptr, nullptr},
    {Action::Hyperfocal, "Focus at hyperfocal distance", nullptr, nullptr},
    {Action::CopyText, "Copy report as text", nullptr, nullptr},
    {Action::Pin, "Pin this setup", nullptr, nullptr},
};
const std::size_t kActionRowCount = sizeof kActionRows / sizeof kActionRows[0];

namespace {

constexpr int kIndent = 2;
constexpr int kKeysWidth = 20;  // "Page Up, Page Down" and a blank
constexpr int kLineWidth = 79;

}  // namespace

const ActionRow& RowOf(Action id) {
    for (const ActionRow& row : kActionRows) {
        if (row.id == id) {
            return row;
        }
    }
    return kActionRows[0];
}

const char* KeysOf(Action id) {
    const char* keys = RowOf(id).keys;
    return keys != nullptr ? keys : "";
}

std::string MenuLabel(Action id) {
    const ActionRow& row = RowOf(id);
    return std::string(row.label) + (row.keys != nullptr ? std::string("\t") + row.keys : "");
}

void PrintKeys(std::FILE* out) {
    const int textColumn = kIndent + kKeysWidth;
    for (const ActionRow& row : kActionRows) {
        if (row.help == nullptr) {
            continue;
        }
        int column = std::fprintf(out, "%*s%-*s", kIndent, "", kKeysWidth - 1, row.keys);
        // Word by word; a word that would pass the last column starts a new line.
        for (const char* word = row.help; *word != '\0';) {
            const int length = static_cast<int>(std::strcspn(word, " "));
            if (column + 1 + length > kLineWidth && column > textColumn) {
                column = std::fprintf(out, "\n%*s", textColumn - 1, "") - 1;
            }
            column += std::fprintf(out, " %.*s", length, word);
            word += length;
            word += std::strspn(word, " ");
        }
        std::fputc('\n', out);
    }
}

std::string ManualKeys() {
    std::string section;
    for (const ActionRow& row : kActionRows) {
        if (row.help != nullptr) {
            section += ".TP\n.B \"";
            section += row.keys;
            section += "\"\n\\&";  // \& : the text is never read as a request
            section += row.help;
            section += '\n';
        }
    }
    return section;
}
