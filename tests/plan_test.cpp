// SPDX-License-Identifier: MIT
// The Plan window through the real panel: its zone starts as the sharp zone
// at the cursor, takes typed distances, follows the panel, and quits as the
// panel does.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/extras.h"
#include "app/kadrel_uir.h"
#include "app_fixture.h"
#include "widgets/bands/band_chart_widget.h"

namespace {

class PlanTest : public ExtrasAppTest {
  public:
    void TearDown() override {
        ClosePlan();
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
        int bitmap = 0;
        GetPanelDisplayBitmap(planHandle, 0, MakeRect(0, 0, -1, -1), &bitmap);
        SaveBitmapToPNGFile(bitmap, (std::string(shots) + "/plan.png").c_str());
        DiscardBitmap(bitmap);
    }
}

}  // namespace
