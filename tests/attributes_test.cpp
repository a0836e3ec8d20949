// SPDX-License-Identifier: MIT
// Every attribute of every control kind: set, read back, through a panel file
// and back; the kinds that do not take one refuse it. Orders after loading.
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <variant>

#include "model/model.h"
#include "panel_fixture.h"

namespace {

int RoundTripCallback(int, int, int, void*, int, int) {
    return 0;
}

using Value = std::variant<int, double, std::string, CtrlCallbackPtr>;

// Control kinds by letter: Numeric, Button, boX, Text, Graph, Picture.
const char kKinds[] = "NBXTGP";

int KindOf(char letter) {
    return static_cast<int>(std::strchr(kKinds, letter) - kKinds) + CTRL_NUMERIC;
}

struct Case {
    int attribute;
    const char* kinds;  // the kinds that take it
    Value value;        // unlike any default
};

const Case kCases[] = {
    {ATTR_CONSTANT_NAME, "NBXTGP", std::string("NAME_7")},
    {ATTR_TOP, "NBXTGP", 17},
    {ATTR_LEFT, "NBXTGP", 23},
    {ATTR_WIDTH, "NBXTGP", 61},
    {ATTR_HEIGHT, "NBXTGP", 29},
    {ATTR_CALLBACK_FUNCTION_POINTER, "NBXTGP", &RoundTripCallback},
    {ATTR_VISIBLE, "NBXTGP", 0},
    {ATTR_CTRL_MODE, "NG", VAL_INDICATOR},
    {ATTR_DATA_TYPE, "N", VAL_INTEGER},
    {ATTR_TEXT_COLOR, "NBT", 0x123456},
    {ATTR_TEXT_BGCOLOR, "NT", 0x234567},
    {ATTR_FRAME_COLOR, "NX", 0x345678},
    {ATTR_CMD_BUTTON_COLOR, "B", 0x456789},
    {ATTR_TEXT_FONT, "NBT", std::string(VAL_MONO_META_FONT)},
    {ATTR_TEXT_POINT_SIZE, "NBT", 13},
    {ATTR_TEXT_BOLD, "NBT", 1},
    {ATTR_SIZE_TO_TEXT, "T", 0},
    {ATTR_LABEL_TEXT, "NBG", std::string("Lab__el")},
    {ATTR_LABEL_TOP, "NG", 5},
    {ATTR_LABEL_LEFT, "NG", 7},
    {ATTR_LABEL_BGCOLOR, "NG", 0x56789A},
    {ATTR_LABEL_FONT, "NG", std::string("Liberation Sans")},
    {ATTR_LABEL_BOLD, "NG", 1},
    {ATTR_LABEL_COLOR, "NG", 0x6789AB},
    {ATTR_MIN_VALUE, "N", -5.5},
    {ATTR_MAX_VALUE, "N", 99.25},
    {ATTR_CHECK_RANGE, "N", VAL_IGNORE},
    {ATTR_INCR_VALUE, "N", 0.5},
    {ATTR_PRECISION, "N", 3},
    {ATTR_DFLT_VALUE, "N", 4.75},
    {ATTR_DFLT_VALUE, "T", std::string("default text")},
    {ATTR_XNAME, "G", std::string("x [m]")},
    {ATTR_YNAME, "G", std::string("y [mm]")},
    {ATTR_PLOT_BGCOLOR, "G", 0x789ABC},
    {ATTR_GRID_COLOR, "G", 0x89ABCD},
    {ATTR_GRAPH_BGCOLOR, "G", 0x9ABCDE},
    {ATTR_NUM_CURSORS, "G", 3},
    {ATTR_ACCESSIBLE_NAME, "NBXTGP", std::string("spoken name")},
    {ATTR_ACCESSIBLE_DESCRIPTION, "NBXTGP", std::string("spoken description")},
    {ATTR_DESCRIBED_BY, "NBXTGP", 5},
    {ATTR_SHORTCUT_KEY, "B", std::string("Ctrl+Shift+F5")},
};

// Attributes of panels only: every control refuses them.
const int kPanelOnly[] = {ATTR_TITLE, ATTR_CLOSE_CTRL, ATTR_SCALE_CONTENTS_ON_RESIZE,
                          ATTR_FRAME_STYLE, ATTR_BACKCOLOR};

bool Takes(const Case& c, char kind) {
    return std::strchr(c.kinds, kind) != nullptr;
}

bool AnyTakes(int attribute, char kind) {
    return std::any_of(std::begin(kCases), std::end(kCases),
                       [&](const Case& c) { return c.attribute == attribute && Takes(c, kind); });
}

int Set(int panel, int control, int attribute, const Value& value) {
    return std::visit(
        [&](const auto& v) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>) {
                return SetCtrlAttribute(panel, control, attribute, v.c_str());
            } else {
                return SetCtrlAttribute(panel, control, attribute, v);
            }
        },
        value);
}

