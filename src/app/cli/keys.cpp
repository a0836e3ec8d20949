// SPDX-License-Identifier: MIT
#include "app/keys.h"

#include <cstring>

const KeyRow kKeyRows[] = {
    {"Tab, Shift+Tab", "Move between the fields, the graph and the buttons."},
    {"Return", "Confirm a typed value (leaving the field confirms it too); on a button, press it."},
    {"Escape",
     "Drop the value being typed, back to the field's own; in the details, plan, tilt, table "
     "or camera bag window, close it; in a dialog, cancel it."},
    {"Up, Down", "Step a field's value; the mouse wheel steps the field under the pointer."},
    {"Page Up, Page Down",
     "In a field, ten steps; on the graph, move the cursor a tenth of the axis."},
    {"Left, Right",
     "Move the graph's cursor; with Shift, ten times farther. The mouse drags it too."},
    {"Home, End", "Move the graph's cursor to the nearest or the farthest distance of its line."},
    {"Space", "Press the button that has the focus."},
    {"F1", "Explain the figures beside the diagram, as HELP does."},
    {"Ctrl+C",
     "Put the window's picture and its figures on the clipboard, as COPY does; in a field, "
     "copy its selected text."},
    {"Ctrl+D",
     "Open the details window: the near and far limits of sharpness for your circle of "
     "confusion, the hyperfocal distance, the magnification and the Airy disc at the cursor."},
    {"Ctrl+L",
     "Open the plan window: the focus stack, hyperfocal bracketing or single shot that holds "
     "a zone sharp, and the blur of a point off the focus."},
    {"Ctrl+G",
     "Open the tilt window: the wedge of sharpness of a tilted lens, its hinge line and planes, "
     "and the tilt that lays the plane of focus on the ground."},
    {"Ctrl+O",
     "Take the camera from a photo, chosen in a file dialog; dropping a photo on the window does "
     "the same."},
    {"Ctrl+T",
     "Open the depth-of-field table: near and far limits for focus distances and apertures, "
     "to export as PDF or CSV, or print."},
    {"Ctrl+B",
     "Open the camera bag: your bodies, lenses and pinned setups, kept in bag.ini; add the "
     "panel's camera or a lens from lensfun there, and use them from the context menu."},
    {"Ctrl+,",
     "Open the preferences: units (metric or imperial) and the circle of confusion of every "
     "figure beside the report."},
    {"Menu, Shift+F10",
     "Open the context menu: a camera from a photo or from the camera database, sensor presets, "
     "a typed subject distance, focus at the hyperfocal distance, the tilted lens, the details "
     "window, the plan, the report as text, the table, pinned setups, the camera bag, the "
     "preferences."},
    {"Ctrl+Q",
     "Save the settings and end kadrel, as OK does; from the details, plan, tilt, table and "
     "camera bag windows, the preferences and the distance prompt too."},
};
const std::size_t kKeyRowCount = sizeof kKeyRows / sizeof kKeyRows[0];

namespace {

constexpr int kIndent = 2;
constexpr int kKeysWidth = 20;  // "Page Up, Page Down" and a blank
constexpr int kLineWidth = 79;

}  // namespace

void PrintKeys(std::FILE* out) {
    const int textColumn = kIndent + kKeysWidth;
    for (std::size_t i = 0; i < kKeyRowCount; ++i) {
        int column = std::fprintf(out, "%*s%-*s", kIndent, "", kKeysWidth - 1, kKeyRows[i].keys);
        // Word by word; a word that would pass the last column starts a new line.
        for (const char* word = kKeyRows[i].what; *word != '\0';) {
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
    for (std::size_t i = 0; i < kKeyRowCount; ++i) {
        section += ".TP\n.B \"";
        section += kKeyRows[i].keys;
        section += "\"\n\\&";  // \& : the text is never read as a request
        section += kKeyRows[i].what;
        section += '\n';
    }
    return section;
}
