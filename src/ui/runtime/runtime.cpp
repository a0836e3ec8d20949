// SPDX-License-Identifier: MIT
// Start and end of the runtime, the event loop, statuses, the callback
// registry, and the system queries.
#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <QThread>
#include <QTimer>

#include <fontconfig/fontconfig.h>

#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

#include "accessibility/accessible.h"
#include "model/model.h"
#include "popups/button_icons.h"
#include "popups/popup_place.h"
#include "runtime/platform_probe.h"
#include "runtime/quit_signals.h"
#include "widgets/plain_label.h"

using namespace ui;

namespace {

// From the runtime's start to its close: a signal while a start-up message
// shows is handled as any other.
std::unique_ptr<QuitSignals> quitSignals;

// Qt's own notes (a missing XDG_RUNTIME_DIR, say) go where the runtime's
// failures go, and are kept quiet with them.
QtMessageHandler qtMessages = nullptr;

void QtMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (runtime().breakOnLibraryErrors || type == QtFatalMsg) {
        qtMessages(type, context, text);
    }
}

}  // namespace

const char* LastUIFailure() {
    return runtime().lastFailure.c_str();
}

int RegisterCallbacks(const CallbackName* table, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (table[i].name == nullptr || table[i].function == nullptr) {
            return fail(UIEBadValue, "callback table entry " + std::to_string(i) + " is empty");
        }
        runtime().callbacks.push_back(table[i]);
    }
    return 0;
}

int InitCVIRTE(void*, char** argv, void*) {
    Runtime& rt = runtime();
    if (rt.app) {
        return 1;
    }
    if (qtMessages == nullptr) {
        qtMessages = qInstallMessageHandler(QtMessage);
    }
    // Reading the font configuration takes longer than anything before the
    // first text is measured, so it starts first.
    rt.fontConfiguration = std::thread(FcInit);
    PlatformProbe probe;
    if (!probe.canStart()) {
        fontsReady();
        fail(UIENoDisplay,
             "cannot start on " + qEnvironmentVariable("QT_QPA_PLATFORM", "xcb").toStdString());
        return 0;
    }
    // Only the program's name reaches Qt: the command line is not ours to
    // act on, and Qt would otherwise take options such as -platform from it.
    static char* programName[] = {const_cast<char*>("ui"), nullptr};
    static int argc = 1;
    if (argv != nullptr && argv[0] != nullptr) {
        programName[0] = argv[0];
    }
    rt.app = std::make_unique<QApplication>(argc, programName);
    // Qt takes the locale from the environment; numbers must keep a decimal
    // point in printf, strtod and the fields whatever the user's language.
    std::setlocale(LC_NUMERIC, "C");
    QLocale::setDefault(QLocale::c());
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QFont dialog("Liberation Sans");
    dialog.setPixelSize(12);
    QApplication::setFont(dialog);
    QApplication::setQuitOnLastWindowClosed(false);
    installAccessibility();
    quitSignals = std::make_unique<QuitSignals>();
    return 1;
}

void CloseCVIRTE() {
    fontsReady();
    Runtime& rt = runtime();
    rt.panels.clear();
    rt.bitmaps.clear();
    quitSignals.reset();
    rt.app.reset();
}

RuntimeLifetime::RuntimeLifetime() {
    ++runtime().lifetimeHolders;
}

RuntimeLifetime::~RuntimeLifetime() {
    if (--runtime().lifetimeHolders == 0) {
        CloseCVIRTE();
    }
}

int RunUserInterface() {
    Runtime& rt = runtime();
    if (!rt.app) {
        return fail(UIENotInitialized, "RunUserInterface before InitCVIRTE");
    }
    // Asked to end before it ran (from a start-up message): it ends at once.
    if (!rt.quitAsked) {
        rt.running = true;
        rt.quitCode = QApplication::exec();
        rt.running = false;
    }
    rt.quitAsked = false;
    return rt.quitCode;
}

int PostDeferredCall(DeferredCallbackPtr callback, void* callbackData) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "PostDeferredCall before InitCVIRTE");
    }
    if (callback == nullptr) {
        return fail(UIEBadValue, "no deferred callback");
    }
    QTimer::singleShot(0, runtime().app.get(),
                       [callback, callbackData] { callback(callbackData); });
    return 0;
}

int QuitUserInterface(int returnCode) {
    Runtime& rt = runtime();
    if (!rt.app) {
        return fail(UIENotInitialized, "QuitUserInterface before InitCVIRTE");
    }
    // Qt remembers an exit asked for outside its loops and would end the next
    // modal pop-up at once; with no loop to end there is nothing to do. From
    // a pop-up before RunUserInterface, the pop-up ends and so does the run.
    if (rt.running || QThread::currentThread()->loopLevel() > 0) {
        rt.quitAsked = true;
        rt.quitCode = returnCode;
        QApplication::exit(returnCode);
    }
    return 0;
}