// Reads an attribute as the type of `like`.
int Get(int panel, int control, int attribute, const Value& like, Value* out) {
    return std::visit(
        [&](auto v) {
            const int status = GetCtrlAttribute(panel, control, attribute, &v);
            *out = v;
            return status;
        },
        like);
}

class AttributeTest : public PanelTest {
  protected:
    static void SetUpTestSuite() {
        static const CallbackName names[] = {{"RoundTripCallback", RoundTripCallback}};
        RegisterCallbacks(names, 1);
    }

    // One control of every kind in kKinds' order, every attribute it takes set.
    void fillEveryAttribute() {
        for (const char* kind = kKinds; *kind != '\0'; ++kind) {
            const int control = NewCtrl(panel, KindOf(*kind), "", 0, 0);
            for (const Case& c : kCases) {
                if (Takes(c, *kind)) {
                    ASSERT_EQ(Set(panel, control, c.attribute, c.value), 0)
                        << *kind << " " << c.attribute;
                }
            }
        }
    }

    void expectEveryAttribute(int panel) {
        for (const char* kind = kKinds; *kind != '\0'; ++kind) {
            const int control = static_cast<int>(kind - kKinds) + 2;
            for (const Case& c : kCases) {
                Value back;
                if (Takes(c, *kind)) {
                    EXPECT_EQ(Get(panel, control, c.attribute, c.value, &back), 0);
                    EXPECT_EQ(back, c.value) << *kind << " " << c.attribute;
                }
            }
        }
    }

    QTemporaryDir dir;
};

TEST_F(AttributeTest, EachKindKeepsWhatItTakesAndRefusesTheRest) {
    for (const char* kind = kKinds; *kind != '\0'; ++kind) {
        const int control = NewCtrl(panel, KindOf(*kind), "", 0, 0);
        for (const Case& c : kCases) {
            Value back;
            if (Takes(c, *kind)) {
                EXPECT_EQ(Set(panel, control, c.attribute, c.value), 0);
                EXPECT_EQ(Get(panel, control, c.attribute, c.value, &back), 0);
                EXPECT_EQ(back, c.value) << *kind << " " << c.attribute;
            } else if (!AnyTakes(c.attribute, *kind)) {
                EXPECT_EQ(Set(panel, control, c.attribute, c.value), UIEBadAttribute)
                    << *kind << " " << c.attribute;
                EXPECT_EQ(Get(panel, control, c.attribute, c.value, &back), UIEBadAttribute)
                    << *kind << " " << c.attribute;
            }
        }
        for (int attribute : kPanelOnly) {
            int value = 0;
            EXPECT_EQ(SetCtrlAttribute(panel, control, attribute, 1), UIEBadAttribute);
            EXPECT_EQ(GetCtrlAttribute(panel, control, attribute, &value), UIEBadAttribute);
        }
    }
}

TEST_F(AttributeTest, NeverSetReadsAsZeroAndNullCallbackRemovesIt) {
    const int text = NewCtrl(panel, CTRL_TEXT_MSG, "", 0, 0);
    const int graph = NewCtrl(panel, CTRL_GRAPH, "", 0, 0);
    std::string name = "untouched";
    EXPECT_EQ(GetCtrlAttribute(panel, graph, ATTR_XNAME, &name), 0);
    EXPECT_EQ(name, "");
    CtrlCallbackPtr callback = &RoundTripCallback;
    EXPECT_EQ(GetCtrlAttribute(panel, text, ATTR_CALLBACK_FUNCTION_POINTER, &callback), 0);
    EXPECT_EQ(callback, nullptr);
    SetCtrlAttribute(panel, text, ATTR_CALLBACK_FUNCTION_POINTER, &RoundTripCallback);
    EXPECT_EQ(SetCtrlAttribute(panel, text, ATTR_CALLBACK_FUNCTION_POINTER, CtrlCallbackPtr{}), 0);
    callback = &RoundTripCallback;
    GetCtrlAttribute(panel, text, ATTR_CALLBACK_FUNCTION_POINTER, &callback);
    EXPECT_EQ(callback, nullptr);
    double asDouble = -1;  // an int attribute reads as a double too
    EXPECT_EQ(GetCtrlAttribute(panel, graph, ATTR_NUM_CURSORS, &asDouble), 0);
    EXPECT_EQ(asDouble, 0.0);
    int asInt = -1;  // but a double does not read as an int
    const int field = NewCtrl(panel, CTRL_NUMERIC, "", 0, 0);
    EXPECT_EQ(GetCtrlAttribute(panel, field, ATTR_MIN_VALUE, &asInt), UIEWrongType);
}

