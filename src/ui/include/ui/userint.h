// SPDX-License-Identifier: MIT
// The panel runtime: panels and controls addressed by integer handles, typed
// values, commit callbacks, a graph with a free cursor, pop-ups, bitmaps and the
// clipboard, built on Qt Widgets. It knows nothing about the program it serves.
//
// Inside src/ui each folder is a room with a README saying what it holds;
// src/ui/CMakeLists.txt lists them from the plain widgets up to the runtime.
//
// Every operation returns a status: 0 or a positive handle on success, a
// negative UIError on failure. A failure changes nothing unless its contract
// says otherwise (output arguments may be zeroed); GetUIErrorString() names a
// status and LastUIFailure() says what the last failing call met. While
// SetBreakOnLibraryErrors is on (the default), failures are also logged.
// Every call that takes a panel, control, graph, cursor or bitmap fails with
// UIEBadPanelHandle, UIEBadControlId, UIEBadValue or UIEBadBitmap when it is
// unknown; the contracts below name only the other failures.
//
// One thread: callbacks run on the thread that called RunUserInterface, one at
// a time. A value set by the program never raises an event.
//
// Text handed to the runtime (values, labels, messages, tooltips, menu items)
// is shown as written, never read as markup. What the user types into a
// string field, a form or a text prompt stops at 500 characters.
#pragma once

#include <climits>
#include <cstddef>
#include <string>

// ---- statuses -------------------------------------------------------------
enum UIError {
    UIENoError = 0,
    UIENotInitialized = -1,
    UIENoDisplay = -2,
    UIEBadPanelHandle = -3,
    UIEBadControlId = -4,
    UIEBadAttribute = -5,
    UIEWrongType = -6,
    UIEBadValue = -7,
    UIEFileNotFound = -8,
    UIEBadPanelFile = -9,
    UIEResourceNotFound = -10,
    UIEBadBitmap = -11,
    UIEBufferTooSmall = -12,
    UIEFileWrite = -13,
    UIEUnknownCallback = -14,
};

// A short English text for a status; "unknown status" for a number that is none.
const char* GetUIErrorString(int status);
// What the last failing operation met, for logs and tests ("" when none failed).
const char* LastUIFailure();

// ---- callbacks and events --------------------------------------------------
enum { EVENT_NONE = 0, EVENT_COMMIT = 1 };

using CtrlCallbackPtr = int (*)(int panel, int control, int event, void* callbackData,
                                int eventData1, int eventData2);

// Panel files name callbacks; the program registers the functions they name.
struct CallbackName {
    const char* name;
    CtrlCallbackPtr function;
};
// 0; UIEBadValue at the first entry with a null name or function (the entries
// before it stay registered). Names are looked up by SavePanel and LoadPanel.
int RegisterCallbacks(const CallbackName* table, std::size_t count);

// ---- control kinds and values ----------------------------------------------
enum CtrlKind {
    CTRL_NUMERIC = 1,
    CTRL_COMMAND_BUTTON,
    CTRL_BOX,
    CTRL_TEXT_MSG,
    CTRL_GRAPH,
    CTRL_PICTURE,
    CTRL_TABLE,       // read-only cells under column and row heads (SetTableCells)
    CTRL_STRING,      // one line of text the user types, committed by Return or by leaving it
    CTRL_BAND_CHART,  // bands and marks across a scale from 0 to 1 (SetBandChart)
};

enum DataType { VAL_INTEGER = 1, VAL_FLOAT, VAL_DOUBLE, VAL_STRING };
enum CtrlMode { VAL_HOT = 1, VAL_INDICATOR };
enum RangeCheck {
    VAL_IGNORE = 0,
    VAL_COERCE = 1
};  // out-of-range values: kept, or the nearer bound
enum FrameStyle { VAL_NO_FRAME = 0, VAL_OUTLINED_FRAME, VAL_RAISED_FRAME };

constexpr int VAL_TRANSPARENT = 0x1000000;
// The longest path the system takes, terminating NUL included.
constexpr int MAX_PATHNAME_LEN = PATH_MAX;

// Font names taken by the font attributes besides any installed family.
#define VAL_DIALOG_META_FONT "UIDialog"
#define VAL_APP_META_FONT "UIApp"
#define VAL_MONO_META_FONT "UIMono"

// ---- attributes -------------------------------------------------------------
// Each attribute has one value type (int, double, text or callback); setting it
// with another type is refused with UIEWrongType.
enum Attribute {
    // panels
    ATTR_TITLE = 100,                     // text
    ATTR_CLOSE_CTRL = 101,                // int: control whose commit the close box raises
    ATTR_SCALE_CONTENTS_ON_RESIZE = 102,  // int 0/1
    ATTR_FRAME_STYLE = 103,               // int FrameStyle, panels inside a parent only
    ATTR_BACKCOLOR = 104,                 // int RGB; unset, the desktop's window colour
    ATTR_SIZABLE = 105,                   // int 0/1: the user may resize the window

