// SPDX-License-Identifier: MIT
// The Plan window through the real panel: its zone starts as the sharp zone
// at the cursor, takes typed distances, follows the panel, and quits as the
// panel does.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "popup_driver.h"
#include "program/kadrel.h"
#include "program/kadrel_uir.h"
#include "services/camera/tables.h"
#include "shot_setup.h"
#include "widgets/bands/band_chart_widget.h"
#include "widgets/bands/chart_labels.h"
#include "widgets/text/text_message.h"
#include "windows/details/details.h"
#include "windows/frame/side_window.h"
#include "windows/preferences/preferences_dialog.h"

namespace {

class PlanTest : public ExtrasAppTest {
  public:
    void TearDown() override {
        CloseSideWindows();
        ExtrasAppTest::TearDown();
    }

    static std::string Line(const char* name) {
        return Widget<QLineEdit>(name)->text().toStdString();
    }

    static void TypeLine(const char* name, const char* text) {
        auto* line = Widget<QLineEdit>(name);
        ASSERT_NE(line, nullptr) << name;
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
    }

    static std::string Plan() { return Widget<QLabel>("PLANTEXT")->text().toStdString(); }

    static void OpenByKey() {
        Show();
        QTest::keyClick(Widget("XMM")->window(), Qt::Key_L, Qt::ControlModifier);
        ASSERT_NE(Widget("NEAR"), nullptr) << "Ctrl+L opened no plan window";
        QApplication::setActiveWindow(Widget("NEAR")->window());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Widget("NEAR")->window()));
    }
};

// 24 mm at f/3.5 with the one-pixel circle, focused at 10 m: H′ = 25.629 m,
// near = H′s/(H′ + s − f) = 7.198 m, far = H′s/(H′ − s + f) = 16.373 m.
TEST_F(PlanTest, OpensOnTheSharpZoneAtTheCursor) {
    PlaceCursor(10);
    OpenByKey();
    EXPECT_EQ(Line("NEAR"), "7.20 m");
    EXPECT_EQ(Line("FAR"), "16.37 m");
    EXPECT_EQ(Line("BLURAT"), "16.37 m");
    EXPECT_NE(Plan().find("zone 7.20 m to 16.37 m, overlap 10 %\n"), std::string::npos) << Plan();
}

// From 1 m to infinity with shots just touching: 13 shots at f/3.5, 6 at
// f/8, 5 at f/11 (counted in python from the thin-lens limits); a typed
// aperture on the panel reaches the plan at once.
TEST_F(PlanTest, TypedZoneFollowsThePanelsAperture) {
    OpenByKey();
    TypeLine("NEAR", "1 m");
    TypeLine("FAR", "inf");
    auto* overlap = Widget<QAbstractSpinBox>("OVERLAP");
    overlap->setFocus();
    overlap->findChild<QLineEdit*>()->selectAll();
    QTest::keyClicks(overlap, "0");
    QTest::keyClick(overlap, Qt::Key_Return);
    EXPECT_NE(Plan().find("Focus stack, near to far: 13 shots"), std::string::npos) << Plan();
    for (const auto& [aperture, count] : {std::pair{"8", "6"}, std::pair{"11", "5"}}) {
        TypeInto("APERTURE", aperture);
        const std::string expected = std::string("Hyperfocal bracketing, from infinity: ") + count;
        EXPECT_NE(Plan().find(expected), std::string::npos) << aperture << ":\n" << Plan();
    }
    TypeLine("NEAR", "abc");
    EXPECT_EQ(Plan(), "Near end: \"abc\" is not a distance.");
    TypeLine("NEAR", "2");
    TypeLine("FAR", "1");
    EXPECT_NE(Plan().find("This zone cannot be planned: the near end must be closer than the far "
                          "end."),
              std::string::npos);
}

// 24 mm focused on 100 mm is 1:3.17 (m = 24/76): on a rail at f/3.5 with the
// one-pixel circle, N(1 + m) = f/4.61 and 2Nc(1 + m)/m² = 0.59 mm; a lens of
// pupil magnification 0.5 typed here, N(1 + 2m) = f/5.71, 0.74 mm, and the
// details window's field shows it too.
TEST_F(PlanTest, CloseUpZoneGetsARailAndThePupilBelongsToTheLens) {
    OpenByKey();
    TypeLine("NEAR", "100 mm");
    TypeLine("FAR", "110 mm");
    EXPECT_NE(Plan().find("Rail stack      magnification 1:3.2, the subject 100.0 mm from the "
                          "entrance pupil\nEffective       f/4.61\nDepth           0.6 mm"),
              std::string::npos)
        << Plan();
    TypeInto("PUPIL", "0.5");
    EXPECT_EQ(settings.pupil, 0.5f);
    EXPECT_NE(Plan().find("Effective       f/5.71 (pupil magnification 0.50)\n"
                          "Depth           0.7 mm"),
              std::string::npos)
        << Plan();
    OpenDetails();
    int fields = 0;
    for (QWidget* w : QApplication::allWidgets()) {
        if (w->objectName() == "PUPIL" && w->window()->isVisible()) {
            EXPECT_EQ(qobject_cast<QAbstractSpinBox*>(w)->text(), "0.50");
            ++fields;
        }
    }
    EXPECT_EQ(fields, 2);
}

