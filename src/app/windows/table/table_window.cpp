// SPDX-License-Identifier: MIT
// The table window: the cards of the panel's camera as one table, the typed
// lists behind it, and its exports. Closing it only hides it.
#include <algorithm>
#include <string>

#include "core/tables/table_text.h"
#include "core/text/text_format.h"
#include "core/text/units.h"
#include "services/camera/bag.h"
#include "services/camera/tables.h"
#include "services/live_setup.h"
#include "windows/frame/side_window.h"
#include "windows/table/table_window.h"

namespace {

constexpr int kWidth = 1220;
constexpr int kHeight = 560;
constexpr int kButtonTop = kHeight - 35;
constexpr int kPrintEnd = 660;  // Print's right edge and a gap

int tableHandle;  // the window, once made
int headerText;
int tableControl;
int doneText;      // where the last export went, or why it did not
int bottomRow[6];  // the buttons but Close

// The setup and the lens the table was last made for: a change of its
// camera, its preferences or the lens (whose stops it shows) remakes it.
LiveSetup shown;
std::string shownLens;

std::string ListText(const std::vector<double>& values, std::string (*text)(double)) {
    std::string list;
    for (double value : values) {
        list += (list.empty() ? "" : ", ") + text(value);
    }
    return list;
}

std::string Number(double value) {
    return TextFormat("%g", value);
}

// Asks for a list in place of *values; an empty answer brings the default.
void AskList(const char* message, const std::vector<double>& current, std::string (*text)(double),
             const ItemReader& item, std::vector<double>* values) {
    std::string typed = ListText(current, text);
    if (PromptPopupText("kadrel", message, &typed) != 1) {
        return;
    }
    if (typed.find_first_not_of(" \t") == std::string::npos) {
        values->clear();
    } else if (!ParseList(typed, item, values)) {
        MessagePopup("kadrel", ("Not a list the table can take:\n" + Excerpt(typed)).c_str());
        return;
    }
    RefreshTableWindow();
}

int AskFocals(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        AskList("Focal lengths in mm, separated by commas\n(empty: the panel's):", TableFocals(),
                Number, ReadFocalLength, &tableChoice.focals);
    }
    return 0;
}

int AskApertures(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        AskList("f-numbers, separated by commas\n(empty: full stops f/1.4 to f/22):",
                TableApertures(), Number, ReadAperture, &tableChoice.apertures);
    }
    return 0;
}

int AskDistances(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        const Units units = TableUnits();
        AskList(
            "Focus distances, separated by commas\n(empty: the standard series):", TableDistances(),
            DistanceText,
            [units](const std::string& text, double* metres) {
                return ReadFocusDistance(text, units, metres);
            },
            &tableChoice.distances);
    }
    return 0;
}

// A file written is named under the table; one that could not be is told.
void Tell(const std::string& path, const std::string& failure) {
    if (!failure.empty()) {
        SetCtrlVal(tableHandle, doneText, "");
        MessagePopup("kadrel", ("Cannot write\n" + path + "\n" + failure).c_str());
    } else if (!path.empty()) {
        SetCtrlVal(tableHandle, doneText, ("Written to " + path).c_str());
    }
}

void Export(const char* title, const char* name, const char* filter,
            std::string (*write)(const std::string&)) {
    std::string path;
    if (FileSavePopup(tableHandle, title, name, filter, &path) == 1) {
        Tell(path, write(path));
    }
}

int ExportPdf(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        Export("Export PDF", "depth-of-field.pdf", "PDF files (*.pdf)", ExportTablePdf);
    }
    return 0;
}

int ExportCsv(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        Export("Export CSV", "depth-of-field.csv", "CSV files (*.csv)", ExportTableCsv);
    }
    return 0;
}

int Print(int, int, int event, void*, int, int) {
    if (event == EVENT_COMMIT) {
        std::string file;
        const std::string failure = PrintTables(tableHandle, &file);
        if (file.empty() && !failure.empty()) {
            MessagePopup("kadrel", ("Cannot print: " + failure).c_str());
        } else {
            Tell(file, failure);
        }
    }
    return 0;
}

// The table takes the room the window has; the buttons keep to its bottom,
// Close to its right edge but never over Print.
void FitTable(int height, int width) {
    SetCtrlAttribute(tableHandle, tableControl, ATTR_WIDTH, std::max(width - 24, 100));
    SetCtrlAttribute(tableHandle, tableControl, ATTR_HEIGHT, std::max(height - 35 - 90 - 12, 50));
    for (int button : bottomRow) {
        SetCtrlAttribute(tableHandle, button, ATTR_TOP, height - 35);
    }
    SetCtrlAttribute(tableHandle, doneText, ATTR_TOP, height - 31);
    int close = 0;
    GetPanelAttribute(tableHandle, ATTR_CLOSE_CTRL, &close);
    SetCtrlAttribute(tableHandle, close, ATTR_TOP, height - 35);
    SetCtrlAttribute(tableHandle, close, ATTR_LEFT, std::max(width - 72, kPrintEnd));
}