    // panels and controls
    ATTR_CONSTANT_NAME = 200,  // text
    ATTR_TOP = 201,            // int pixels
    ATTR_LEFT = 202,
    ATTR_WIDTH = 203,
    ATTR_HEIGHT = 204,

    // controls
    ATTR_CALLBACK_FUNCTION_POINTER = 300,  // callback
    ATTR_CTRL_MODE = 301,                  // int CtrlMode
    ATTR_DATA_TYPE = 302,                  // int DataType
    ATTR_VISIBLE = 530,                    // int 0/1
    ATTR_ZPLANE_POSITION = 610,            // int, 0 = frontmost
    ATTR_CTRL_TAB_POSITION = 611,          // int, 0 = first
    ATTR_TEXT_COLOR = 680,                 // int RGB
    ATTR_TEXT_BGCOLOR = 681,               // int RGB or VAL_TRANSPARENT
    ATTR_FRAME_COLOR = 682,                // int RGB
    ATTR_CMD_BUTTON_COLOR = 683,           // int RGB
    ATTR_TEXT_FONT = 684,                  // text: family or meta font
    ATTR_TEXT_POINT_SIZE = 685,            // int, in pixels like the layout
    ATTR_TEXT_BOLD = 686,                  // int 0/1
    ATTR_SIZE_TO_TEXT = 687,               // int 0/1
    ATTR_LABEL_TEXT = 700,                 // text
    ATTR_LABEL_TOP = 701,                  // int
    ATTR_LABEL_LEFT = 702,                 // int
    ATTR_LABEL_BGCOLOR = 703,              // int RGB or VAL_TRANSPARENT
    ATTR_LABEL_FONT = 704,                 // text
    ATTR_LABEL_BOLD = 705,                 // int 0/1
    ATTR_LABEL_COLOR = 706,                // int RGB

    // numeric fields; the data type comes first, the range before the values
    ATTR_MIN_VALUE = 800,    // double
    ATTR_MAX_VALUE = 801,    // double
    ATTR_CHECK_RANGE = 802,  // int RangeCheck
    ATTR_INCR_VALUE = 803,   // double
    ATTR_PRECISION = 804,    // int: decimals shown
    ATTR_DFLT_VALUE = 805,   // double (numeric) or text (text message)

    // graphs
    ATTR_XNAME = 900,          // text
    ATTR_YNAME = 901,          // text
    ATTR_PLOT_BGCOLOR = 902,   // int RGB
    ATTR_GRID_COLOR = 903,     // int RGB
    ATTR_GRAPH_BGCOLOR = 904,  // int RGB
    ATTR_NUM_CURSORS = 905,    // int
    ATTR_XAXIS_GAIN = 906,     // double: the x axis's ticks read value × gain (1)

    // graph cursors
    ATTR_CURSOR_COLOR = 950,    // int RGB
    ATTR_CURSOR_YAXIS = 951,    // int Axis
    ATTR_CURSOR_ENABLED = 952,  // int 0/1
    ATTR_CURSOR_MODE = 953,     // int CursorMode

    // system
    ATTR_RESOLUTION_ADJUSTMENT = 1000,  // int percent 0..100, -1 counts as 0

    // what assistive technology and the keyboard see of a control
    ATTR_ACCESSIBLE_NAME = 1100,         // text; "" falls back to the label
    ATTR_ACCESSIBLE_DESCRIPTION = 1101,  // text, such as the unit of an unlabelled number
    ATTR_DESCRIBED_BY = 1102,  // int: a text message whose text is the description, 0 = none
    ATTR_SHORTCUT_KEY = 1103,  // text: a key that presses a command button ("F1", "Ctrl+Q")
};

enum Axis { VAL_XAXIS = 0, VAL_LEFT_YAXIS, VAL_RIGHT_YAXIS };
enum ScalingMode { VAL_MANUAL = 0, VAL_AUTOSCALE };
enum CursorMode { VAL_FREE_FORM = 0, VAL_SNAP_TO_POINT };
enum { VAL_IMMEDIATE_DRAW = 1, VAL_DELAYED_DRAW = 0 };

