// SPDX-License-Identifier: MIT
// Beside the panel: the details window, the context menu and its choices,
// the distance prompt and tooltips, through the real panel.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <functional>
#include <memory>
#include <vector>

#include "app_fixture.h"
#include "core/text/units.h"
#include "golden.h"
#include "popup_driver.h"
#include "program/kadrel.h"
#include "services/camera/bag.h"
#include "services/camera/tables.h"
#include "services/keys.h"
#include "services/preferences.h"
#include "widgets/graph/graph_widget.h"
#include "windows/details/details.h"
#include "windows/frame/side_window.h"
#include "windows/menu/menu.h"

namespace {

class ExtrasTest : public ExtrasAppTest {
  public:
    void TearDown() override {
        CloseSideWindows();
        ExtrasAppTest::TearDown();
    }
};

std::string DetailsText() {
    return AppTest::Widget<QLabel>("DETAILSTEXT")->text().toStdString();
}

std::string Tooltip(int control) {
    std::string text;
    GetCtrlAttribute(panelHandle, control, ATTR_TOOLTIP_TEXT, &text);
    return text;
}

bool DetailsShown() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() == "kadrel details" && w->isVisible()) {
            return true;
        }
    }
    return false;
}

TEST_F(ExtrasTest, DetailsFollowTheCursor) {
    ChooseInContextMenu({"Details"});
    ASSERT_TRUE(DetailsShown());
    PlaceCursor(10.0);
    // The factory sensor has full frame's shape, 36 / 22.5 = 1.6 times smaller.
    EXPECT_EQ(DetailsText(), kFactoryAtTenMetresDetails +
                                 std::string("\nFull-frame look 38.4 mm f/5.60, CoC 0.0103 mm "
                                             "(crop factor 1.60)"));
    EXPECT_EQ(Tooltip(PANEL_TEXTPARAM), kFactoryAtTenMetresDetails);

    // A drag moves it along with the report.
    auto* graph = Widget<ui::GraphWidget>("GRAPH");
    const QPoint start(graph->width() / 3, graph->height() / 2);
    QTest::mousePress(graph, Qt::LeftButton, {}, start);
    QTest::mouseMove(graph, start + QPoint(40, 0));
    double d = 0, s = 0;
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &s);
    EXPECT_EQ(DetailsText().substr(0, DetailsText().find(',')),
              "Subject at " + FormatDistance(d, Units::Metric));
    QTest::mouseRelease(graph, Qt::LeftButton, {}, start + QPoint(40, 0));
}

TEST_F(ExtrasTest, DetailsOpenByKeyAndDoubleClickAndCloseWithTheirButton) {
    // Ctrl+D even from a field, where it would delete a character.
    TypeInto("FOCAL", "50");
    auto* editor = Widget("FOCAL")->findChild<QLineEdit*>();
    editor->setCursorPosition(0);
    QTest::keyClick(Widget("FOCAL"), Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(DetailsShown());
    EXPECT_EQ(editor->text(), "50.00");

    auto* close = Widget<QPushButton>("CLOSE");  // the details window is the one side window shown
    ASSERT_NE(close, nullptr);
    close->click();
    EXPECT_FALSE(DetailsShown());

    auto* report = Widget<QLabel>("TEXTPARAM");
    QTest::mouseDClick(report, Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_TRUE(DetailsShown());
}

QWidget* DetailsWindow() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() == "kadrel details") {
            return w;
        }
    }
    return nullptr;
}

