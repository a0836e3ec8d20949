// SPDX-License-Identifier: MIT
// The depth-of-field cards as a PDF, read back with poppler's tools, and the
// program's exports of the panel's camera.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QInputDialog>
#include <QKeySequence>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "app_fixture.h"
#include "core/optics/f_stops.h"
#include "core/tables/table_text.h"
#include "popup_driver.h"
#include "program/kadrel.h"
#include "services/camera/tables.h"
#include "services/preferences.h"
#include "shot_setup.h"
#include "ui/userint.h"
#include "widgets/bands/band_chart_widget.h"
#include "windows/details/details.h"
#include "windows/frame/side_window.h"
#include "windows/menu/menu.h"
#include "windows/photo/photo_window.h"
#include "windows/plan/plan.h"
#include "windows/preferences/preferences_dialog.h"
#include "windows/table/table_window.h"

namespace {

std::string RunTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return process.readAllStandardOutput().toStdString();
}

std::string PageText(const QString& pdf, int page) {
    const QString number = QString::number(page);
    return RunTool("pdftotext", {"-layout", "-f", number, "-l", number, pdf, "-"});
}

// The line of text that starts with head, blanks collapsed.
std::string LineStarting(const std::string& text, const std::string& head) {
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string word, joined;
        while (words >> word) {
            joined += (joined.empty() ? "" : " ") + word;
        }
        if (joined.rfind(head, 0) == 0) {
            return joined;
        }
    }
    return {};
}

// Three cards, one page each, each page with the whole header; the 50 mm
// card's cells as typed from a hand calculation (near = H′s/(H′ + s − f),
// far = H′s/(H′ − (s − f)), H′ = f²/(N c), c = 0.030 mm), full stops across.
TEST(TablePdf, OnePagePerFocalLengthEachWithItsHeader) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("cards.pdf");
    std::vector<DofTable> tables;
    for (double focal : {24, 35, 50}) {
        tables.push_back(BuildDofTable(Metres(focal), Metres(0.030), FullStops(),
                                       StandardDistances(Units::Metric)));
    }
    const std::string html =
        CardsHtml(tables, "Full frame, 36 \u00d7 24 mm, 6000 \u00d7 4000 pixels", "0.030 mm",
                  [](double metres) { return FormatDistance(metres, Units::Metric); });
    ASSERT_EQ(WriteTablesPdf(html, pdf.toStdString()), "");
    EXPECT_EQ(LineStarting(RunTool("pdfinfo", {pdf}), "Pages:"), "Pages: 3");
    const char* const focals[] = {"24", "35", "50"};
    for (int page = 1; page <= 3; ++page) {
        const std::string text = PageText(pdf, page);
        EXPECT_EQ(LineStarting(text, "Depth of field"),
                  std::string("Depth of field, ") + focals[page - 1] + " mm lens");
        EXPECT_EQ(LineStarting(text, "Camera:"),
                  "Camera: Full frame, 36 \u00d7 24 mm, 6000 \u00d7 4000 pixels");
        EXPECT_EQ(LineStarting(text, "Circle"), "Circle of confusion: 0.030 mm");
        EXPECT_NE(LineStarting(text, "Distances from the lens;"), "");
        EXPECT_EQ(LineStarting(text, "Focus"),
                  "Focus f/1.4 f/2 f/2.8 f/4 f/5.6 f/8 f/11 f/16 f/22");
    }
    const std::string fifty = PageText(pdf, 3);
    EXPECT_EQ(LineStarting(fifty, "3.00 m"),
              "3.00 m 2.86 m 2.80 m 2.73 m 2.63 m 2.50 m 2.34 m 2.16 m 1.92 m 1.69 m");
    EXPECT_EQ(LineStarting(fifty, "3.16 m"),
              "3.16 m 3.23 m 3.33 m 3.49 m 3.74 m 4.19 m 4.91 m 6.92 m 13.56 m");
    EXPECT_EQ(LineStarting(fifty, "5.00 m"),
              "5.00 m 4.62 m 4.47 m 4.29 m 4.04 m 3.75 m 3.39 m 3.02 m 2.56 m 2.17 m");
    EXPECT_EQ(LineStarting(fifty, "5.45 m"),
              "5.45 m 5.67 m 6.00 m 6.56 m 7.49 m 9.53 m 14.43 m 100.8 m \u221e");
    EXPECT_EQ(LineStarting(fifty, "H "),
              "H 59.57 m 41.72 m 29.81 m 20.88 m 14.93 m 10.47 m 7.63 m 5.26 m 3.84 m");
    EXPECT_EQ(LineStarting(fifty, "H/2"),
              "H/2 29.79 m 20.86 m 14.91 m 10.44 m 7.47 m 5.23 m 3.81 m 2.63 m 1.92 m");
}