TEST_F(AttributeTest, EveryAttributeSurvivesAPanelFile) {
    fillEveryAttribute();
    SetPanelAttribute(panel, ATTR_CONSTANT_NAME, "ROUND");
    SetPanelAttribute(panel, ATTR_TITLE, "Round trip");
    SetPanelAttribute(panel, ATTR_BACKCOLOR, 0xABCDEF);
    SetPanelAttribute(panel, ATTR_SCALE_CONTENTS_ON_RESIZE, 1);
    SetPanelAttribute(panel, ATTR_CLOSE_CTRL, 3);
    const std::string first = dir.filePath("first.uir").toStdString();
    ASSERT_EQ(SavePanel(panel, first.c_str(), 4), 0);
    const int loaded = LoadPanel(0, first.c_str(), 4);
    ASSERT_GT(loaded, 0);
    expectEveryAttribute(loaded);
    std::string text;
    GetPanelAttribute(loaded, ATTR_CONSTANT_NAME, &text);
    EXPECT_EQ(text, "ROUND");
    GetPanelAttribute(loaded, ATTR_TITLE, &text);
    EXPECT_EQ(text, "Round trip");
    for (auto [attribute, expected] :
         {std::pair{ATTR_BACKCOLOR, 0xABCDEF}, std::pair{ATTR_SCALE_CONTENTS_ON_RESIZE, 1},
          std::pair{ATTR_CLOSE_CTRL, 3}, std::pair{ATTR_TOP, 10}, std::pair{ATTR_HEIGHT, 300}}) {
        int value = -1;
        GetPanelAttribute(loaded, attribute, &value);
        EXPECT_EQ(value, expected) << attribute;
    }
    DiscardPanel(loaded);
}

// The orders are replayed after every control exists, and the widgets follow.
TEST_F(AttributeTest, StackingAndTabOrderSurviveAPanelFile) {
    for (int i = 0; i < 3; ++i) {
        NewCtrl(panel, CTRL_NUMERIC, "field", 0, 0);
        NewCtrl(panel, CTRL_COMMAND_BUTTON, "button", 0, 0);
    }
    const int frontToBack[] = {5, 2, 7, 4, 3, 6};
    const int tabOrder[] = {6, 3, 2, 7, 5, 4};
    for (int place = 0; place < 6; ++place) {
        SetCtrlAttribute(panel, frontToBack[place], ATTR_ZPLANE_POSITION, place);
        SetCtrlAttribute(panel, tabOrder[place], ATTR_CTRL_TAB_POSITION, place);
    }
    const std::string file = dir.filePath("orders.uir").toStdString();
    ASSERT_EQ(SavePanel(panel, file.c_str(), 1), 0);
    const int loaded = LoadPanel(0, file.c_str(), 1);
    ASSERT_GT(loaded, 0);
    ui::Panel* p = ui::findPanel(loaded);
    for (int place = 0; place < 6; ++place) {
        int z = -1, tab = -1;
        GetCtrlAttribute(loaded, frontToBack[place], ATTR_ZPLANE_POSITION, &z);
        GetCtrlAttribute(loaded, tabOrder[place], ATTR_CTRL_TAB_POSITION, &tab);
        EXPECT_EQ(z, place);
        EXPECT_EQ(tab, place);
    }
    // Qt keeps siblings back to front.
    std::vector<int> stacked;
    for (QObject* child : p->widget->children()) {
        for (const auto& c : p->controls) {
            if (c->widget == child) {
                stacked.insert(stacked.begin(), c->id);
            }
        }
    }
    EXPECT_EQ(stacked, std::vector<int>(std::begin(frontToBack), std::end(frontToBack)));
    // The focus chain visits the controls in tab order (their inner editors
    // and captions in between).
    auto isControl = [&](QWidget* w) {
        return std::any_of(p->controls.begin(), p->controls.end(),
                           [&](const auto& c) { return c->widget == w; });
    };
    QWidget* widget = p->find(tabOrder[0])->widget;
    for (int place = 1; place < 6; ++place) {
        do {
            widget = widget->nextInFocusChain();
        } while (!isControl(widget));
        EXPECT_EQ(widget, p->find(tabOrder[place])->widget) << place;
    }
    DiscardPanel(loaded);
}

}  // namespace