void Activate(QWidget* window) {
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

// Escape closes the details window; Ctrl+Q there ends kadrel as OK does,
// saving the settings.
TEST_F(ExtrasTest, DetailsCloseByEscapeAndQuitByCtrlQ) {
    TypeInto("FOCAL", "50");
    OpenDetails();
    QWidget* details = DetailsWindow();
    ASSERT_NE(details, nullptr);
    Activate(details);
    QTest::keyClick(details, Qt::Key_Escape);
    EXPECT_FALSE(DetailsShown());
    EXPECT_EQ(ReadIni(), "");

    OpenDetails();
    Activate(details);
    QTest::keyClick(details, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_NE(ReadIni().find("FOCAL = 50.0\n"), std::string::npos) << ReadIni();
}

// The details window opens beside the panel from where the panel is now,
// unless the user has put it somewhere: then it stays there for the run.
TEST_F(ExtrasTest, DetailsFollowThePanelUntilTheUserPlacesThem) {
    QWidget* panel = Widget("XMM")->window();
    panel->move(30, 40);
    const int window = OpenDetails();
    QWidget* details = DetailsWindow();
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->frameGeometry().top(), 40);
    const QRect screen = panel->screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(details->frameGeometry()))
        << screen.width() << "x" << screen.height();
    HidePanel(window);
    panel->move(10, 70);
    OpenDetails();
    EXPECT_EQ(details->frameGeometry().top(), 70);

    details->move(5, 300);  // the user's place
    const QPoint put = details->geometry().topLeft();
    HidePanel(window);
    panel->move(20, 20);
    OpenDetails();
    EXPECT_EQ(details->geometry().topLeft(), put);
}

// Every shortcut of the panel and the details window is among the keys that
// --help and the manual page list.
TEST_F(ExtrasTest, EveryShortcutIsListed) {
    OpenDetails();
    std::vector<QKeySequence> listed;
    for (std::size_t i = 0; i < kActionRowCount; ++i) {
        for (const QString& key : QString(kActionRows[i].keys).split(", ")) {
            listed.emplace_back(key, QKeySequence::PortableText);
        }
    }
    int shortcuts = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (const QShortcut* shortcut : window->findChildren<QShortcut*>()) {
            EXPECT_NE(std::find(listed.begin(), listed.end(), shortcut->key()), listed.end())
                << shortcut->key().toString().toStdString() << " in "
                << window->windowTitle().toStdString() << " is not in the table of keys";
            ++shortcuts;
        }
    }
    EXPECT_GE(shortcuts, 6);  // F1, Ctrl+C, Ctrl+Q, Ctrl+D; Escape, Ctrl+Q
    // And the key a menu item shows is one the panel binds.
    const auto bound = Widget("XMM")->window()->findChildren<QShortcut*>();
    for (std::size_t i = 0; i < kActionRowCount; ++i) {
        const ActionRow& row = kActionRows[i];
        if (row.label != nullptr && row.keys != nullptr) {
            const QKeySequence key(row.keys, QKeySequence::PortableText);
            EXPECT_TRUE(std::any_of(bound.begin(), bound.end(),
                                    [&](const QShortcut* s) { return s->key() == key; }))
                << row.keys << " of " << row.label << " is bound nowhere on the panel";
        }
    }
}

TEST_F(ExtrasTest, PresetFillsFourFieldsAndRecalculatesOnce) {
    const int before = PlotLine(panelHandle, PANEL_GRAPH, 0, 0, 1, 1, 0);
    DeleteGraphPlot(panelHandle, PANEL_GRAPH, before, VAL_IMMEDIATE_DRAW);
    ChooseInContextMenu({"Sensor presets", "Full frame"});
    EXPECT_EQ(Number(PANEL_XMM), 36.0);
    EXPECT_EQ(Number(PANEL_YMM), 24.0);
    EXPECT_EQ(Number(PANEL_XPIX), 6000);
    EXPECT_EQ(Number(PANEL_YPIX), 4000);
    EXPECT_EQ(settings.xsize, 36.0f);
    EXPECT_EQ(settings.yresol, 4000);
    EXPECT_DIGITS(Number(PANEL_PIXSIZE), "6.0000");
    // One redraw plots one line: the next plot's number is two on.
    const int after = PlotLine(panelHandle, PANEL_GRAPH, 0, 0, 1, 1, 0);
    EXPECT_EQ(after, before + 2);
    EXPECT_EQ(Number(PANEL_FOCAL), 24.0);  // the lens is left alone
}