// A logout with the plan window in front ends kadrel and saves, as the
// panel's close box does; Escape there only closes the window.
TEST_F(PlanTest, QuitSignalEndsKadrelWithThePlanInFront) {
    TypeInto("FOCAL", "85");
    OpenByKey();
    QTest::keyClick(Widget("NEAR")->window(), Qt::Key_Escape);
    EXPECT_EQ(Widget("NEAR"), nullptr);
    EXPECT_EQ(ReadIni(), "");
    OpenByKey();
    QTimer::singleShot(0, [] { raise(SIGTERM); });
    EXPECT_EQ(RunUserInterface(), 0);
    EXPECT_NE(ReadIni().find("FOCAL = 85.0\n"), std::string::npos) << ReadIni();
}

// Pastes text into a field and confirms it: a plan field, or the circle of
// confusion in the preferences, whose refusal is then read and the dialog
// left. What was said, and how wide its window was.
std::pair<std::string, int> Paste(const char* field, const QString& text) {
    if (std::string(field) != "COC") {
        auto* line = AppTest::Widget<QLineEdit>(field);
        line->selectAll();
        line->insert(text);
        QTest::keyClick(line, Qt::Key_Return);
        return {AppTest::Widget<QLabel>("PLANTEXT")->text().toStdString(), line->window()->width()};
    }
    std::pair<std::string, int> said;
    OnNextPopup([&] {
        QWidget* form = QApplication::activeModalWidget();
        auto* coc = form ? form->findChild<QComboBox*>("COC") : nullptr;
        if (coc == nullptr) {
            return false;
        }
        coc->lineEdit()->selectAll();
        coc->lineEdit()->insert(text);
        QTest::keyClick(coc, Qt::Key_Return);
        said = {form->findChild<QLabel*>("FORM_PROBLEM")->text().toStdString(), form->width()};
        QTest::keyClick(coc, Qt::Key_Escape);
        return true;
    });
    OpenPreferences();
    return said;
}

// Whatever length is pasted, a field keeps 500 characters, the message
// quotes 40 of them, a distance past 1000 km is refused, and the window keeps
// its width.
TEST_F(PlanTest, LongInputIsQuotedShortAndKeepsTheWindowsSize) {
    OpenByKey();
    const int planWidth = Widget("NEAR")->window()->width();
    const QString x40(40, 'x');
    const std::string ellipsis = "\u2026";
    const std::string digits = "1" + std::string(39, '0');
    const struct {
        const char* field;
        QString pasted;
        std::string said;
    } rows[] = {
        {"COC", QString(5000, 'x'),
         "\"" + x40.toStdString() + ellipsis +
             "\" is not a circle of confusion. Write, for example, 1 px, d/1500, 0.030 mm or "
             "print 297 mm at 500 mm."},
        {"NEAR", QString(5000, 'x'),
         "Near end: \"" + x40.toStdString() + ellipsis + "\" is not a distance."},
        {"NEAR", QString(50, QChar(0xE9)),  // cut between characters, not inside one
         "Near end: \"" + QString(40, QChar(0xE9)).toStdString() + ellipsis +
             "\" is not a distance."},
        {"FAR", "1" + QString(300, '0'),
         "Far end: \"" + digits + ellipsis + "\" is farther than 1000 km (\u221e allowed)."},
        {"BLURAT", "1000001 m",
         "Blur of a point at: \"1000001 m\" is farther than 1000 km (\u221e allowed)."},
    };
    for (const auto& row : rows) {
        const auto [said, width] = Paste(row.field, row.pasted);
        EXPECT_EQ(said, row.said) << row.field;
        EXPECT_LT(width, 1000) << row.field;
        if (std::string(row.field) != "COC") {
            EXPECT_EQ(width, planWidth) << row.field;
            EXPECT_EQ(Widget<QLineEdit>(row.field)->text().size(),
                      std::min<qsizetype>(row.pasted.size(), 500));
            TypeLine(row.field, "2 m");
        }
    }
}

