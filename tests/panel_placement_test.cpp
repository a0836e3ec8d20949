// SPDX-License-Identifier: MIT
// A window beside another: on the side with room, wholly on the screen, from
// where the other window is now.
#include <QScreen>

#include "model/model.h"
#include "panel_fixture.h"

namespace {

class Placement : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();  // the panel: 400 x 300
        beside = NewPanel(0, "beside", 0, 0, 100, 200);
        ASSERT_GT(beside, 0);
        area = QGuiApplication::primaryScreen()->availableGeometry();
    }
    void TearDown() override {
        DiscardPanel(beside);
        PanelTest::TearDown();
    }
    // The user puts the panel's window here, as a window manager would.
    void MovePanel(int left, int top) { ui::findPanel(panel)->window->move(left, top); }
    QRect Window(int handle) { return ui::findPanel(handle)->window->geometry(); }

    int beside = 0;
    QRect area;
};

TEST_F(Placement, BesideOnTheSideWithRoomAndWhollyOnTheScreen) {
    // Room on the right: there, top edges level.
    MovePanel(area.left() + 10, area.top() + 20);
    int top = 0, left = 0;
    GetPanelAttribute(panel, ATTR_TOP, &top);
    GetPanelAttribute(panel, ATTR_LEFT, &left);
    EXPECT_EQ(QPoint(left, top), QPoint(area.left() + 10, area.top() + 20));
    ASSERT_EQ(PlacePanelBeside(beside, panel, 16), 0);
    EXPECT_EQ(Window(beside), QRect(area.left() + 10 + 400 + 16, area.top() + 20, 200, 100));
    GetPanelAttribute(beside, ATTR_LEFT, &left);
    EXPECT_EQ(left, area.left() + 426);

    // The panel at the screen's right edge and low down: left of it, and
    // raised to keep its bottom on the screen.
    MovePanel(area.right() + 1 - 400, area.bottom() + 1 - 300 + 250);
    ASSERT_EQ(PlacePanelBeside(beside, panel, 16), 0);
    EXPECT_EQ(Window(beside),
              QRect(area.right() + 1 - 400 - 16 - 200, area.bottom() + 1 - 100, 200, 100));

    // No room on either side: over the panel, at the edge of the side with
    // more room, still wholly on the screen.
    SetPanelAttribute(panel, ATTR_WIDTH, area.width() - 100);
    MovePanel(area.left() + 20, area.top());
    ASSERT_EQ(PlacePanelBeside(beside, panel, 16), 0);
    EXPECT_EQ(Window(beside), QRect(area.right() + 1 - 200, area.top(), 200, 100));
    MovePanel(area.left() + 80, area.top());
    ASSERT_EQ(PlacePanelBeside(beside, panel, 16), 0);
    EXPECT_EQ(Window(beside), QRect(area.left(), area.top(), 200, 100));
}

TEST_F(Placement, OnlyWindowsGoBesideWindows) {
    const int child = NewPanel(panel, "inside", 0, 0, 50, 50);
    EXPECT_EQ(PlacePanelBeside(child, panel, 0), UIEBadValue);
    EXPECT_EQ(PlacePanelBeside(beside, child, 0), UIEBadValue);
    EXPECT_EQ(PlacePanelBeside(panel, panel, 0), UIEBadValue);
    EXPECT_EQ(PlacePanelBeside(beside, panel, -1), UIEBadValue);
    EXPECT_EQ(PlacePanelBeside(beside, 9999, 0), UIEBadPanelHandle);
}

}  // namespace