// Types text into the form pop-up's field and presses OK; what the form says
// when it refuses lands in *refused, and the form is then cancelled.
void AnswerForm(const char* field, const QString& text, std::string* refused = nullptr) {
    OnNextPopup([field, text, refused] {
        QWidget* form = QApplication::activeModalWidget();
        auto* line = form ? form->findChild<QLineEdit*>(field) : nullptr;
        if (line == nullptr) {
            return false;
        }
        line->setText(text);
        QTest::keyClick(line, Qt::Key_Return);
        auto* problem = form->findChild<QLabel*>("FORM_PROBLEM");
        if (problem->isVisible()) {
            *refused = problem->text().toStdString();
            QTest::keyClick(line, Qt::Key_Escape);
        }
        return true;
    });
}

// As the preferences dialog leaves them: the panel and its followers redone.
void ChooseUnits(Units units) {
    preferences.units = units;
    Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);
}

double CursorDistance() {
    double d = 0, s = 0;
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &s);
    return d;
}

// Every spelling of a distance, read in the chosen units; a refusal says why
// and leaves the cursor where it was.
TEST_F(ExtrasTest, DistancePromptTakesUnitsAndRefusesWhatIsNoDistance) {
    const struct {
        Units units;
        const char* typed;
        double metres;
    } accepted[] = {
        {Units::Metric, "5", 5.0},           {Units::Metric, "500 cm", 5.0},
        {Units::Metric, "2500 mm", 2.5},     {Units::Metric, "10 ft", 3.048},
        {Units::Imperial, "10", 3.048},      {Units::Imperial, "10' 6\"", 3.2004},
        {Units::Imperial, "126 in", 3.2004}, {Units::Imperial, "32\u2032 10\u2033", 10.0},
    };
    for (const auto& row : accepted) {
        ChooseUnits(row.units);
        AnswerForm("DISTANCE", QString::fromUtf8(row.typed));
        AskSubjectDistance();
        EXPECT_NEAR(CursorDistance(), row.metres, 1e-9) << row.typed;
    }
    double d = 0, s = 0;
    GetGraphCursor(panelHandle, PANEL_GRAPH, 1, &d, &s);
    EXPECT_DOUBLE_EQ(s, ScaleAt(pixelsize, settings.focal, d));  // Cursor ran
    // 10 m is 393.7 inches.
    EXPECT_NE(Text(PANEL_TEXTPARAM).find("Object distance 32\u2032 10\u2033"), std::string::npos);

    ChooseUnits(Units::Metric);
    PlaceCursor(5.0);
    const struct {
        const char* typed;
        const char* why;
    } refused[] = {
        {"3 furlongs", "\"3 furlongs\" is not a distance."},
        {"-2 m", "\"-2 m\" is not a distance."},
        {"0.01",
         "A subject distance runs from 96.0 mm to 1000000000 m; beyond d max, d max "
         "follows it."},
        {"95 mm",
         "A subject distance runs from 96.0 mm to 1000000000 m; beyond d max, d max "
         "follows it."},
        {"1001000000",
         "A subject distance runs from 96.0 mm to 1000000000 m; beyond d max, d max "
         "follows it."},
    };
    for (const auto& row : refused) {
        std::string why;
        AnswerForm("DISTANCE", row.typed, &why);
        AskSubjectDistance();
        EXPECT_EQ(why, row.why);
        EXPECT_EQ(CursorDistance(), 5.0) << row.typed;
    }
}

