// SPDX-License-Identifier: MIT
// The runtime's help beside the panels' own controls: tooltips and
// selectable texts, panel events (context menu, double click, shortcuts),
// pop-up menus, prompts, a message beside a control, and text on the
// clipboard. Part of userint.h, which includes it; the same contracts hold
// (negative UIError on failure, nothing changed).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/helper_process.h"
#include "ui/userint.h"

// Attributes any control takes (ATTR_TEXT_SELECTABLE: text messages only).
enum {
    ATTR_TOOLTIP_TEXT = 1150,  // text shown while the pointer rests on a control; "" none
    // int: 1, a text message's text can be selected and copied; VAL_SELECT_LINES,
    // besides, a click or Up and Down choose a whole line (GetCtrlIndex).
    ATTR_TEXT_SELECTABLE = 1151,
};
enum { VAL_SELECT_LINES = 2 };

// The item chosen in a control: the line of a text message that selects
// lines, the mark a band chart's keys last reached; -1 none. Setting it
// highlights that item and raises no event; the user choosing one raises
// EVENT_COMMIT with the item as event data 1. 0; UIEBadValue for an item the
// control does not hold; UIEBadControlId for another kind of control.
int SetCtrlIndex(int panel, int control, int index);
int GetCtrlIndex(int panel, int control, int* index);

// Events of a panel as a whole, raised to its panel callback with the control
// under the point (0: the panel itself) and the point's top and left in panel
// pixels as event data. A right click, the Menu key or Shift+F10 raise
// EVENT_CONTEXT_MENU where no control has a menu of its own (numeric fields
// keep their editing menu); the keys raise it at the centre of the control
// that has the keyboard.
enum {
    EVENT_CONTEXT_MENU = 1160,
    EVENT_LEFT_DOUBLE_CLICK = 1161,
    EVENT_SHORTCUT = 1162,  // control 0; event data 1: the shortcut's number
    // A sizable window has a new size: control 0; event data its height and
    // width, which ATTR_HEIGHT and ATTR_WIDTH give too.
    EVENT_PANEL_SIZE = 1164,
};
// 0; one callback per panel, nullptr removes it. Callbacks return 0.
int InstallPanelCallback(int panel, CtrlCallbackPtr callback, void* callbackData);
// 0; raises EVENT_SHORTCUT with `number` when `keys` ("Ctrl+D") are pressed
// anywhere in the panel's window, even in a field that would edit with them;
// UIEBadValue unless keys name one key combination.
int AddPanelShortcut(int panel, const char* keys, int number);

// 0 after moving a window beside another, `gap` pixels from it: right of it
// where the screen has room, else left, else overlapping it as little as the
// screen allows; top edges level where the screen lets them be. The window,
// its frame included, lies wholly on the screen that shows the other (as far
// as it is no larger than that screen). UIEBadValue unless both are windows
// (top-level panels), different, and gap is not below 0; UIENotInitialized
// when there is no screen.
int PlacePanelBeside(int panel, int beside, int gap);

struct MenuItem {
    int id;             // returned when chosen; above 0, unique in the menu
    const char* label;  // shown as written (UTF-8); nullptr: a separator
    int parent;         // 0: in the menu itself; else the item whose submenu holds it
    int dimmed;         // 1: shown but not choosable
};
// Shows a pop-up menu at a point of a panel until the user chooses or leaves
// it: the id chosen, 0 when left; UIEBadValue when an item's parent is not an
// item before it.
int RunPopupMenu(int panel, int top, int left, const MenuItem* items, std::size_t count);

// Asks for a number between min and max in a modal pop-up, starting from
// *value: 1 when confirmed (*value holds it), 0 when cancelled; UIEBadValue
// for min above max or decimals outside 0..15; UIENotInitialized.
int PromptPopupNumber(const char* title, const char* message, double* value, double min, double max,
                      int decimals);

// As MessagePopup, with a second button beside OK labelled action ("Add to
// &bag"): 1 when that button was pressed, 0 when the message was dismissed
// otherwise (OK, Escape, the close box, a quit); UIENotInitialized.
int MessagePopupWithAction(const char* title, const char* message, const char* action);

// As MessagePopup, leaving a control of the panel in view (a picture the
// message explains): beside the panel where the screen has room, else beside
// the control; where no place holds the whole message, its text scrolls in
// the largest. UIEBadPanelHandle, UIEBadControlId, UIENotInitialized.
int MessagePopupBeside(int panel, int control, const char* title, const char* message);

// One row of a form pop-up: a label and free text, a choice among fixed
// labels, or free text with suggestions (an editable choice).
struct FormField {
    const char* name;            // constant name of its editor, for tests and tools
    const char* label;           // "&" before the letter that moves to the field with Alt
    const char* const* choices;  // null: free text; else choiceCount labels
    std::size_t choiceCount;
    int editable;       // 1: a choice that also takes any text
    std::string value;  // the text or the chosen label, in and out
};
// Looks at the values when OK is pressed: "" accepts them; any other text is
// shown under the fields and the form stays open.
using FormCheck = std::string (*)(const FormField* fields, std::size_t count, void* checkData);
// Asks for the fields' values in a modal pop-up with OK and Cancel: 1 when
// confirmed (the values updated), 0 when cancelled (Cancel, Escape, the close
// box, or the loop ended by QuitUserInterface), 2 when quitKeys ("Ctrl+Q";
// null for none) were pressed, so that the caller can quit as those keys do
// elsewhere; the values stay as they were unless 1. check may be null.
// UIENotInitialized; UIEBadValue for no fields or quitKeys that are not one
// key combination.
int PromptPopupForm(const char* title, const char* message, FormField* fields, std::size_t count,
                    FormCheck check, void* checkData, const char* quitKeys);