// The picture draws the listing's own shots: 24 mm f/8 from 1 m to ∞, seven
// shots each way, the wanted zone on top, neighbours in alternate rows, the
// last stack shot and the first bracketing shot reaching ∞ at the edge.
// With KADREL_SHOTS set, the window is saved there as a PNG.
TEST_F(PlanTest, PictureDrawsTheListedShots) {
    OpenByKey();
    TypeInto("APERTURE", "8");
    TypeLine("NEAR", "1 m");
    TypeLine("FAR", "inf");
    const BandChart& chart = Widget<ui::BandChartWidget>("PLAN_PICTURE")->chart();
    ASSERT_EQ(chart.bands.size(), 15u);
    EXPECT_EQ(chart.bands[0].tip, "Wanted zone from 1.00 m to \u221e");
    const ChartBand& second = chart.bands[2];
    EXPECT_EQ(second.tip, "Focus stack, shot 2: focused at 1.33 m, sharp from 1.19 m to 1.50 m");
    EXPECT_NE(Plan().find("    2 1.33 m      1.35 m      1.19 m      1.50 m"), std::string::npos);
    EXPECT_EQ(std::vector<int>({chart.bands[1].row, second.row, chart.bands[8].row}),
              std::vector<int>({1, 2, 3}));
    EXPECT_EQ(chart.bands[7].to, 1);
    EXPECT_EQ(chart.bands[8].to, 1);
    ASSERT_EQ(chart.marks.size(), 14u);
    for (const ChartMark& mark : chart.marks) {
        EXPECT_EQ(chart.bands.at(static_cast<std::size_t>(mark.band)).tip, mark.tip);
    }
    if (const char* shots = std::getenv("KADREL_SHOTS")) {
        Widget("PLANTEXT")->window()->grab().save(QString(shots) + "/plan.png");
    }
}

// 24 mm f/8 from 1 m to ∞ lists its stack on lines 4 to 10 and its
// bracketing on 14 to 20; band 0 is the wanted zone, then the stack's shots,
// then the bracketing's. A row chosen by a click or Down outlines its band and
// reaches its mark; a mark reached by the keys selects its row, whole.
TEST_F(PlanTest, ListingRowsAndPictureBandsChooseEachOther) {
    OpenByKey();
    TypeInto("APERTURE", "8");
    TypeLine("NEAR", "1 m");
    TypeLine("FAR", "inf");
    auto* listing = Widget<ui::TextMessage>("PLANTEXT");
    auto* picture = Widget<ui::BandChartWidget>("PLAN_PICTURE");
    const auto highlighted = [&] {
        std::vector<int> bands;
        for (std::size_t i = 0; i < picture->chart().bands.size(); ++i) {
            if (picture->chart().bands[i].highlighted != 0) {
                bands.push_back(static_cast<int>(i));
            }
        }
        return bands;
    };
    const auto reachedBand = [&] {
        const int mark = picture->currentMark();
        return mark < 0 ? -1 : picture->chart().marks[static_cast<std::size_t>(mark)].band;
    };
    const struct {
        QWidget* target;
        int line;  // clicked; -1: a key
        Qt::Key key;
        int selected;
        int band;
    } steps[] = {
        {listing, 5, {}, 5, 2},
        {listing, -1, Qt::Key_Down, 6, 3},
        {listing, 14, {}, 14, 8},
        {listing, 0, {}, 0, -1},
        {picture, -1, Qt::Key_Home, 20, 14},
        {picture, -1, Qt::Key_End, 10, 7},
        {picture, -1, Qt::Key_Left, 14, 8},
    };
    for (const auto& step : steps) {
        step.target->setFocus();
        if (step.line >= 0) {
            QTest::mouseClick(step.target, Qt::LeftButton, {},
                              listing->lineRects()[step.line].center());
        } else {
            QTest::keyClick(step.target, step.key);
        }
        EXPECT_EQ(listing->selectedLine(), step.selected) << step.line << " " << step.key;
        EXPECT_EQ(highlighted(), step.band < 0 ? std::vector<int>{} : std::vector<int>{step.band})
            << step.line << " " << step.key;
        EXPECT_EQ(reachedBand(), step.band) << step.line << " " << step.key;
    }
    EXPECT_EQ(listing->selectedText().toStdString(),
              "    1 11.24 m     11.26 m     5.62 m      \u221e           \u221e");
    TypeLine("BLURAT", "3 m");  // the plan made again keeps the shot and its row
    EXPECT_EQ(listing->selectedLine(), 14);
    EXPECT_EQ(reachedBand(), 8);
}