// The line starts at 4 f = 96 mm, and that bound as shown is taken; a
// distance beyond d max is taken whole and d max rises to the next whole
// metre: 30 with d max 10 gives 30, 4120 cm 42, and in feet 100 ft = 30.48 m
// (with d max back at 10) 31. OK saves the raised d max.
TEST_F(ExtrasTest, DistancePromptBeyondDmaxRaisesIt) {
    AnswerForm("DISTANCE", "96.0 mm");
    AskSubjectDistance();
    EXPECT_EQ(CursorDistance(), static_cast<double>(dmin));
    EXPECT_EQ(Number(PANEL_DMAX), 10.0);

    AnswerForm("DISTANCE", "30");
    AskSubjectDistance();
    EXPECT_EQ(CursorDistance(), 30.0);
    EXPECT_EQ(Number(PANEL_DMAX), 30.0);
    EXPECT_EQ(settings.dmax, 30.0f);  // Redraw ran as for a typed d max
    double lo = 0, hi = 0;
    GetAxisRange(panelHandle, PANEL_GRAPH, VAL_XAXIS, &lo, &hi);
    EXPECT_EQ(hi, 30.0);
    EXPECT_NE(Text(PANEL_TEXTPARAM).find("Object distance 30.00 m"), std::string::npos);

    AnswerForm("DISTANCE", "12.5");
    AskSubjectDistance();
    EXPECT_EQ(CursorDistance(), 12.5);
    EXPECT_EQ(Number(PANEL_DMAX), 30.0);

    AnswerForm("DISTANCE", "4120 cm");
    AskSubjectDistance();
    EXPECT_DOUBLE_EQ(CursorDistance(), 41.2);
    EXPECT_EQ(Number(PANEL_DMAX), 42.0);
    QuitCallback(panelHandle, PANEL_COMMANDBUTTON, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_NE(ReadIni().find("\nDMAX = 42.0\n"), std::string::npos) << ReadIni();

    // In feet d max rises to a whole foot: 100 ft, 30.48 m in kadrel.ini.
    TypeInto("DMAX", "10");
    ChooseUnits(Units::Imperial);
    AnswerForm("DISTANCE", "100");
    AskSubjectDistance();
    EXPECT_DOUBLE_EQ(CursorDistance(), 30.48);
    EXPECT_NEAR(Number(PANEL_DMAX), 100.0, 1e-4);  // a float step past, to hold the cursor
    EXPECT_FLOAT_EQ(settings.dmax, 30.48f);
    ChooseUnits(Units::Metric);
}

// dh is 25.63 m at f/3.5, beyond the factory d max of 10 m: d max goes to 26
// and the axis, in steps of 5 m, to 30.
TEST_F(ExtrasTest, HyperfocalItemRaisesDmaxToShowIt) {
    bool enabled = false;
    ChooseInContextMenu({"Focus at hyperfocal"}, &enabled);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(CursorDistance(), static_cast<double>(dh));
    EXPECT_DIGITS(CursorDistance(), "25.63");
    EXPECT_EQ(Number(PANEL_DMAX), 26.0);
    EXPECT_EQ(settings.dmax, 26.0f);
    double lo = 0, hi = 0;
    GetAxisRange(panelHandle, PANEL_GRAPH, VAL_XAXIS, &lo, &hi);
    EXPECT_EQ(hi, 30.0);
    EXPECT_NE(Text(PANEL_TEXTPARAM).find("Object distance 25.63 m"), std::string::npos);
    EXPECT_TRUE(std::isinf(dof));  // the far side reaches infinity

    // On the graph already: d max stays.
    TypeInto("DMAX", "40");
    ChooseInContextMenu({"Focus at hyperfocal"});
    EXPECT_EQ(CursorDistance(), static_cast<double>(dh));
    EXPECT_EQ(Number(PANEL_DMAX), 40.0);
}

TEST_F(ExtrasTest, CopyReportAsTextAndTooltips) {
    PlaceCursor(10.0);
    ChooseInContextMenu({"Copy report as text"});
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), kFactoryAtTenMetresText);
    for (int control : {PANEL_XMM, PANEL_YMM, PANEL_XPIX, PANEL_YPIX, PANEL_FOCAL, PANEL_APERTURE,
                        PANEL_DMAX, PANEL_RATIO, PANEL_DIAGONAL, PANEL_PIXSIZE, PANEL_ANGLE,
                        PANEL_PSIV, PANEL_PSIH, PANEL_GRAPH, PANEL_TEXTRATIO1, PANEL_TEXTRATIO2}) {
        EXPECT_FALSE(Tooltip(control).empty()) << control;
    }
    EXPECT_NE(Tooltip(PANEL_TEXTRATIO2).find("Red: not square"), std::string::npos);
}