// A card wider than the page: 2000 mm, c = 0.003 mm, 32 apertures and 32
// distances. It is cut into parts of eleven apertures whose heads repeat on
// each page a part reaches, and the widest figures stay whole on one line:
// H = f²/(N c) + f, 1333335.33 m at f/1 down to 222224.22 m at f/6, each
// to four significant figures.
TEST(TablePdf, AWideCardIsCutIntoPartsWithTheirHeads) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("cards.pdf");
    std::vector<double> apertures, distances;
    for (int i = 0; i < 32; ++i) {
        apertures.push_back(1 + i * 0.5);
        distances.push_back(1 + i);
    }
    const std::string html =
        CardsHtml({BuildDofTable(Metres(2000), Metres(0.003), apertures, distances)}, "Full frame",
                  "0.003 mm", [](double metres) { return FormatDistance(metres, Units::Metric); });
    ASSERT_EQ(WriteTablesPdf(html, pdf.toStdString()), "");
    const std::string heads = "Focus f/1 f/1.5 f/2 f/2.5 f/3 f/3.5 f/4 f/4.5 f/5 f/5.5 f/6";
    EXPECT_EQ(LineStarting(PageText(pdf, 1), "Focus"), heads);
    EXPECT_EQ(LineStarting(PageText(pdf, 2), "Focus"), heads);
    EXPECT_EQ(LineStarting(RunTool("pdftotext", {"-layout", pdf, "-"}), "H "),
              "H 1333000 m 888900 m 666700 m 533300 m 444400 m 381000 m 333300 m 296300 m "
              "266700 m 242400 m 222200 m");
}

class TablesTest : public ExtrasAppTest {
  public:
    void TearDown() override {
        CloseSideWindows();
        pins.clear();
        tableChoice = {};
        ExtrasAppTest::TearDown();
    }

    // Full frame, 6000 pixels across: the circle is one pixel, 0.006 mm.
    static void FullFrame(const char* focal, const char* aperture, double d) {
        ApplySensorPreset(1);
        TypeInto("FOCAL", focal);
        TypeInto("APERTURE", aperture);
        PlaceCursor(d);
    }

    static QWidget* Window(const char* title) {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->windowTitle() == title && w->isVisible()) {
                return w;
            }
        }
        return nullptr;
    }

    static QTableWidget* Table() {
        QWidget* window = Window("kadrel depth-of-field table");
        return window ? window->findChild<QTableWidget*>() : nullptr;
    }

    static QPushButton* TableButton(const char* constantName) {
        return Window("kadrel depth-of-field table")->findChild<QPushButton*>(constantName);
    }

    static std::string Cell(int row, int column) {
        return Table()->item(row, column)->text().toStdString();
    }
    static std::string RowHead(int row) {
        return Table()->verticalHeaderItem(row)->text().toStdString();
    }

    static std::string DetailsText() { return Widget<QLabel>("DETAILSTEXT")->text().toStdString(); }
};