// Every label drawn lies inside the frame, clear of the other labels and of
// every band, in both pictures, from 10 mm f/1 with d max 1 m to 2000 mm at
// the panel's last stop with d max as far as the Moon (coerced to the
// panel's farthest).
TEST_F(PlanTest, LabelsStayInsideAndClearOfEachOtherAndTheBands) {
    const double coc = 22.5 / 3504;
    pins = {{"A pin with a long name", Shot(22.5, 50, 1.8, coc, 3.0)},
            {"24 f/8", Shot(22.5, 24, 8, coc, 3.0)}};
    const struct {
        const char *focal, *aperture, *dmax;
        double cursor;
        const char *nearEnd, *farEnd;
    } setups[] = {
        {"24", "8", "20", 3, "1 m", "inf"},
        {"10", "1", "1", 0.5, "0.2 m", "1 m"},
        {"24", "1", "20", 10, "1 m", "inf"},
        {"2000", "50", "384400000", 1e5, "100 m", "inf"},
    };
    OpenByKey();
    OpenDetails();
    for (const auto& setup : setups) {
        TypeInto("FOCAL", setup.focal);
        TypeInto("APERTURE", setup.aperture);
        TypeInto("DMAX", setup.dmax);
        PlaceCursor(setup.cursor);
        TypeLine("NEAR", setup.nearEnd);
        TypeLine("FAR", setup.farEnd);
        for (const char* name : {"PLAN_PICTURE", "SIDE_VIEW"}) {
            const auto* view = Widget<ui::BandChartWidget>(name);
            const BandChart& chart = view->chart();
            const ui::ChartLayout layout(view->rect(), view->fontMetrics(), chart);
            QFont bold = view->font();
            bold.setBold(true);
            const ui::ChartLabels labels =
                ui::LayOutLabels(layout, view->fontMetrics(), QFontMetrics(bold), chart);
            std::vector<QRect> boxes;
            for (const auto* kind : {&labels.marks, &labels.ticks, &labels.bands}) {
                std::copy_if(kind->begin(), kind->end(), std::back_inserter(boxes),
                             [](const QRect& box) { return !box.isEmpty(); });
            }
            EXPECT_GE(boxes.size(), 4u) << setup.focal << " " << name;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                EXPECT_TRUE(layout.inside.contains(boxes[i])) << setup.focal << " " << name << i;
                for (std::size_t j = 0; j < i; ++j) {
                    EXPECT_FALSE(boxes[i].intersects(boxes[j])) << setup.focal << " " << name;
                }
            }
            for (const ChartBand& band : chart.bands) {
                for (const QRect& label : labels.bands) {
                    EXPECT_FALSE(label.intersects(ui::BandBox(band, layout)))
                        << setup.focal << " " << name << " " << band.tip;
                }
            }
        }
    }
    CloseSideWindows();
}

// A dark palette as a desktop's dark theme gives (Fusion's roles).
QPalette DarkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    return dark;
}

// The contrast ratio of two colours, from 1 to 21, as the WCAG define it.
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// In the desktop's light palette and in a dark one, the plan's listing, a
// field's caption, the details' figures and both pictures' texts read on
// their ground at 4.5:1 at least. With KADREL_SHOTS set, the dark windows
// are saved there as PNGs.
TEST_F(PlanTest, WindowsReadInALightOrDarkPalette) {
    const QPalette light = QApplication::palette();
    for (const bool dark : {false, true}) {
        QApplication::setPalette(dark ? DarkPalette() : light);
        OpenByKey();
        OpenDetails();
        QWidget* field = Widget("NEAR");
        QWidget* caption = nullptr;
        for (QLabel* label : field->window()->findChildren<QLabel*>()) {
            caption = label->buddy() == field ? label : caption;
        }
        ASSERT_NE(caption, nullptr);
        const QColor ground = field->window()->palette().color(QPalette::Window);
        for (QWidget* text : {caption, Widget("PLANTEXT"), Widget("PLAN_PICTURE"),
                              AppTest::Widget<QWidget>("SIDE_VIEW")}) {
            const bool chart = qobject_cast<ui::BandChartWidget*>(text) != nullptr;
            const QPalette& colours = text->palette();
            EXPECT_GE(Contrast(colours.color(chart ? QPalette::Text : text->foregroundRole()),
                               chart ? colours.color(QPalette::Base) : ground),
                      4.5)
                << dark << " " << text->objectName().toStdString();
        }
        if (const char* shots = std::getenv("KADREL_SHOTS"); dark && shots != nullptr) {
            Widget("PLANTEXT")->window()->grab().save(QString(shots) + "/plan-dark.png");
            AppTest::Widget<QWidget>("SIDE_VIEW")
                ->window()
                ->grab()
                .save(QString(shots) + "/details-dark.png");
        }
        CloseSideWindows();
    }
    QApplication::setPalette(light);
}

}  // namespace