// 0; the clipboard offers the image and, beside it, the text (UTF-8) as plain
// text, together.
int ClipboardPutBitmap(int bitmap, const char* text);
// 0; the clipboard holds the text alone; UIENotInitialized.
int ClipboardPutText(const char* text);

// Documents from HTML (Qt's rich-text subset), laid out on the pages of the
// device itself, without margins or page numbers of their own; a block with
// "page-break-before: always" starts a new page. A4, or Letter where the
// user's locale is American; 12 mm margins.
// The PDF is made in memory, for the caller to write whole: 0 with *pdf
// holding it, its Creator as given; UIEFileWrite when it cannot be made;
// UIENotInitialized.
int HtmlAsPdf(const char* html, const char* title, const char* creator, std::string* pdf);
// The system's print dialog for the document, over the panel: 1 when it was
// sent to the printer, 0 when cancelled, 2 when the user chose to print to a
// file, which *file names, nothing written yet (the caller writes the PDF
// whole); UIEFileNotFound when the printing module (loaded on first use,
// kept out of start-up) cannot be loaded.
int PrintHtml(int panel, const char* html, const char* title, std::string* file);

// A table control's content: columnHeads across, rowHeads down, and the cells
// row by row, rowHeads.size() × columnHeads.size() of them; read-only and
// selectable, each cell a separate item for screen readers. 0; UIEBadValue
// when the counts disagree or the control is no table.
int SetTableCells(int panel, int control, const std::vector<std::string>& columnHeads,
                  const std::vector<std::string>& rowHeads, const std::vector<std::string>& cells);

// A band chart's content, positions from 0 (left) to 1 (right edge).
// Bands lie in rows, row 0 at the top and twice as tall as the rest; marks
// are vertical lines across all rows with a label above them; ticks are
// labelled along the bottom. Labels and tips are plain text (UTF-8).
enum BandStyle { VAL_BAND_SOLID, VAL_BAND_HATCHED, VAL_BAND_FADED };
struct ChartBand {
    double from, to;  // not a number: the band is not drawn
    int row;
    int color;  // RGB
    int style;  // BandStyle
    std::string label;
    std::string tip;  // shown while the pointer rests on the band
    int highlighted;  // 1: outlined in the palette's highlight
};
struct ChartMark {
    double at;
    int color;  // RGB
    std::string label;
    std::string tip;  // also what Left and Right announce when they reach it
    int band = -1;    // the band it belongs to, outlined while the mark is reached
};
struct ChartTick {
    double at;
    std::string label;
};
struct BandChart {
    std::vector<ChartBand> bands;
    std::vector<ChartMark> marks;  // Left and Right step through them in this order
    std::vector<ChartTick> ticks;
};
// A click on a mark reaches it as the keys do.
// 0; the control shows the chart, the mark the keys last reached kept when
// there is still one at its place. UIEBadControlId for a control that is no
// band chart.
int SetBandChart(int panel, int control, const BandChart& chart);

// Asks for a line of text in a modal pop-up, starting from *text: 1 when
// confirmed (*text holds it), 0 when cancelled; UIENotInitialized.
int PromptPopupText(const char* title, const char* message, std::string* text);

// A modal dialog for saving a file over the panel, offering the name
// suggested and filter ("CSV files (*.csv)"): 1 with the path chosen in
// *path, 0 when cancelled. It starts in the user's Documents folder (else
// home), then in the folder last chosen to save in this run.
int FileSavePopup(int panel, const char* title, const char* suggested, const char* filter,
                  std::string* path);

// Asks for an existing file in a modal dialog: 1 when one was chosen (*path
// holds it), 0 when cancelled; UIEBadValue when its path does not fit;
// UIENotInitialized. filter: "Photos (*.jpg *.JPG);;All files (*)". It starts
// in the user's Pictures folder (else home), then in the folder last chosen
// to open from this run.
int FileSelectPopup(const char* title, const char* filter, char (&path)[MAX_PATHNAME_LEN]);

// Files dropped on a panel's window raise EVENT_FILES_DROPPED to its panel
// callback (control under the point, its top and left) once drops are
// enabled; GetDroppedFile gives the first of them while that event runs.
enum { EVENT_FILES_DROPPED = 1163 };
int EnableDragAndDrop(int panel);
// 0 and the path; UIEBadValue outside EVENT_FILES_DROPPED or when it does not fit.
int GetDroppedFile(char (&path)[MAX_PATHNAME_LEN]);

// Asks the user to choose one of the items (UTF-8) in a modal dialog with a
// search box over them: every word typed must appear in an item shown,
// letter case aside. 1 when one was chosen (*chosen holds its index), 0 when
// cancelled; UIEBadValue for no items; UIENotInitialized.
int PromptPopupChoice(const char* title, const char* message, const char* const* items,
                      std::size_t count, int* chosen);
int PromptPopupChoice(const char* title, const char* message, const std::vector<std::string>& items,
                      int* chosen);

// 0; calls callback(callbackData) once from the event loop, after the events
// already waiting: work that should run inside RunUserInterface (where a
// quit signal ends the program through its loop) rather than before it.
using DeferredCallbackPtr = void (*)(void* callbackData);
int PostDeferredCall(DeferredCallbackPtr callback, void* callbackData);

// Runs a helper program as RunHelper (platform/helper_process.h) does, while
// the event loop goes on: the panels repaint and answer keys, and a busy
// pointer shows. Escape pressed in a panel (no pop-up open) cancels it, as
// does QuitUserInterface; the helper is then killed. Returns the outcome.
HelperOutcome RunHelperResponsive(const char* const argv[], int timeoutMs, std::string* output);
