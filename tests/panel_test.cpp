// SPDX-License-Identifier: MIT
// The main panel as loaded from kadrel.uir: definition, order, ranges, start.
#include <QFile>
#include <QTemporaryDir>

#include "app_fixture.h"
#include "model/model.h"

namespace {

QByteArray Contents(const QString& path) {
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

TEST_F(AppTest, PanelFileIsWhatTheBuilderMakes) {
    QTemporaryDir dir;
    const int built = BuildPANEL(0);
    ASSERT_GT(built, 0);
    const QString path = dir.filePath("built.uir");
    ASSERT_EQ(SavePanel(built, path.toUtf8().constData(), PANEL), 0);
    DiscardPanel(built);
    EXPECT_EQ(Contents(path), Contents(KADREL_UIR));
}

// Loading lays a panel out once, when all of it is read; building lays it out
// after every attribute. Every widget takes the same place and every field
// shows the same text, in the same font, either way.
TEST_F(AppTest, ALoadedPanelIsLaidOutAsABuiltOne) {
    auto look = [](int panel) {
        QStringList lines;
        for (const QWidget* w : ui::findPanel(panel)->widget->findChildren<QWidget*>()) {
            QString line = QString("%1 %2 %3,%4 %5x%6")
                               .arg(w->metaObject()->className(), w->objectName())
                               .arg(w->x())
                               .arg(w->y())
                               .arg(w->width())
                               .arg(w->height());
            if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
                line += " " + edit->text() + " " + edit->font().toString();
            }
            lines << line;
        }
        return lines;
    };
    const int built = BuildPANEL(0);
    const int loaded = LoadPanel(0, KADREL_UIR, PANEL);
    ASSERT_GT(built, 0);
    ASSERT_GT(loaded, 0);
    const QStringList seen = look(loaded);
    EXPECT_EQ(seen.size(), 30 + 14 + 13);  // controls, captions, the fields' line edits
    EXPECT_EQ(look(built), seen);
    DiscardPanel(built);
    DiscardPanel(loaded);
}

TEST_F(AppTest, TypedValuesTakeTheNearerBound) {
    InitPanel();
    TypeInto("FOCAL", "5");
    EXPECT_EQ(Number(PANEL_FOCAL), 10.0);
    EXPECT_EQ(Widget<QAbstractSpinBox>("FOCAL")->text(), "10.00");
    EXPECT_EQ(settings.focal, 10.0f);  // Redraw worked with the bound
    TypeInto("XMM", "0.5");
    EXPECT_EQ(Number(PANEL_XMM), 1.0);
    TypeInto("XPIX", "99");
    EXPECT_EQ(Number(PANEL_XPIX), 100);
    TypeInto("APERTURE", "80");
    EXPECT_EQ(Number(PANEL_APERTURE), 50.0);
    EXPECT_EQ(settings.aperture, 50.0f);
}

TEST_F(AppTest, TabVisitsTheInputsThenTheButtons) {
    Widget<QAbstractSpinBox>("XMM")->setFocus();
    QStringList visited{"XMM"};
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        while (focus && focus->objectName().isEmpty()) {
            focus = focus->parentWidget();  // the line edit inside a field
        }
        visited << (focus ? focus->objectName() : "?");
    }
    EXPECT_EQ(visited.join(" "),
              "XMM YMM XPIX YPIX FOCAL APERTURE DMAX RESETBUTTON HELPBUTTON COPYBUTTON");
}

TEST_F(AppTest, ResolutionAdjustment) {
    struct Case {
        int percent, monitorWidth, monitorHeight;
        int height, width, top, left;
    } const cases[] = {
        {0, 1280, 1024, 558, 672, 21, 5},   {-1, 1280, 1024, 558, 672, 21, 5},
        {100, 1600, 1166, 558, 672, 21, 5}, {100, 1280, 1024, 490, 537, 18, 4},
        {50, 1280, 1024, 524, 604, 19, 4},  {100, 1920, 1080, 516, 806, 19, 6},
    };
    for (const Case& c : cases) {
        SetSystemAttribute(ATTR_RESOLUTION_ADJUSTMENT, c.percent);
        SetMonitorAttribute(1, ATTR_WIDTH, c.monitorWidth);
        SetMonitorAttribute(1, ATTR_HEIGHT, c.monitorHeight);
        const int panel = BuildPANEL(0);
        ASSERT_GT(panel, 0);
        int height, width, top, left, scaling;
        GetPanelAttribute(panel, ATTR_HEIGHT, &height);
        GetPanelAttribute(panel, ATTR_WIDTH, &width);
        GetPanelAttribute(panel, ATTR_TOP, &top);
        GetPanelAttribute(panel, ATTR_LEFT, &left);
        GetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, &scaling);
        EXPECT_EQ(height, c.height) << c.percent << " " << c.monitorWidth;
        EXPECT_EQ(width, c.width) << c.percent << " " << c.monitorWidth;
        EXPECT_EQ(top, c.top) << c.percent << " " << c.monitorWidth;
        EXPECT_EQ(left, c.left) << c.percent << " " << c.monitorWidth;
        EXPECT_EQ(scaling, 0);
        DiscardPanel(panel);
    }
    SetSystemAttribute(ATTR_RESOLUTION_ADJUSTMENT, 0);
    SetMonitorAttribute(1, ATTR_WIDTH, 0);
    SetMonitorAttribute(1, ATTR_HEIGHT, 0);
}

// The test's program directory holds no kadrel.uir.
TEST_F(AppTest, MissingPanelFileEndsWithMinusOneAndNoWindow) {
    const int windowsBefore = QApplication::topLevelWidgets().size();
    const int saved = panelHandle;
    char program[] = "kadrel";
    char* argv[] = {program, nullptr};
    EXPECT_EQ(KadrelMain(1, argv), -1);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    panelHandle = saved;
}

}  // namespace