// Hand-computed with c = 0.006 mm: 50 mm f/8 at 3 m, H′ = 52.0833 m,
// 2.839 – 3.180 m; f/22: H = 18.99 m, H/2 = 9.49 m.
TEST_F(TablesTest, WindowShowsTheCardsOfThePanelsCameraAndFollowsIt) {
    FullFrame("50", "8", 3);
    QTest::keyClick(Widget("FOCAL"), Qt::Key_T, Qt::ControlModifier);
    ASSERT_NE(Table(), nullptr);
    ASSERT_EQ(Table()->columnCount(), 9);
    ASSERT_EQ(Table()->rowCount(), 14);
    EXPECT_EQ(Table()->horizontalHeaderItem(5)->text().toStdString(), "f/8");
    EXPECT_EQ(RowHead(5), "3.00 m");
    EXPECT_EQ(Cell(5, 5), "2.84 m \u2013 3.18 m");
    EXPECT_EQ(Cell(5, 8), "2.60 m \u2013 3.55 m");
    EXPECT_EQ(Cell(11, 0), "27.26 m \u2013 33.36 m");
    EXPECT_EQ(RowHead(12), "H");
    EXPECT_EQ(Cell(12, 8), "18.99 m");
    EXPECT_EQ(RowHead(13), "H/2");
    EXPECT_EQ(Cell(13, 8), "9.49 m");
    const QString header =
        Window("kadrel depth-of-field table")->findChildren<QLabel*>().front()->text();
    EXPECT_TRUE(header.contains("Camera: Full frame, 36 \u00d7 24 mm, 6000 \u00d7 4000 pixels"))
        << header.toStdString();
    EXPECT_TRUE(header.contains("Circle of confusion: CoC 0.0060 mm = 1 px"))
        << header.toStdString();
    EXPECT_TRUE(header.contains("Distances from the lens")) << header.toStdString();

    // A change of preferences remakes it as the dialog leaves it: H at f/22,
    // 18.9894 m, is 747.6 inches.
    preferences.units = Units::Imperial;
    Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);
    EXPECT_EQ(Cell(Table()->rowCount() - 2, 8), "62\u2032 4\u2033");
    preferences.units = Units::Metric;
    Redraw(panelHandle, 0, EVENT_COMMIT, nullptr, 0, 0);

    // A new focal length on the panel remakes the card.
    TypeInto("FOCAL", "24");
    EXPECT_TRUE(Window("kadrel depth-of-field table")
                    ->findChildren<QLabel*>()
                    .front()
                    ->text()
                    .startsWith("Depth of field, 24 mm"));

    // A typed list of focal lengths, one block of rows each; a list that is
    // none is refused with a message and changes nothing.
    OnNextPopup([] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return false;
        }
        dialog->setTextValue("50, 24,35");
        dialog->accept();
        return true;
    });
    TableButton("FOCALS")->click();
    EXPECT_EQ(tableChoice.focals, (std::vector<double>{24, 35, 50}));
    EXPECT_EQ(Table()->rowCount(), 42);
    EXPECT_EQ(RowHead(19), "35 mm, 3.00 m");
    PopupAnswerer answerer;
    OnNextPopup([] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return false;
        }
        dialog->setTextValue("35, 3 furlongs");
        dialog->accept();
        return true;
    });
    TableButton("FOCALS")->click();
    EXPECT_EQ(answerer.said,
              std::vector<std::string>{"kadrel|Not a list the table can take:\n35, 3 furlongs"});
    EXPECT_EQ(tableChoice.focals, (std::vector<double>{24, 35, 50}));

    // Escape hides it; the context menu brings it back.
    QWidget* window = Window("kadrel depth-of-field table");
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(Table(), Qt::Key_Escape);
    EXPECT_EQ(Table(), nullptr);
    ChooseInContextMenu({"Depth-of-field table"});
    EXPECT_NE(Table(), nullptr);
}

// The factory camera (circle 22.5/3504 mm) with 24 mm at f/3.5 focused at
// 2 m: H′ = 25.6293 m, near 1.857 m, far 2.167 m, H = 25.653 m. Exported
// from the window, which then names the file.
TEST_F(TablesTest, CsvOfThePanelsCameraByteForByte) {
    tableChoice = {{24}, {3.5}, {2}};
    const std::string path = programDir.filePath("cards.csv").toStdString();
    OpenTableWindow();
    AnswerNextFileDialog(QString::fromStdString(path));
    TableButton("EXPORTCSV")->click();
    const QList<QLabel*> lines = Window("kadrel depth-of-field table")->findChildren<QLabel*>();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&path](QLabel* line) {
        return line->text().toStdString() == "Written to " + path;
    }));
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(),
              "camera,focal_mm,coc_mm,aperture,focus_m,near_m,far_m,hyperfocal_m,"
              "hyperfocal_near_m\r\n"
              "\"Factory camera, 22.5 \u00d7 15 mm, 3504 \u00d7 2336 pixels\",24,0.00642123,3.5,"
              "2.000,1.857,2.167,25.653,12.827\r\n");
    EXPECT_NE(ExportTableCsv(programDir.filePath("no/such/folder/cards.csv").toStdString()), "");
}