namespace {

// A plain-text message with OK and, when action is given, a second button;
// true when that one was pressed.
bool ShowMessage(const char* title, const char* message, const char* action) {
    QWidget* parent = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(title), QString(), QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromUtf8(message));
    QPushButton* extra = action != nullptr
                             ? box.addButton(QString::fromUtf8(action), QMessageBox::ActionRole)
                             : nullptr;
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);  // the close box and Escape dismiss, as OK does
    shareButtonIcons(&box);
    // Beside the panel where the screen has room, so the panel stays in view.
    if (parent != nullptr && parent->screen() != nullptr) {
        const PopupPlace place =
            PlaceClearOf(parent->screen()->availableGeometry(), parent->frameGeometry(),
                         box.sizeHint().grownBy(FrameOf(box, *parent)));
        if (place.whole) {
            box.move(place.frame.topLeft());
        }
    }
    box.exec();
    return extra != nullptr && box.clickedButton() == extra;
}

}  // namespace

int MessagePopup(const char* title, const char* message) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "MessagePopup before InitCVIRTE");
    }
    ShowMessage(title, message, nullptr);
    return 0;
}

int MessagePopupWithAction(const char* title, const char* message, const char* action) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "MessagePopupWithAction before InitCVIRTE");
    }
    return ShowMessage(title, message, action) ? 1 : 0;
}

int GetProjectDir(char (&directory)[MAX_PATHNAME_LEN]) {
    const std::string& chosen = runtime().projectDir;
    if (!chosen.empty()) {
        std::memcpy(directory, chosen.c_str(), chosen.size() + 1);  // fits: SetProjectDir checked
        return 0;
    }
    char exe[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n <= 0) {
        return fail(UIEFileNotFound, "the program's own path is unknown");
    }
    exe[n] = '\0';
    char* slash = std::strrchr(exe, '/');
    const size_t length = slash == exe ? 1 : static_cast<size_t>(slash - exe);
    if (length >= MAX_PATHNAME_LEN) {
        return fail(UIEBufferTooSmall, "the program's directory is too long");
    }
    std::memcpy(directory, exe, length);
    directory[length] = '\0';
    return 0;
}

int MakePathname(const char* directory, const char* fileName, char (&path)[MAX_PATHNAME_LEN]) {
    const size_t dirLength = std::strlen(directory);
    const bool slash = dirLength > 0 && directory[dirLength - 1] != '/';
    const int needed = std::snprintf(nullptr, 0, "%s%s%s", directory, slash ? "/" : "", fileName);
    if (needed < 0 || needed >= MAX_PATHNAME_LEN) {
        return fail(UIEBufferTooSmall, "path too long");
    }
    std::snprintf(path, MAX_PATHNAME_LEN, "%s%s%s", directory, slash ? "/" : "", fileName);
    return 0;
}

int SetBreakOnLibraryErrors(int on) {
    const int previous = runtime().breakOnLibraryErrors;
    runtime().breakOnLibraryErrors = on != 0;
    return previous;
}

// The runtime checks no pointers of its callers, so this switch only reports
// and keeps its setting for callers that silence it around risky work.
int SetBreakOnProtectionErrors(int on) {
    const int previous = runtime().breakOnProtectionErrors;
    runtime().breakOnProtectionErrors = on != 0;
    return previous;
}

double _GetDoubleInf() {
    return std::numeric_limits<double>::infinity();
}

int GetSystemAttribute(int attribute, int* value) {
    if (attribute != ATTR_RESOLUTION_ADJUSTMENT) {
        return fail(UIEBadAttribute, "unknown system attribute " + std::to_string(attribute));
    }
    *value = runtime().resolutionAdjustment;
    return 0;
}

int SetSystemAttribute(int attribute, int value) {
    if (attribute != ATTR_RESOLUTION_ADJUSTMENT) {
        return fail(UIEBadAttribute, "unknown system attribute " + std::to_string(attribute));
    }
    if (value < -1 || value > 100) {
        return fail(UIEBadValue, "resolution adjustment outside -1..100");
    }
    runtime().resolutionAdjustment = value;
    return 0;
}

// One monitor: the primary screen.
int GetMonitorFromPanel(int panel, int* monitor) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    *monitor = 1;
    return 0;
}

int GetMonitorAttribute(int monitor, int attribute, int* value) {
    Runtime& rt = runtime();
    if (monitor != 1 || (attribute != ATTR_WIDTH && attribute != ATTR_HEIGHT)) {
        return fail(UIEBadAttribute, "unknown monitor or attribute");
    }
    const int pretended = attribute == ATTR_WIDTH ? rt.monitorWidth : rt.monitorHeight;
    if (pretended > 0) {
        *value = pretended;
        return 0;
    }
    QScreen* screen = rt.app ? QGuiApplication::primaryScreen() : nullptr;
    if (screen == nullptr) {
        return fail(UIENotInitialized, "no screen");
    }
    const QRect size = screen->geometry();
    *value = attribute == ATTR_WIDTH ? size.width() : size.height();
    return 0;
}

int SetMonitorAttribute(int monitor, int attribute, int value) {
    if (monitor != 1 || (attribute != ATTR_WIDTH && attribute != ATTR_HEIGHT) || value < 0) {
        return fail(UIEBadAttribute, "unknown monitor or attribute");
    }
    (attribute == ATTR_WIDTH ? runtime().monitorWidth : runtime().monitorHeight) = value;
    return 0;
}

int SetProjectDir(const char* directory) {
    const std::string chosen = directory ? directory : "";
    if (chosen.size() >= MAX_PATHNAME_LEN) {
        return fail(UIEBufferTooSmall, "the program's directory is too long");
    }
    runtime().projectDir = chosen;
    return 0;
}

void SetFailureLog(FailureLog log) {
    runtime().failureLog = log;
}
