// The panel runtime: panels and controls addressed by integer handles, typed
// values, commit callbacks, a graph with a free cursor, pop-ups, bitmaps and the
// clipboard, built on Qt Widgets. It knows nothing about the program it serves.
//
// Every operation returns a status: 0 or a positive handle on success, a
// negative UIError on failure. A failure changes nothing; GetUIErrorString()
// names a status and LastUIFailure() says what the last failing call met.
// While SetBreakOnLibraryErrors is on (the default), failures are also logged.
//
// One thread: callbacks run on the thread that called RunUserInterface, one at
// a time. A value set by the program never raises an event.
#pragma once

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
int RegisterCallbacks(const CallbackName* table, std::size_t count);

// ---- control kinds and values ----------------------------------------------
enum CtrlKind {
    CTRL_NUMERIC = 1,
    CTRL_COMMAND_BUTTON,
    CTRL_BOX,
    CTRL_TEXT_MSG,
    CTRL_GRAPH,
    CTRL_PICTURE,
};

enum DataType { VAL_INTEGER = 1, VAL_FLOAT, VAL_DOUBLE, VAL_STRING };
enum CtrlMode { VAL_HOT = 1, VAL_INDICATOR };
enum RangeCheck {
    VAL_IGNORE = 0,
    VAL_COERCE = 1
};  // out-of-range values: kept, or the nearer bound
enum FrameStyle { VAL_NO_FRAME = 0, VAL_OUTLINED_FRAME, VAL_RAISED_FRAME };

constexpr int VAL_TRANSPARENT = 0x1000000;
constexpr int MAX_PATHNAME_LEN = 260;

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
    ATTR_BACKCOLOR = 104,                 // int RGB

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
int RunUserInterface();
int QuitUserInterface(int returnCode);

// ---- panels -----------------------------------------------------------------
int NewPanel(int parent, const char* title, int top, int left, int height, int width);
int LoadPanel(int parent, const char* fileName, int resourceId);
int SavePanel(int panel, const char* fileName, int resourceId);
int DisplayPanel(int panel);
int HidePanel(int panel);
int DiscardPanel(int panel);
int SetPanelAttribute(int panel, int attribute, int value);
int SetPanelAttribute(int panel, int attribute, const char* value);
int GetPanelAttribute(int panel, int attribute, int* value);
int GetPanelAttribute(int panel, int attribute, std::string* value);

// ---- controls ---------------------------------------------------------------
// Identifiers are handed out in creation order, starting at 2.
int NewCtrl(int panel, int kind, const char* label, int top, int left);
int DefaultCtrl(int panel, int control);

int SetCtrlVal(int panel, int control, int value);
int SetCtrlVal(int panel, int control, float value);
int SetCtrlVal(int panel, int control, double value);
int SetCtrlVal(int panel, int control, const char* value);
int GetCtrlVal(int panel, int control, int* value);
int GetCtrlVal(int panel, int control, float* value);
int GetCtrlVal(int panel, int control, double* value);
int GetCtrlVal(int panel, int control, std::string* value);

int SetCtrlAttribute(int panel, int control, int attribute, int value);
int SetCtrlAttribute(int panel, int control, int attribute, double value);
int SetCtrlAttribute(int panel, int control, int attribute, const char* value);
int SetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr value);
int GetCtrlAttribute(int panel, int control, int attribute, int* value);
int GetCtrlAttribute(int panel, int control, int attribute, double* value);
int GetCtrlAttribute(int panel, int control, int attribute, std::string* value);
int GetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr* value);

// ---- graphs -----------------------------------------------------------------
int SetAxisScalingMode(int panel, int graph, int axis, int mode, double min, double max);
int GetAxisScalingMode(int panel, int graph, int axis, int* mode, double* min, double* max);
// The range shown now: the manual range, or the round range around the data.
int GetAxisRange(int panel, int graph, int axis, double* min, double* max);
int PlotLine(int panel, int graph, double x1, double y1, double x2, double y2, int color);
int DeleteGraphPlot(int panel, int graph, int plot, int refresh);
int GetGraphCursor(int panel, int graph, int cursor, double* x, double* y);
int SetGraphCursor(int panel, int graph, int cursor, double x, double y);
int SetCursorAttribute(int panel, int graph, int cursor, int attribute, int value);
int GetCursorAttribute(int panel, int graph, int cursor, int attribute, int* value);

// ---- pop-ups, bitmaps, clipboard ----------------------------------------------
int MessagePopup(const char* title, const char* message);

struct Rect {
    int top;
    int left;
    int height;  // -1: up to the panel's edge
    int width;   // -1: up to the panel's edge
};
Rect MakeRect(int top, int left, int height, int width);

// The text encoding GetUserBitmapFromText reads: an SVG document.
constexpr int VAL_SVG_IMAGE_TEXT = 1;
int GetUserBitmapFromText(const char* text, int version, int* bitmap);
int GetPanelDisplayBitmap(int panel, int scope, Rect area, int* bitmap);
int GetBitmapSize(int bitmap, int* width, int* height);
int SetCtrlBitmap(int panel, int control, int imageId, int bitmap);
int ClipboardPutBitmap(int bitmap);
int ClipboardGetBitmap(int* bitmap, int* available);
int DiscardBitmap(int bitmap);

// ---- files and system --------------------------------------------------------
int GetProjectDir(char (&directory)[MAX_PATHNAME_LEN]);
int MakePathname(const char* directory, const char* fileName, char (&path)[MAX_PATHNAME_LEN]);
int SetBreakOnLibraryErrors(int on);
int SetBreakOnProtectionErrors(int on);
double _GetDoubleInf();

int GetSystemAttribute(int attribute, int* value);
int SetSystemAttribute(int attribute, int value);
int GetMonitorFromPanel(int panel, int* monitor);
int GetMonitorAttribute(int monitor, int attribute, int* value);
// Pretends the monitor has this size (ATTR_WIDTH or ATTR_HEIGHT); for tests.
int SetMonitorAttribute(int monitor, int attribute, int value);