// ---- start, event loop ------------------------------------------------------
// Lifetime: the toolkit must end before main returns, while the toolkit's own
// statics still exist. Hold a RuntimeLifetime in main (or a function main
// calls) right after InitCVIRTE; nothing is closed at exit by itself. A
// program that neither holds one nor calls CloseCVIRTE leaks the toolkit on
// purpose rather than destroying it during exit.
//
// Prepares the runtime: 1 on success (also when it is already prepared), 0
// when no display can be reached (the process is never aborted). Of argv
// only the program's name is used; it must live as long as the runtime.
// From then on SIGTERM, SIGHUP and SIGINT (unless ignored from the start)
// wait for an event loop, a pop-up's included, and there close the windows,
// the active one first, then the others in the order made, until one quits
// (a secondary window's close may only hide it); while a quit is
// under way (a close control's callback running, or QuitUserInterface
// called) a signal ends the loops at once. When no window quits, the loop
// ends with 0.
int InitCVIRTE(void* instance, char** argv, void* reserved);
// Discards every panel and bitmap, then releases the toolkit. Safe to call
// when the runtime is not prepared.
void CloseCVIRTE();

// Closes the runtime when the outermost holder leaves its scope, on every
// return path. Holders nest: a test or probe that holds one around the
// program's own keeps the runtime alive across it.
class RuntimeLifetime {
  public:
    RuntimeLifetime();
    ~RuntimeLifetime();
    RuntimeLifetime(const RuntimeLifetime&) = delete;
    RuntimeLifetime& operator=(const RuntimeLifetime&) = delete;
};
// Runs the event loop until QuitUserInterface: its return code (at once when
// that came from a pop-up before it); UIENotInitialized before InitCVIRTE.
int RunUserInterface();
// 0, ending RunUserInterface with returnCode, and any pop-up open; from a
// pop-up before RunUserInterface, that one and the run to come. Outside any
// loop it does nothing, so a later pop-up is not ended at once.
// UIENotInitialized.
int QuitUserInterface(int returnCode);

// ---- panels -----------------------------------------------------------------
// A new, hidden panel's handle (never reused): a window when parent is 0, a
// frame inside the parent otherwise; UIENotInitialized; UIEBadValue for a
// size not above 0.
int NewPanel(int parent, const char* title, int top, int left, int height, int width);
// The handle of a new, hidden panel rebuilt from the panel file's resource; a
// relative fileName is taken from the program's directory (GetProjectDir).
// UIENotInitialized; UIEFileNotFound; UIEBadPanelFile when the file is no
// panel file of this version or is damaged; UIEResourceNotFound;
// UIEUnknownCallback for a callback name not registered; UIEBufferTooSmall for
// a path too long. On failure the partly built panel is discarded.
int LoadPanel(int parent, const char* fileName, int resourceId);
// 0 after replacing fileName, all or nothing, with a panel file that holds this
// panel as resourceId; UIEUnknownCallback when a control's callback is not
// registered; UIEFileWrite.
int SavePanel(int panel, const char* fileName, int resourceId);
// 0; shows the panel and activates its window. A sizable window is first
// fitted to the free area of the screen it is on, frame and all, and moved
// wholly onto it; a size changed so raises EVENT_PANEL_SIZE, as the user's
// own resizing does.
int DisplayPanel(int panel);
// 0; hides the panel.
int HidePanel(int panel);
// 0; discards the panel, its child panels first, and their controls; the
// handles become unknown.
int DiscardPanel(int panel);
// 0; UIEBadAttribute for an attribute that is no panel int; UIEBadValue for a
// size not above 0 or a frame style on a top-level panel; UIEBadControlId for
// a close control the panel lacks (0: none). While
// ATTR_SCALE_CONTENTS_ON_RESIZE is on, a new width or height moves and resizes
// every control by the same factor.
int SetPanelAttribute(int panel, int attribute, int value);
// 0 for ATTR_TITLE or ATTR_CONSTANT_NAME (value not null); UIEWrongType for
// any other attribute.
int SetPanelAttribute(int panel, int attribute, const char* value);
// 0 and the value as set (0 when never set); UIEBadAttribute for an attribute
// that is no panel int.
int GetPanelAttribute(int panel, int attribute, int* value);
// 0 and the title or constant name ("" when never set); UIEBadAttribute for
// any other attribute.
int GetPanelAttribute(int panel, int attribute, std::string* value);

// ---- controls ---------------------------------------------------------------
// The new control's identifier, handed out in creation order from 2; it is
// frontmost, last in the tab order and visible; a numeric field holds a double,
// is hot and coerces to its range; label null counts as "". UIEBadValue for an
// unknown kind.
int NewCtrl(int panel, int kind, const char* label, int top, int left);
// 0 after setting a numeric field or text message to its ATTR_DFLT_VALUE (0 or
// "" when never set), raising no event; UIEBadControlId for other kinds.
int DefaultCtrl(int panel, int control);