// 35 mm f/1.4 live against 50 mm f/1.8 pinned, at 3 m, c = 0.006 mm: near
// 2.94/2.96 m, far 3.06/3.04 m, depth 122.0/76.5 mm, H 145.87/231.53 m,
// field 3.05/2.12 m, blur 35²/(1.4 × 2965) and 50²/(1.8 × 2950) mm. The 50 mm
// framing as the 35 mm stands at 4.29 m and needs f/1.40: f/1.4 gives
// 122.0 mm, within 1 % of the 35 mm's, f/1.2 104.6 mm.
TEST_F(TablesTest, PinnedSetupsComparedInTheDetails) {
    FullFrame("50", "1.8", 3);
    ChooseInContextMenu({"Pin this setup"});
    ASSERT_EQ(pins.size(), 1u);
    EXPECT_EQ(pins[0].name, "50 f/1.8");
    TypeInto("FOCAL", "35");
    TypeInto("APERTURE", "1.4");
    const std::string comparison =
        "Setups compared, exact thin-lens figures:\n"
        "                Live              50 f/1.8\n"
        "Setup           35 mm f/1.4       50 mm f/1.8\n"
        "Focused at      3.00 m            3.00 m\n"
        "Near limit      2.94 m            2.96 m\n"
        "Far limit       3.06 m            3.04 m\n"
        "Depth of field  122.0 mm          76.5 mm\n"
        "Hyperfocal      145.9 m           231.5 m\n"
        "Field width     3.05 m            2.12 m\n"
        "Background blur 0.30 mm           0.47 mm\n"
        "Match depth                       f/1.4 needed\n"
        "  framed at                       4.29 m\n"
        "  stop below                      f/1.2: 104.6 mm\n"
        "  stop above                      f/1.4: 122.0 mm\n";
    const std::string details = DetailsText();
    ASSERT_GE(details.size(), comparison.size());
    EXPECT_EQ(details.substr(details.size() - comparison.size()), comparison);
    // The comparison, then the side view with a row for each of three pins: 490 + 104 + 54 + 8.
    EXPECT_EQ(Window("kadrel details")->size(), QSize(760, 656));

    // Renamed through the menu; three pins at most.
    AnswerNextTextPrompt("Portrait lens");
    ChooseInContextMenu({"Pinned setups", "Rename"});
    // Kept in the bag across runs, to the last digit.
    const Pin kept = pins[0];
    pins.clear();
    InitPanel();
    ASSERT_EQ(pins.size(), 1u);
    EXPECT_EQ(pins[0].name, "Portrait lens");
    const ShotSetup& s = pins[0].setup;
    EXPECT_EQ(std::vector<double>(
                  {s.sensorWidth, s.lens.focal, s.lens.aperture, s.lens.circle, s.distance}),
              std::vector<double>(
                  {Metres(36), Metres(50), kept.setup.lens.aperture, kept.setup.lens.circle, 3}));
    FullFrame("35", "1.4", 3);
    EXPECT_NE(DetailsText().find("Live              Portrait lens"), std::string::npos);
    ChooseInContextMenu({"Pin this setup"});
    ChooseInContextMenu({"Pin this setup"});
    bool enabled = true;
    ChooseInContextMenu({"Pin this setup"}, &enabled);
    EXPECT_FALSE(enabled);
    EXPECT_EQ(pins.size(), 3u);
    ChooseInContextMenu({"Pinned setups", "Remove \u201cPortrait lens"});
    ASSERT_EQ(pins.size(), 2u);
    EXPECT_EQ(pins[0].name, "35 f/1.4");
    pins.clear();
    PlaceCursor(3);
    EXPECT_EQ(DetailsText().find("Match depth"), std::string::npos);
}

// The Alt keys a window's buttons and captions offer.
QStringList Mnemonics(QWidget* window) {
    QStringList keys;
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        keys << QKeySequence::mnemonic(button->text()).toString();
    }
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        keys << (label->buddy() ? QKeySequence::mnemonic(label->text()).toString() : QString());
    }
    keys.removeAll(QString());
    return keys;
}

// The Alt keys of the dialog that open() shows, which is then left.
QStringList ModalMnemonics(const std::function<void()>& open) {
    QStringList keys;
    bool shown = false;
    OnNextPopup([&keys, &shown] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            return false;
        }
        keys = Mnemonics(dialog);
        shown = true;
        QMetaObject::invokeMethod(dialog, "reject");
        return true;
    });
    open();
    EXPECT_TRUE(shown);
    return keys;
}

// No Alt key is offered twice in one window, as Alt+C was by "Export CSV"
// and "Close": a key that only moves the focus presses nothing.
TEST_F(TablesTest, EachWindowsMnemonicsAreUnique) {
    const struct {
        const char* window;
        bool hasKeys;  // pop-ups with only OK and Cancel have none
        std::function<QStringList()> mnemonics;
    } windows[] = {
        {"panel", true, [] { return Mnemonics(Widget("XMM")->window()); }},
        {"details", true,
         [] {
             OpenDetails();
             return Mnemonics(Window("kadrel details"));
         }},
        {"plan", true,
         [] {
             OpenPlan();
             return Mnemonics(Window("kadrel plan"));
         }},
        {"table", true,
         [] {
             OpenTableWindow();
             return Mnemonics(Window("kadrel depth-of-field table"));
         }},
        {"preferences", true, [] { return ModalMnemonics(OpenPreferences); }},
        {"subject distance", true, [] { return ModalMnemonics(AskSubjectDistance); }},
        {"table's list", false,
         [] { return ModalMnemonics([] { TableButton("APERTURES")->click(); }); }},
        {"help", false,
         [] {
             return ModalMnemonics(
                 [] { HelpCallback(panelHandle, PANEL_HELPBUTTON, EVENT_COMMIT, nullptr, 0, 0); });
         }},
        {"photo summary", false,
         [] { return ModalMnemonics([] { LoadPhoto("/nonexistent/photo.jpg"); }); }},
    };
    for (const auto& row : windows) {
        const QStringList keys = row.mnemonics();
        QStringList unique = keys;
        unique.removeDuplicates();
        EXPECT_EQ(unique.join(" ").toStdString(), keys.join(" ").toStdString()) << row.window;
        EXPECT_EQ(keys.isEmpty(), !row.hasKeys) << row.window;
    }
}

