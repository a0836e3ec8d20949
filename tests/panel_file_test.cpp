// SPDX-License-Identifier: MIT
// Panel files: write, read back, and refuse damaged files without a trace.
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <cstdio>

#include "model/model.h"
#include "panel_fixture.h"
#include "widgets/picture_widget.h"

namespace {

const char kSvg[] =
    R"(<svg xmlns="http://www.w3.org/2000/svg" width="8" height="6"><rect width="8" height="6" fill="red"/></svg>)";

int Callback(int, int, int, void*, int, int) {
    return 0;
}

class PanelFileTest : public PanelTest {
  protected:
    static void SetUpTestSuite() {
        static const CallbackName names[] = {{"Callback", Callback}};
        RegisterCallbacks(names, 1);
    }
    void SetUp() override {
        PanelTest::SetUp();
        ASSERT_TRUE(dir.isValid());
    }
    std::string path(const char* name) { return dir.filePath(name).toStdString(); }
    std::string write(const char* name, const QByteArray& text) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(text);
        return path(name);
    }
    QByteArray read(const std::string& file) {
        QFile f(QString::fromStdString(file));
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }
    // One control of every kind, with the attributes a builder sets.
    void fill() {
        SetPanelAttribute(panel, ATTR_BACKCOLOR, 0xF0F0F0);
        const int n = NewCtrl(panel, CTRL_NUMERIC, "X size (mm)", 5, 80);
        SetCtrlAttribute(panel, n, ATTR_DATA_TYPE, VAL_FLOAT);
        SetCtrlAttribute(panel, n, ATTR_MIN_VALUE, 1.0);
        SetCtrlAttribute(panel, n, ATTR_MAX_VALUE, _GetDoubleInf());
        SetCtrlAttribute(panel, n, ATTR_DFLT_VALUE, 22.5);
        SetCtrlAttribute(panel, n, ATTR_CALLBACK_FUNCTION_POINTER, Callback);
        DefaultCtrl(panel, n);
        const int b = NewCtrl(panel, CTRL_COMMAND_BUTTON, "__OK", 40, 10);
        SetPanelAttribute(panel, ATTR_CLOSE_CTRL, b);
        NewCtrl(panel, CTRL_BOX, "", 60, 10);
        const int t = NewCtrl(panel, CTRL_TEXT_MSG, "two\nlines", 80, 10);
        SetCtrlAttribute(panel, t, ATTR_TEXT_FONT, VAL_MONO_META_FONT);
        const int g = NewCtrl(panel, CTRL_GRAPH, "graph", 100, 10);
        SetCtrlAttribute(panel, g, ATTR_NUM_CURSORS, 1);
        SetAxisScalingMode(panel, g, VAL_XAXIS, VAL_MANUAL, 0.0, 100.0);
        SetAxisScalingMode(panel, g, VAL_LEFT_YAXIS, VAL_AUTOSCALE, 0.0, 100.0);
        SetGraphCursor(panel, g, 1, 50.0, 50.118203);
        const int p = NewCtrl(panel, CTRL_PICTURE, "", 200, 10);
        int bitmap = 0;
        ASSERT_EQ(GetUserBitmapFromText(kSvg, VAL_SVG_IMAGE_TEXT, &bitmap), 0);
        SetCtrlBitmap(panel, p, 0, bitmap);
        DiscardBitmap(bitmap);
        const int s = NewCtrl(panel, CTRL_STRING, "Near end", 260, 10);
        SetCtrlVal(panel, s, "0.40 m \u2192 \u221e");
        SetCtrlAttribute(panel, s, ATTR_CTRL_MODE, VAL_INDICATOR);
        SetCtrlAttribute(panel, 2, ATTR_ZPLANE_POSITION, 0);
        SetCtrlAttribute(panel, 4, ATTR_CTRL_TAB_POSITION, 0);
    }

    QTemporaryDir dir;
};

TEST_F(PanelFileTest, WriteReadWriteIsTheSameFile) {
    fill();
    ASSERT_EQ(SavePanel(panel, path("a.uir").c_str(), 1), 0);
    const int loaded = LoadPanel(0, path("a.uir").c_str(), 1);
    ASSERT_GT(loaded, 0);
    ASSERT_EQ(SavePanel(loaded, path("b.uir").c_str(), 1), 0);
    EXPECT_EQ(read(path("a.uir")), read(path("b.uir")));
    float v = 0;
    GetCtrlVal(loaded, 2, &v);
    EXPECT_EQ(v, 22.5f);
    double x, y;
    GetGraphCursor(loaded, 6, 1, &x, &y);
    EXPECT_EQ(x, 50.0);
    EXPECT_EQ(y, 50.118203);
    // The picture keeps its SVG text, to be drawn at any density.
    auto* picture = static_cast<ui::PictureWidget*>(ui::findPanel(loaded)->find(7)->widget);
    EXPECT_EQ(picture->svg(), QByteArray(kSvg));
    EXPECT_EQ(picture->image().size(), QSize(8, 6));
    EXPECT_EQ(picture->image().pixel(4, 3), qRgb(255, 0, 0));
    std::string line;
    EXPECT_EQ(GetCtrlVal(loaded, 8, &line), 0);
    EXPECT_EQ(line, "0.40 m \u2192 \u221e");
    DiscardPanel(loaded);
}