// 0; the field makes the number what its range check and data type allow
// (NaN is ignored, and so is a number an input field cannot hold finite:
// an infinity, 1e39 in a float); UIEWrongType when the control is no numeric
// field.
int SetCtrlVal(int panel, int control, int value);
int SetCtrlVal(int panel, int control, float value);
int SetCtrlVal(int panel, int control, double value);
// 0; null counts as ""; UIEWrongType when the control is no text message or
// string field.
int SetCtrlVal(int panel, int control, const char* value);
// 0 and the value; UIEWrongType unless the control is a numeric field of
// exactly that data type (VAL_INTEGER, VAL_FLOAT, VAL_DOUBLE).
int GetCtrlVal(int panel, int control, int* value);
int GetCtrlVal(int panel, int control, float* value);
int GetCtrlVal(int panel, int control, double* value);
// 0 and the text; UIEWrongType when the control is no text message or string
// field.
int GetCtrlVal(int panel, int control, std::string* value);

// 0; UIEBadAttribute when the attribute does not apply to the control's kind;
// UIEWrongType for a value of another type (an int serves for a double);
// UIEBadValue for a value out of its range (sizes above 0, precision 0..15,
// 0 to 10 cursors, known data types and modes). Text null counts as ""; a null
// callback removes the callback; z and tab positions are clamped to the order.
int SetCtrlAttribute(int panel, int control, int attribute, int value);
int SetCtrlAttribute(int panel, int control, int attribute, double value);
int SetCtrlAttribute(int panel, int control, int attribute, const char* value);
int SetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr value);
// 0 and the value as last set; positions, size and visibility as the panel has
// them now; a zero of the attribute's type ("" or null) when never set.
// UIEBadAttribute as for SetCtrlAttribute; UIEWrongType when asked with
// another type (a double takes an int).
int GetCtrlAttribute(int panel, int control, int attribute, int* value);
int GetCtrlAttribute(int panel, int control, int attribute, double* value);
int GetCtrlAttribute(int panel, int control, int attribute, std::string* value);
int GetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr* value);

// ---- graphs -----------------------------------------------------------------
// Every graph call fails with UIEBadControlId for a control that is no graph.
// Plots lie on the left y axis; the right one always shows its manual range.
//
// 0; the manual range is kept while autoscaling, for a later switch back;
// UIEBadValue for an unknown mode or unless min < max.
int SetAxisScalingMode(int panel, int graph, int axis, int mode, double min, double max);
// 0, the mode and the manual range as set.
int GetAxisScalingMode(int panel, int graph, int axis, int* mode, double* min, double* max);
// 0 and the range shown now: the manual range, or the round range around the
// plots (the manual range while there are none).
int GetAxisRange(int panel, int graph, int axis, double* min, double* max);
// The new plot's handle (from 1); cursors move back into the new range.
int PlotLine(int panel, int graph, double x1, double y1, double x2, double y2, int color);
// 0; plot -1 deletes all plots; redrawn at once whatever refresh says.
int DeleteGraphPlot(int panel, int graph, int plot, int refresh);
// 0 and the position of cursor 1, 2, ... in axis units.
int GetGraphCursor(int panel, int graph, int cursor, double* x, double* y);
// 0; the position is clamped into the visible ranges; raises no event.
int SetGraphCursor(int panel, int graph, int cursor, double x, double y);
// 0; UIEBadAttribute for an attribute that is no cursor's; UIEBadValue for an
// axis other than the left or right y axis, or a mode other than free form.
int SetCursorAttribute(int panel, int graph, int cursor, int attribute, int value);
// 0 and the value; UIEBadAttribute as for SetCursorAttribute.
int GetCursorAttribute(int panel, int graph, int cursor, int attribute, int* value);

// ---- pop-ups, bitmaps, clipboard ----------------------------------------------
// 0 once the user has dismissed the modal pop-up, which opens beside the
// active window, on the first side where the screen has room; UIENotInitialized.
int MessagePopup(const char* title, const char* message);

struct Rect {
    int top;
    int left;
    int height;  // -1: up to the panel's edge
    int width;   // -1: up to the panel's edge
};
// The rectangle of these four numbers.
Rect MakeRect(int top, int left, int height, int width);