// Tab and Shift+Tab leave the table for the buttons, and reach every one of
// them; the arrows move among the cells.
TEST_F(TablesTest, TabLeavesTheTableAndReachesEveryButton) {
    OpenTableWindow();
    QWidget* window = Window("kadrel depth-of-field table");
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    Table()->setFocus();
    Table()->setCurrentCell(0, 0);
    QTest::keyClick(Table(), Qt::Key_Right);
    EXPECT_EQ(Table()->currentColumn(), 1);
    std::set<QWidget*> reached;
    for (int i = 0; i < 20 && reached.count(Table()) == 0; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        EXPECT_EQ(reached.count(button), 1u) << button->text().toStdString();
    }
    QTest::keyClick(Table(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_NE(QApplication::focusWidget(), Table());
}

// The side view draws what the details write, from the same figures: the live
// zone from 2.6879 to 3.3941 m (H 25.6533 m), 50 mm f/1.8 from 2.9596 to
// 3.0415 m, and 24 mm f/8 hatched, its 10.7 µm Airy disc wider than the
// 6.42 µm circle. Copy picture, its button or its context menu, puts the chart and its description
// on the clipboard; with KADREL_SHOTS set, the window is saved there as a PNG.
TEST_F(TablesTest, SideViewDrawsWhatTheDetailsSay) {
    const double coc = 22.5 / 3504;
    pins = {{"50 f/1.8", Shot(22.5, 50, 1.8, coc, 3.0)}, {"24 f/8", Shot(22.5, 24, 8, coc, 3.0)}};
    OpenDetails();
    PlaceCursor(3.0);
    const std::string text = DetailsText();
    EXPECT_NE(text.find("Near limit      2.69 m\nFar limit       3.39 m"), std::string::npos);
    const auto* view = Widget<ui::BandChartWidget>("SIDE_VIEW");
    const BandChart& chart = view->chart();
    ASSERT_EQ(chart.bands.size(), 3u);
    EXPECT_EQ(chart.bands[0].tip, "Live: focused at 3.00 m, Near limit 2.69 m, Far limit 3.39 m");
    EXPECT_NEAR(chart.bands[0].from, 2.6879 / (2.6879 + 25.6533), 1e-4);
    EXPECT_NEAR(chart.bands[1].to, 3.0415 / (3.0415 + 25.6533), 1e-4);
    EXPECT_EQ(chart.bands[1].style, VAL_BAND_SOLID);
    EXPECT_EQ(chart.bands[2].style, VAL_BAND_HATCHED);
    std::vector<std::string> marks;
    for (const ChartMark& mark : chart.marks) {
        marks.push_back(mark.label);
    }
    EXPECT_EQ(marks, (std::vector<std::string>{"Camera", "Near", "Subject", "Far", "H/2", "H"}));

    QClipboard* clipboard = QGuiApplication::clipboard();
    for (const bool byMenu : {false, true}) {
        clipboard->clear();
        if (byMenu) {
            ChooseInContextMenu({"Copy picture"}, nullptr, "SIDE_VIEW");
            QTRY_VERIFY(!clipboard->image().isNull());
        } else {
            view->window()->findChild<QPushButton*>("COPYPICTURE")->click();
        }
        EXPECT_EQ(clipboard->image().size(), view->size() * view->devicePixelRatio()) << byMenu;
        EXPECT_EQ(clipboard->text(), view->accessibleDescription());
        EXPECT_TRUE(clipboard->text().contains("Live: focused at 3.00 m, Near limit 2.69 m"));
    }
    if (const char* shots = std::getenv("KADREL_SHOTS")) {
        view->window()->grab().save(QString(shots) + "/side-view.png");
    }
}

}  // namespace