TEST_F(PanelFileTest, DamagedFilesAreRefusedAndLeaveNoPanel) {
    fill();
    // A picture that has no SVG source is kept as PNG.
    int raster = 0;
    ASSERT_EQ(GetPanelDisplayBitmap(panel, 0, MakeRect(0, 0, 4, 4), &raster), 0);
    ASSERT_EQ(SetCtrlBitmap(panel, NewCtrl(panel, CTRL_PICTURE, "", 0, 0), 0, raster), 0);
    DiscardBitmap(raster);
    ASSERT_EQ(SavePanel(panel, path("good.uir").c_str(), 1), 0);
    const QByteArray good = read(path("good.uir"));
    const QByteArray png = good.mid(good.indexOf("iVBORw0KGgo")).split('"').front();
    QByteArray zeroWidth = QByteArray::fromBase64(png);
    zeroWidth.replace(16, 4, QByteArray(4, '\0'));
    struct Case {
        const char* name;
        QByteArray text;
        int status;
    } const cases[] = {
        {"truncated", good.left(good.size() / 2), UIEBadPanelFile},
        {"empty", "", UIEBadPanelFile},
        {"not an object", "[1, 2]", UIEBadPanelFile},
        {"other format", QByteArray(good).replace("kadrel-ui-panel", "other"), UIEBadPanelFile},
        {"id as text", QByteArray(good).replace("\"id\": 2", "\"id\": \"2\""), UIEBadPanelFile},
        {"duplicate id", QByteArray(good).replace("\"id\": 3", "\"id\": 2"), UIEBadPanelFile},
        {"missing id", QByteArray(good).replace("\"id\": 4", "\"idx\": 4"), UIEBadPanelFile},
        {"wrong attribute type",
         QByteArray(good).replace("\"DATA_TYPE\": 2", "\"DATA_TYPE\": \"float\""), UIEBadPanelFile},
        {"unknown attribute", QByteArray(good).replace("\"DATA_TYPE\"", "\"DATA_KIND\""),
         UIEBadPanelFile},
        {"unknown kind", QByteArray(good).replace("\"graph\"", "\"dial\""), UIEBadPanelFile},
        {"unknown callback", QByteArray(good).replace("\"Callback\"", "\"Nowhere\""),
         UIEUnknownCallback},
        {"bad order", QByteArray(good).replace("\"closeControl\": 3", "\"closeControl\": 99"),
         UIEBadControlId},
        {"other resource", QByteArray(good).replace("\"resource\": 1", "\"resource\": 2"),
         UIEResourceNotFound},
        {"picture not PNG", QByteArray(good).replace(png, "R0lGODlhAQABAAAAACw="), UIEBadPanelFile},
        {"picture without width", QByteArray(good).replace(png, zeroWidth.toBase64()),
         UIEBadPanelFile},
        {"picture cut short", QByteArray(good).replace(png, png.left(20)), UIEBadPanelFile},
        {"picture not SVG", QByteArray(good).replace("\"<svg ", "\"<html "), UIEBadPanelFile},
        {"picture not text", QByteArray(good).replace("\"svg\": \"", "\"svg\": 1, \"x\": \""),
         UIEBadPanelFile},
    };
    const size_t panels = ui::runtime().panels.size();
    for (const Case& c : cases) {
        EXPECT_EQ(LoadPanel(0, write("broken.uir", c.text).c_str(), 1), c.status) << c.name;
        EXPECT_EQ(ui::runtime().panels.size(), panels) << c.name;
    }
    EXPECT_EQ(LoadPanel(0, path("missing.uir").c_str(), 1), UIEFileNotFound);
}

// Nothing that is not a regular file of sensible size is read: no waiting on
// a FIFO, no reading a device or a huge file into memory.
TEST_F(PanelFileTest, OnlyRegularFilesUpTo16MiBAreRead) {
    ASSERT_EQ(mkfifo(path("fifo.uir").c_str(), 0644), 0);
    QFile huge(dir.filePath("huge.uir"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize((16 << 20) + 1));
    huge.close();
    const size_t panels = ui::runtime().panels.size();
    for (const std::string& odd :
         {path("fifo.uir"), std::string("/dev/zero"), path("huge.uir"), dir.path().toStdString()}) {
        EXPECT_EQ(LoadPanel(0, odd.c_str(), 1), UIEBadPanelFile) << odd;
        EXPECT_EQ(ui::runtime().panels.size(), panels) << odd;
    }
}

// A path is the system's bytes: a name that is no UTF-8 opens as it is.
TEST_F(PanelFileTest, PathsAreBytes) {
    ASSERT_EQ(SavePanel(panel, path("good.uir").c_str(), 1), 0);
    const std::string latin1 = dir.path().toStdString() + "/caf\xe9.uir";
    ASSERT_EQ(rename(path("good.uir").c_str(), latin1.c_str()), 0);
    const int loaded = LoadPanel(0, latin1.c_str(), 1);
    EXPECT_GT(loaded, 0) << LastUIFailure();
    DiscardPanel(loaded);
}

TEST_F(PanelFileTest, UnregisteredCallbacksCannotBeWritten) {
    const int n = NewCtrl(panel, CTRL_NUMERIC, "n", 0, 0);
    SetCtrlAttribute(panel, n, ATTR_CALLBACK_FUNCTION_POINTER, Record);
    EXPECT_EQ(SavePanel(panel, path("x.uir").c_str(), 1), UIEUnknownCallback);
}

}  // namespace