// The text encoding GetUserBitmapFromText reads: an SVG document.
constexpr int VAL_SVG_IMAGE_TEXT = 1;
// Bitmaps stay until DiscardBitmap or CloseCVIRTE; the calls that make one
// set *bitmap to 0 when they fail.
//
// 0 and a new bitmap of the document at its own size on a transparent ground;
// UIEBadBitmap for another encoding, null text or no SVG; UIENotInitialized.
int GetUserBitmapFromText(const char* text, int version, int* bitmap);
// 0 and a new bitmap of the panel as shown within area (scope is ignored);
// UIEBadValue for an area outside the panel; UIEBadBitmap when it cannot draw.
int GetPanelDisplayBitmap(int panel, int scope, Rect area, int* bitmap);
// 0, width and height in pixels.
int GetBitmapSize(int bitmap, int* width, int* height);
// 0; the picture control shows a copy, so the bitmap may be discarded at once
// (imageId is ignored); UIEBadControlId for a control that is no picture.
int SetCtrlBitmap(int panel, int control, int imageId, int bitmap);
// 0; the system clipboard holds the image.
int ClipboardPutBitmap(int bitmap);
// 0 with *available 1 and a new bitmap, or *available 0 and *bitmap 0 when the
// clipboard holds no image; UIENotInitialized.
int ClipboardGetBitmap(int* bitmap, int* available);
// 0; the handle becomes unknown.
int DiscardBitmap(int bitmap);
// 0 and a new bitmap of the control as shown, at the screen's pixel density
// (its label is never part of it).
int GetCtrlDisplayBitmap(int panel, int control, int includeLabel, int* bitmap);
// 0 with the image written whole as a PNG file, then put in place of any file
// of that name; UIEFileWrite, the old file untouched, when it cannot be.
int SaveBitmapToPNGFile(int bitmap, const char* path);

// ---- files and system --------------------------------------------------------
// 0 and the directory of the running program, without a final slash ("/" at
// the root), or the one SetProjectDir gave; UIEFileNotFound when the program's
// path is unknown; UIEBufferTooSmall.
int GetProjectDir(char (&directory)[MAX_PATHNAME_LEN]);
// 0 and directory joined to fileName, with a slash between unless directory is
// empty or ends in one; UIEBufferTooSmall, path untouched, when it would not fit.
int MakePathname(const char* directory, const char* fileName, char (&path)[MAX_PATHNAME_LEN]);
// The previous setting; while on, each failure writes one line
// "<program> ui: <what> (<status text>)" to the failure log (stderr), and
// the toolkit's own warnings reach stderr; while off, both are kept quiet.
int SetBreakOnLibraryErrors(int on);
// The previous setting; nothing else depends on it.
int SetBreakOnProtectionErrors(int on);
// Positive infinity.
double _GetDoubleInf();

// 0 and the value; only ATTR_RESOLUTION_ADJUSTMENT, else UIEBadAttribute.
int GetSystemAttribute(int attribute, int* value);
// 0; only ATTR_RESOLUTION_ADJUSTMENT (UIEBadAttribute), -1..100 (UIEBadValue).
int SetSystemAttribute(int attribute, int value);
// 0 and monitor 1, the primary screen, for every panel.
int GetMonitorFromPanel(int panel, int* monitor);
// 0 and monitor 1's ATTR_WIDTH or ATTR_HEIGHT in pixels (as pretended, if so);
// UIEBadAttribute for another monitor or attribute; UIENotInitialized.
int GetMonitorAttribute(int monitor, int attribute, int* value);
// Pretends the monitor has this size (ATTR_WIDTH or ATTR_HEIGHT; 0 asks the
// screen again); for tests. UIEBadAttribute as above or for a negative size.
int SetMonitorAttribute(int monitor, int attribute, int value);

// How the desktop knows the program: the application id that names its
// desktop entry, and the icon of every window, drawn from an SVG file (a Qt
// resource path such as ":/x.svg" works). The id is set at once; the icon
// once a first window has been painted, as drawing it would delay that
// frame. UIENotInitialized before InitCVIRTE; UIEBadBitmap when the icon is
// no readable SVG (the id is set, the icon before stays).
int SetApplicationIdentity(const char* desktopId, const char* iconFile);

// ---- for tests ----------------------------------------------------------------
// Test programs only: GetProjectDir (and so LoadPanel's relative paths) answers
// directory instead of the program's own; null or "" returns to the program's.
// 0; UIEBufferTooSmall for a directory too long, the setting unchanged.
int SetProjectDir(const char* directory);
// Test programs only: the failure lines SetBreakOnLibraryErrors lets through go
// to log instead of stderr (null: back to stderr), so a test can read or drop
// them while the program under test switches logging on and off.
using FailureLog = void (*)(const char* line);
void SetFailureLog(FailureLog log);

// Tooltips, panel events, pop-up menus, the number prompt, text on the clipboard.
#include "ui/userint_extras.h"