int TableEvents(int panel, int control, int event, void* data, int height, int width) {
    if (event == EVENT_PANEL_SIZE) {
        FitTable(height, width);
        return 0;
    }
    return SideWindowKeys(panel, control, event, data, height, width);
}

void FillTable(int window) {
    tableHandle = window;
    InstallPanelCallback(window, TableEvents, nullptr);
    SetPanelAttribute(window, ATTR_SIZABLE, 1);
    headerText = NewCtrl(window, CTRL_TEXT_MSG, "", 10, 12);
    SetCtrlAttribute(window, headerText, ATTR_TEXT_SELECTABLE, 1);
    tableControl = NewCtrl(window, CTRL_TABLE, "", 90, 12);
    SetCtrlAttribute(window, tableControl, ATTR_WIDTH, kWidth - 24);
    SetCtrlAttribute(window, tableControl, ATTR_HEIGHT, kButtonTop - 90 - 12);
    SetCtrlAttribute(window, tableControl, ATTR_ACCESSIBLE_NAME, "Depth-of-field table");
    SetCtrlAttribute(window, tableControl, ATTR_ACCESSIBLE_DESCRIPTION,
                     "Each cell: near limit \u2013 far limit of sharpness");
    bottomRow[0] = SideWindowButton(window, "__Focal lengths\u2026", "FOCALS", 12, 110, AskFocals);
    bottomRow[1] =
        SideWindowButton(window, "__Apertures\u2026", "APERTURES", 128, 90, AskApertures);
    bottomRow[2] =
        SideWindowButton(window, "__Distances\u2026", "DISTANCES", 224, 90, AskDistances);
    bottomRow[3] = SideWindowButton(window, "Export __PDF\u2026", "EXPORTPDF", 360, 100, ExportPdf);
    bottomRow[4] = SideWindowButton(window, "Export C__SV\u2026", "EXPORTCSV", 466, 100, ExportCsv);
    bottomRow[5] = SideWindowButton(window, "P__rint\u2026", "PRINT", 572, 80, Print);
    doneText = NewCtrl(window, CTRL_TEXT_MSG, "", kButtonTop + 4, kPrintEnd + 4);
}

bool SameCamera(const Settings& a, const Settings& b) {
    return a.xsize == b.xsize && a.ysize == b.ysize && a.xresol == b.xresol &&
           a.yresol == b.yresol && a.focal == b.focal;
}

bool SamePreferences(const Preferences& a, const Preferences& b) {
    return a.units == b.units && CocText(a.coc) == CocText(b.coc);
}

void ShowTable(int, bool, const LiveSetup&) {
    RefreshTableWindow();
}

void FollowTable(int, bool, const LiveSetup& setup) {
    if (!(SameCamera(setup.camera, shown.camera) &&
          SamePreferences(setup.preferences, shown.preferences) && bag.chosenLens == shownLens)) {
        RefreshTableWindow();
    }
}

const SideFrame kTable{
    "kadrel depth-of-field table", kHeight, kWidth, FillTable, FollowTable, ShowTable};

}  // namespace

void OpenTableWindow() {
    OpenSideWindow(kTable);
}

void RefreshTableWindow() {
    if (SideWindowOf(kTable) == 0) {
        return;
    }
    shown = CurrentSetup();
    shownLens = bag.chosenLens;
    const std::vector<DofTable> tables = BuildTables();
    const std::vector<std::string> header = CardHeader(tables[0], CameraText(), CocText());
    std::string text = "Depth of field, " + ListText(TableFocals(), Number) + " mm";
    for (std::size_t i = 1; i < header.size(); ++i) {
        text += "\n" + header[i];
    }
    SetCtrlVal(tableHandle, headerText, text.c_str());
    std::vector<std::string> columns, rows, cells;
    for (double n : tables[0].apertures) {
        columns.push_back(ApertureText(n));
    }
    // One unit down each column, the focus distances' included.
    const Units units = TableUnits();
    const std::vector<Magnitude> magnitudes = ColumnMagnitudes(tables, units);
    const auto inColumn = [&](std::size_t j) {
        return [&, j](double metres) { return FormatDistance(metres, units, magnitudes[j]); };
    };
    for (const DofTable& table : tables) {
        const std::string lens =
            tables.size() > 1 ? Number(Millimetres(table.focal)) + " mm, " : std::string();
        const Magnitude side = SharedMagnitude(table.distances, units);
        for (std::size_t i = 0; i < table.distances.size(); ++i) {
            rows.push_back(lens + FormatDistance(table.distances[i], units, side));
            for (std::size_t j = 0; j < table.cells[i].size(); ++j) {
                cells.push_back(CellText(table.cells[i][j], inColumn(j), " \u2013 "));
            }
        }
        for (double share : {1.0, 0.5}) {
            rows.push_back(lens + (share == 1 ? "H" : "H/2"));
            for (std::size_t j = 0; j < table.hyperfocal.size(); ++j) {
                cells.push_back(inColumn(j)(table.hyperfocal[j] * share));
            }
        }
    }
    SetTableCells(tableHandle, tableControl, columns, rows, cells);
}
