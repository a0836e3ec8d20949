// SPDX-License-Identifier: MIT
// A picture in a side window: a band chart above the bottom row, with
// buttons there that copy it (its description beside it as text) and save
// it as PNG, as its context menu does, and the distance scale's ticks across
// it.
#include <iterator>
#include <map>

#include "core/tables/side_view.h"
#include "windows/frame/side_window.h"

namespace {

constexpr int kTickWidth = 70;     // room for a tick's label, "100.00 m" or "500′ 0″"
constexpr int kChartInset = 44;    // the chart's margins and the frame's, both sides
constexpr int kAboveButtons = 43;  // from the window's bottom to the chart's

struct Picture {
    int chart;
    int copy;
    int save;
    const char* fileName;
};
std::map<int, Picture> pictures;  // by window; a window made anew replaces its entry

int CopyPicture(int panel, int, int event, void*, int, int) {
    const int chart = pictures[panel].chart;
    int bitmap = 0;
    if (event == EVENT_COMMIT && GetCtrlDisplayBitmap(panel, chart, 0, &bitmap) == 0) {
        std::string description;
        GetCtrlAttribute(panel, chart, ATTR_ACCESSIBLE_DESCRIPTION, &description);
        ClipboardPutBitmap(bitmap, description.c_str());
        DiscardBitmap(bitmap);
    }
    return 0;
}

int SavePicture(int panel, int, int event, void*, int, int) {
    const Picture& picture = pictures[panel];
    std::string path;
    if (event != EVENT_COMMIT || FileSavePopup(panel, "Save the picture", picture.fileName,
                                               "PNG images (*.png)", &path) != 1) {
        return 0;
    }
    int bitmap = 0;
    if (GetCtrlDisplayBitmap(panel, picture.chart, 0, &bitmap) < 0 ||
        SaveBitmapToPNGFile(bitmap, path.c_str()) < 0) {
        MessagePopup("kadrel", ("The picture could not be written to\n" + path).c_str());
    }
    DiscardBitmap(bitmap);
    return 0;
}

enum : int { kCopyPicture = 1, kSavePicture };

}  // namespace

bool RunPictureMenu(int window, int control, int top, int left) {
    const auto picture = pictures.find(window);
    if (picture == pictures.end() || picture->second.chart != control) {
        return false;
    }
    const MenuItem items[] = {{kCopyPicture, "Copy picture", 0, 0},
                              {kSavePicture, "Save picture\u2026", 0, 0}};
    const int chosen = RunPopupMenu(window, top, left, items, std::size(items));
    if (chosen != 0) {
        (chosen == kCopyPicture ? CopyPicture : SavePicture)(window, control, EVENT_COMMIT, nullptr,
                                                             0, 0);
    }
    return true;
}

int AddPicture(int window, const char* name, const char* constantName, const char* fileName,
               int buttonsLeft) {
    const int chart = NewCtrl(window, CTRL_BAND_CHART, "", 0, 12);
    SetCtrlAttribute(window, chart, ATTR_CONSTANT_NAME, constantName);
    SetCtrlAttribute(window, chart, ATTR_ACCESSIBLE_NAME, name);
    const int copy =
        SideWindowButton(window, "Copy __picture", "COPYPICTURE", buttonsLeft, 100, CopyPicture);
    const int save = SideWindowButton(window, "Sa__ve picture\u2026", "SAVEPICTURE",
                                      buttonsLeft + 108, 110, SavePicture);
    pictures[window] = {chart, copy, save, fileName};
    return chart;
}

// Laid out again each time: a window may have grown since.
void ShowPicture(int window, int height, const BandChart& chart, const std::string& description) {
    const Picture& picture = pictures[window];
    int windowWidth = 0, windowHeight = 0;
    GetPanelAttribute(window, ATTR_WIDTH, &windowWidth);
    GetPanelAttribute(window, ATTR_HEIGHT, &windowHeight);
    SetCtrlAttribute(window, picture.chart, ATTR_HEIGHT, height);
    SetCtrlAttribute(window, picture.chart, ATTR_TOP, windowHeight - kAboveButtons - height);
    SetCtrlAttribute(window, picture.chart, ATTR_WIDTH, windowWidth - 24);
    for (int button : {picture.copy, picture.save}) {
        SetCtrlAttribute(window, button, ATTR_TOP, windowHeight - 35);
    }
    SetBandChart(window, picture.chart, chart);
    SetCtrlAttribute(window, picture.chart, ATTR_ACCESSIBLE_DESCRIPTION, description.c_str());
}

void AddScaleTicks(BandChart* chart, double hyperfocal, Units units, int window) {
    int width = 0;
    GetPanelAttribute(window, ATTR_WIDTH, &width);
    for (const ScaleTick& tick :
         ScaleTicks(hyperfocal, units, static_cast<double>(kTickWidth) / (width - kChartInset))) {
        chart->ticks.push_back({tick.position, tick.label});
    }
}
