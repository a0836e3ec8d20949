// SPDX-License-Identifier: MIT
// The band chart control: its keyboard walk, its frame, its picture.
#include <QAccessible>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include "panel_fixture.h"

namespace {

class BandChartTest : public PanelTest {
  protected:
    void SetUp() override {
        PanelTest::SetUp();
        chart = NewCtrl(panel, CTRL_BAND_CHART, "", 10, 10);
        SetCtrlAttribute(panel, chart, ATTR_CONSTANT_NAME, "CHART");
        SetCtrlAttribute(panel, chart, ATTR_WIDTH, 300);
        SetCtrlAttribute(panel, chart, ATTR_HEIGHT, 120);
        SetCtrlAttribute(panel, chart, ATTR_ACCESSIBLE_NAME, "Side view");
        DisplayPanel(panel);
    }
    int chart = 0;
};

TEST_F(BandChartTest, LeftAndRightWalkTheMarksAndNameTheOneReached) {
    BandChart content;
    content.marks = {{0, 0, "Camera", "the lens"},
                     {0.3, 0, "H/2", "half of H"},
                     {0.5, 0, "H", "the hyperfocal distance"}};
    ASSERT_EQ(SetBandChart(panel, chart, content), 0);
    QWidget* w = widget("CHART");
    w->setFocus();
    QAccessibleInterface* seen = QAccessible::queryAccessibleInterface(w);
    EXPECT_EQ(seen->role(), QAccessible::Chart);
    EXPECT_EQ(seen->text(QAccessible::Name), "Side view");
    const struct {
        Qt::Key key;
        const char* name;
    } steps[] = {
        {Qt::Key_Left, "Side view: the lens"},
        {Qt::Key_Right, "Side view: half of H"},
        {Qt::Key_End, "Side view: the hyperfocal distance"},
        {Qt::Key_Right, "Side view: the hyperfocal distance"},
        {Qt::Key_Left, "Side view: half of H"},
        {Qt::Key_Home, "Side view: the lens"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(w, step.key);
        EXPECT_EQ(seen->text(QAccessible::Name), step.name) << step.key;
    }
    // A click on a mark reaches it: H at 0.5 stands at 11 + 0.5 × 277 px.
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(150, 60));
    EXPECT_EQ(seen->text(QAccessible::Name), "Side view: the hyperfocal distance");
    QTest::keyClick(w, Qt::Key_Home);
    content.marks.pop_back();
    SetBandChart(panel, chart, content);  // the lens is still there
    EXPECT_EQ(seen->text(QAccessible::Name), "Side view: the lens");
    const int field = NewCtrl(panel, CTRL_NUMERIC, "f", 200, 10);
    EXPECT_EQ(SetBandChart(panel, field, content), UIEBadControlId);
    EXPECT_EQ(SetCtrlIndex(panel, field, 0), UIEBadControlId);
    EXPECT_EQ(SetCtrlIndex(panel, chart, 2), UIEBadValue);  // two marks left
    int index = 0;
    ASSERT_EQ(SetCtrlIndex(panel, chart, 1), 0);
    ASSERT_EQ(GetCtrlIndex(panel, chart, &index), 0);
    EXPECT_EQ(index, 1);
}

// Positions far outside 0..1, labels wider than the chart and NaN: the frame
// stays as drawn, and the picture saved is the control's.
TEST_F(BandChartTest, NothingCrossesTheFrameAndThePictureIsSaved) {
    const std::string wide(200, 'W');
    BandChart content;
    content.bands = {{-5, 7, 0, 0x3366CC, VAL_BAND_SOLID, wide, "", 1},
                     {0.2, 40, 3, 0xCC6633, VAL_BAND_HATCHED, wide, "", 0},
                     {NAN, 0.5, 1, 0x33CC66, VAL_BAND_FADED, wide, "", 0}};
    content.marks = {{-1, 0xFF0000, wide, ""}, {2, 0xFF0000, wide, ""}};
    content.ticks = {{-3, wide}, {0.5, wide}, {9, wide}};
    ASSERT_EQ(SetBandChart(panel, chart, content), 0);
    int bitmap = 0;
    ASSERT_EQ(GetCtrlDisplayBitmap(panel, chart, 0, &bitmap), 0);
    QTemporaryDir dir;
    const QString path = dir.filePath("chart.png");
    ASSERT_EQ(SaveBitmapToPNGFile(bitmap, path.toUtf8().constData()), 0);
    EXPECT_EQ(SaveBitmapToPNGFile(bitmap, dir.filePath("no/such/folder.png").toUtf8().constData()),
              UIEFileWrite);
    DiscardBitmap(bitmap);
    const QImage image(path);
    ASSERT_EQ(image.size(), QSize(300, 120));
    const QRgb frame = image.pixel(0, 0);
    for (int x = 0; x < image.width(); ++x) {
        ASSERT_EQ(image.pixel(x, 0), frame) << x;
        ASSERT_EQ(image.pixel(x, image.height() - 1), frame) << x;
    }
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_EQ(image.pixel(0, y), frame) << y;
        ASSERT_EQ(image.pixel(image.width() - 1, y), frame) << y;
    }
}

}  // namespace