// The bag in the context menu: a body's sensor in one step; a lens takes
// the panel into its range and its widest aperture there (f/3.67 at 20 mm),
// then its limits are remarked in the details, never forced; the panel's
// camera added under a name, and a body removed.
TEST_F(ExtrasTest, CameraBagInTheContextMenu) {
    std::ofstream(bagFullPath) << "[body]\nname = Sony A6000\nsensor = 23.5 x 15.6 mm\n"
                                  "resolution = 6000 x 4000\n[lens]\nname = E 18-55mm\n"
                                  "focal = 18-55 mm\nwidest = 18 mm f/3.5, 24 mm f/4\n";
    InitPanel();
    ChooseInContextMenu({"Use body", "Sony A6000"});
    EXPECT_EQ(std::vector<double>(
                  {Number(PANEL_XMM), Number(PANEL_YMM), Number(PANEL_XPIX), Number(PANEL_YPIX)}),
              std::vector<double>({23.5, 15.6f, 6000, 4000}));  // a float field
    TypeInto("FOCAL", "20");
    TypeInto("APERTURE", "2.8");
    ChooseInContextMenu({"Use lens", "E 18-55mm"});
    EXPECT_EQ(Number(PANEL_FOCAL), 20.0);
    EXPECT_NEAR(Number(PANEL_APERTURE), 3.67, 0.005);
    EXPECT_EQ(TableApertures(), (std::vector<double>{4, 5.6, 8, 11, 16, 22}));
    ChooseInContextMenu({"Details"});
    const auto lastLine = [] { return DetailsText().substr(DetailsText().rfind('\n') + 1); };
    EXPECT_EQ(lastLine(), "Lens            E 18-55mm, widest f/3.67 at 20 mm");
    TypeInto("FOCAL", "300");
    EXPECT_EQ(Number(PANEL_FOCAL), 300.0);
    EXPECT_EQ(lastLine(), "Lens            E 18-55mm: 300 mm is outside its 18-55 mm");
    ChooseInContextMenu({"Pin this setup"});  // kept with the bag's names

    AnswerNextTextPrompt("Second <b>body</b>");
    ChooseInContextMenu({"Camera bag", "Add this camera"});
    ChooseInContextMenu({"Camera bag", "Remove \u201cSony A6000"});
    ReadBagFile();  // as the next run does: the lens in use is kept
    ASSERT_NE(ChosenLens(), nullptr);
    EXPECT_EQ(ChosenLens()->name, "E 18-55mm");
    ChooseInContextMenu({"Camera bag", "Camera bag\u2026"});
    std::string why;
    AnswerForm("PUPILMAG", "20", &why);
    Widget<QPushButton>("LENSDETAILS")->click();
    EXPECT_EQ(
        why, "Pupil magnification: \u201c20\u201d is not a number from 0.1 to 10; 1 when unknown.");
    AnswerForm("PUPILMAG", "0.7");
    Widget<QPushButton>("LENSDETAILS")->click();
    EXPECT_EQ(settings.pupil, 0.7f);  // the lens in use passes it on
    ReadBagFile();
    EXPECT_EQ(bag.lenses[0].pupilMagnification, 0.7);
    AnswerNextChoice("lens: e 18");
    Widget<QPushButton>("REMOVE")->click();
    EXPECT_EQ(ChosenLens(), nullptr);
    ReadBagFile();
    EXPECT_EQ(bag.lenses.size(), 0u);
    EXPECT_EQ(bag.chosenLens, "");
    ASSERT_EQ(bag.bodies.size(), 1u);
    EXPECT_EQ(bag.bodies[0].name, "Second <b>body</b>");
    EXPECT_EQ(bag.bodies[0].xsizeMm, 23.5);
    ASSERT_EQ(bag.pins.size(), 1u);
    EXPECT_EQ(bag.pins[0].body + ", " + bag.pins[0].lens, "Sony A6000, E 18-55mm");
    pins.clear();
}

}  // namespace
