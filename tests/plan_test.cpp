// SPDX-License-Identifier: MIT
// The Plan window through the real panel: its zone starts as the sharp zone
// at the cursor, takes typed distances, follows the panel, and quits as the
// panel does.
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <string>

#include "app/extras.h"
#include "app/kadrel_uir.h"
#include "app_fixture.h"

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
    CloseDetails();
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

}  // namespace
