// SPDX-License-Identifier: MIT
// Setting a control's attributes: checked against the control's kind and the
// value's type, then applied to its widget and caption and stored.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

#include "controls/controls.h"
#include "layout/text_layout.h"
#include "widgets/command_button.h"
#include "widgets/graph/graph_widget.h"
#include "widgets/numeric_field.h"

namespace ui {
namespace {

// "__OK" shows "OK" with the O as the keyboard mnemonic.
QString MnemonicText(const std::string& label) {
    QString text = QString::fromStdString(label).replace("&", "&&");
    const int mark = text.indexOf("__");
    if (mark >= 0) {
        text.replace(mark, 2, "&");
    }
    return text;
}

QString PlainText(const std::string& label) {
    return QString::fromStdString(label).replace("__", "");
}

QFont ResolveFont(const std::string& name) {
    if (name == VAL_MONO_META_FONT) {
        return QFont("DejaVu Sans Mono");
    }
    if (name.empty() || name == VAL_DIALOG_META_FONT || name == VAL_APP_META_FONT) {
        return QApplication::font();
    }
    return QFont(QString::fromStdString(name));
}

void SetColor(QWidget* widget, QPalette::ColorRole role, int rgb) {
    QPalette palette = widget->palette();
    palette.setColor(role, rgbColor(rgb));
    widget->setPalette(palette);
}

void ApplyFont(Control& c, bool label) {
    QWidget* target = label ? static_cast<QWidget*>(c.label) : c.widget;
    if (target == nullptr) {
        return;
    }
    QFont font =
        ResolveFont(attributeOr<std::string>(c, label ? ATTR_LABEL_FONT : ATTR_TEXT_FONT, ""));
    const int points = label ? 0 : attributeOr(c, ATTR_TEXT_POINT_SIZE, 0);
    if (points > 0) {
        font.setPixelSize(points);  // the layout is in pixels, so are its font sizes
    }
    font.setBold(attributeOr(c, label ? ATTR_LABEL_BOLD : ATTR_TEXT_BOLD, 0) != 0);
    target->setFont(font);
}

// Palette and a painted frame rather than a style sheet: style sheets cost
// more at start-up than everything else the fields do.
void ApplyFieldStyle(Control& c) {
    auto* field = static_cast<NumericField*>(c.widget);
    field->setFrameColor(rgbColor(attributeOr(c, ATTR_FRAME_COLOR, 0x808080)));
    SetColor(field, QPalette::Base, attributeOr(c, ATTR_TEXT_BGCOLOR, 0xFFFFFF));
}

int AsInt(const AttrValue& value) {
    return std::get<int>(value);
}

double AsDouble(const AttrValue& value) {
    return std::holds_alternative<int>(value) ? std::get<int>(value) : std::get<double>(value);
}

// Whether an attribute can move, size or resize a control or its caption.
bool ChangesGeometry(int attribute) {
    switch (attribute) {
        case ATTR_TOP:
        case ATTR_LEFT:
        case ATTR_WIDTH:
        case ATTR_HEIGHT:
        case ATTR_LABEL_TOP:
        case ATTR_LABEL_LEFT:
        case ATTR_LABEL_TEXT:
        case ATTR_LABEL_FONT:
        case ATTR_LABEL_BOLD:
        case ATTR_TEXT_FONT:
        case ATTR_TEXT_POINT_SIZE:
        case ATTR_TEXT_BOLD:
        case ATTR_SIZE_TO_TEXT:
            return true;
        default:
            return false;
    }
}

// Attributes that only numeric fields take.
int ApplyToField(NumericField& field, int attribute, const AttrValue& value) {
    switch (attribute) {
        case ATTR_DATA_TYPE:
            if (AsInt(value) != VAL_INTEGER && AsInt(value) != VAL_FLOAT &&
                AsInt(value) != VAL_DOUBLE) {
                return fail(UIEBadValue, "numeric fields hold int, float or double");
            }
            field.setDataType(AsInt(value));
            break;
        case ATTR_MIN_VALUE:
            field.setMinimum(AsDouble(value));
            break;
        case ATTR_MAX_VALUE:
            field.setMaximum(AsDouble(value));
            break;
        case ATTR_CHECK_RANGE:
            field.setCoerce(AsInt(value) == VAL_COERCE);
            break;
        case ATTR_INCR_VALUE:
            field.setStep(AsDouble(value));
            break;
        case ATTR_PRECISION:
            if (AsInt(value) < 0 || AsInt(value) > 15) {
                return fail(UIEBadValue, "precision outside 0..15");
            }
            field.setPrecision(AsInt(value));
            break;
        default:
            break;
    }
    return 0;
}

// Attributes that only graphs take.
int ApplyToGraph(const Control& c, GraphWidget& graph, int attribute, const AttrValue& value) {
    switch (attribute) {
        case ATTR_XNAME:
        case ATTR_YNAME: {
            std::string x = attributeOr<std::string>(c, ATTR_XNAME, "");
            std::string y = attributeOr<std::string>(c, ATTR_YNAME, "");
            (attribute == ATTR_XNAME ? x : y) = std::get<std::string>(value);
            graph.setAxisNames(QString::fromStdString(x), QString::fromStdString(y));
            break;
        }
        case ATTR_PLOT_BGCOLOR:
            graph.setPlotAreaColor(rgbColor(AsInt(value)));
            break;
        case ATTR_GRID_COLOR:
            graph.setGridColor(rgbColor(AsInt(value)));
            break;
        case ATTR_GRAPH_BGCOLOR:
            graph.setSurroundColor(rgbColor(AsInt(value)));
            break;
        case ATTR_XAXIS_GAIN:
            if (!(AsDouble(value) > 0) || !std::isfinite(AsDouble(value))) {
                return fail(UIEBadValue, "an axis gain is a finite number above 0");
            }
            graph.setXGain(AsDouble(value));
            break;
        case ATTR_NUM_CURSORS:
            if (AsInt(value) < 0 || AsInt(value) > 10) {
                return fail(UIEBadValue, "a graph has 0 to 10 cursors");
            }
            graph.setCursorCount(AsInt(value));
            break;
        default:
            break;
    }
    return 0;
}

int ApplyMode(Control& c, int mode) {
    if (mode != VAL_HOT && mode != VAL_INDICATOR) {
        return fail(UIEBadValue, "unknown control mode");
    }
    if (auto* field = qobject_cast<NumericField*>(c.widget)) {
        field->setIndicator(mode == VAL_INDICATOR);
    } else if (auto* string = qobject_cast<QLineEdit*>(c.widget)) {
        string->setReadOnly(mode == VAL_INDICATOR);
    } else {
        c.widget->setAttribute(Qt::WA_TransparentForMouseEvents, mode == VAL_INDICATOR);
    }
    return 0;
}

// What assistive technology calls a control: its accessible name, else its label.
void ApplyAccessibleName(Control& c, const std::string& name, const std::string& label) {
    c.widget->setAccessibleName(name.empty() ? PlainText(label) : QString::fromStdString(name));
}

void ApplyLabelText(Control& c, const std::string& text) {
    if (c.kind == CTRL_COMMAND_BUTTON) {
        static_cast<QPushButton*>(c.widget)->setText(MnemonicText(text));
    } else {
        c.label->setText(MnemonicText(text));
    }
    ApplyAccessibleName(c, attributeOr<std::string>(c, ATTR_ACCESSIBLE_NAME, ""), text);
}

// The colour attributes that palettes carry.
void ApplyColor(Control& c, int attribute, int rgb) {
    switch (attribute) {
        case ATTR_LABEL_BGCOLOR:
            c.label->setAutoFillBackground(rgb != VAL_TRANSPARENT);
            SetColor(c.label, QPalette::Window, rgb);
            break;
        case ATTR_LABEL_COLOR:
            SetColor(c.label, QPalette::WindowText, rgb);
            break;
        case ATTR_TEXT_COLOR:
            SetColor(c.widget,
                     kindBit(c.kind) & ON_FIELDS ? QPalette::Text
                     : c.kind == CTRL_TEXT_MSG   ? QPalette::WindowText
                                                 : QPalette::ButtonText,
                     rgb);
            break;
        case ATTR_TEXT_BGCOLOR:
            if (c.kind == CTRL_TEXT_MSG) {
                c.widget->setAutoFillBackground(rgb != VAL_TRANSPARENT);
                SetColor(c.widget, QPalette::Window, rgb);
            } else if (c.kind == CTRL_STRING) {
                SetColor(c.widget, QPalette::Base, rgb);
            }
            break;
        case ATTR_FRAME_COLOR:
            if (c.kind == CTRL_BOX) {
                SetColor(c.widget, QPalette::Window, rgb);
            }
            break;
        default:  // ATTR_CMD_BUTTON_COLOR
            SetColor(c.widget, QPalette::Button, rgb);
            break;
    }
}

// Puts an attribute into the widget, or refuses it.
int ApplyToWidget(Control& c, int attribute, const AttrValue& value) {
    switch (attribute) {
        case ATTR_CONSTANT_NAME:
            c.widget->setObjectName(QString::fromStdString(std::get<std::string>(value)));
            return 0;
        case ATTR_CTRL_MODE:
            return ApplyMode(c, AsInt(value));
        case ATTR_LABEL_TEXT:
            ApplyLabelText(c, std::get<std::string>(value));
            return 0;
        case ATTR_ACCESSIBLE_NAME:
            ApplyAccessibleName(c, std::get<std::string>(value),
                                attributeOr<std::string>(c, ATTR_LABEL_TEXT, ""));
            return 0;
        case ATTR_SHORTCUT_KEY:
            if (!static_cast<CommandButton*>(c.widget)->setShortcutKey(
                    QString::fromStdString(std::get<std::string>(value)))) {
                return fail(UIEBadValue,
                            "no single key is called \"" + std::get<std::string>(value) + "\"");
            }
            return 0;
        case ATTR_DESCRIBED_BY:
            return AsInt(value) < 0 ? fail(UIEBadValue, "a control is described by a control or 0")
                                    : 0;
        case ATTR_LABEL_BGCOLOR:
        case ATTR_LABEL_COLOR:
        case ATTR_TEXT_COLOR:
        case ATTR_TEXT_BGCOLOR:
        case ATTR_FRAME_COLOR:
        case ATTR_CMD_BUTTON_COLOR:
            ApplyColor(c, attribute, AsInt(value));
            return 0;
        case ATTR_VISIBLE:
            c.widget->setVisible(AsInt(value) != 0);
            if (c.label) {
                c.label->setVisible(AsInt(value) != 0);
            }
            return 0;
        case ATTR_TOOLTIP_TEXT:
        case ATTR_TEXT_SELECTABLE:
            applyCommonExtra(c, attribute, value);
            return 0;
        case ATTR_WIDTH:
        case ATTR_HEIGHT:
            if (AsInt(value) <= 0) {
                return fail(UIEBadValue, "a control needs a positive size");
            }
            (attribute == ATTR_WIDTH ? c.width : c.height) = AsInt(value);
            return 0;
        default:
            if (auto* field = qobject_cast<NumericField*>(c.widget)) {
                return ApplyToField(*field, attribute, value);
            }
            if (auto* graph = qobject_cast<GraphWidget*>(c.widget)) {
                return ApplyToGraph(c, *graph, attribute, value);
            }
            return 0;
    }
}

// What depends on several stored attributes at once: fonts, a field's frame
// and background, and the geometry.
void Refresh(Panel& panel, Control& c, int attribute) {
    if (attribute == ATTR_TEXT_FONT || attribute == ATTR_TEXT_POINT_SIZE ||
        attribute == ATTR_TEXT_BOLD) {
        ApplyFont(c, false);
    } else if (attribute == ATTR_LABEL_FONT || attribute == ATTR_LABEL_BOLD) {
        ApplyFont(c, true);
    } else if (qobject_cast<NumericField*>(c.widget) &&
               (attribute == ATTR_FRAME_COLOR || attribute == ATTR_TEXT_BGCOLOR)) {
        ApplyFieldStyle(c);
    }
    if (ChangesGeometry(attribute)) {
        relayout(panel, c);
    }
}

// Checks that the attribute exists for this control and takes this type.
int Admit(const Control& c, int attribute, const AttrValue& value) {
    const AttrInfo* info = attributeInfo(attribute);
    if (info == nullptr || !(info->on & kindBit(c.kind))) {
        return fail(UIEBadAttribute, "attribute " + std::to_string(attribute) +
                                         " does not apply to control " + std::to_string(c.id));
    }
    AttrType type = info->type;
    if (type == AttrType::Value) {
        type = c.kind == CTRL_NUMERIC ? AttrType::Double : AttrType::Text;
    }
    const bool ok = (type == AttrType::Int && std::holds_alternative<int>(value)) ||
                    (type == AttrType::Double && (std::holds_alternative<double>(value) ||
                                                  std::holds_alternative<int>(value))) ||
                    (type == AttrType::Text && std::holds_alternative<std::string>(value)) ||
                    (type == AttrType::Callback && std::holds_alternative<CtrlCallbackPtr>(value));
    if (!ok) {
        return fail(UIEWrongType, std::string("wrong value type for ") + info->name);
    }
    return 0;
}

int SetAttribute(int panel, int control, int attribute, const AttrValue& value) {
    Panel* p;
    Control* c;
    if (int status = lookup(panel, control, &p, &c); status < 0) {
        return status;
    }
    if (int status = Admit(*c, attribute, value); status < 0) {
        return status;
    }
    return applyAttribute(*p, *c, attribute, value);
}

}  // namespace

int applyAttribute(Panel& panel, Control& c, int attribute, const AttrValue& value) {
    if (attribute == ATTR_ZPLANE_POSITION || attribute == ATTR_CTRL_TAB_POSITION) {
        moveInOrder(panel, c.id, attribute, AsInt(value));
        return 0;  // kept in the orders, not among the attributes
    }
    if (attribute == ATTR_CALLBACK_FUNCTION_POINTER &&
        std::get<CtrlCallbackPtr>(value) == nullptr) {
        c.attributes.erase(attribute);
        return 0;
    }
    if (int status = ApplyToWidget(c, attribute, value); status < 0) {
        return status;
    }
    c.attributes[attribute] = value;
    Refresh(panel, c, attribute);
    if (attribute == ATTR_ACCESSIBLE_DESCRIPTION || attribute == ATTR_DESCRIBED_BY) {
        refreshDescriptions(panel);
    }
    return 0;
}

}  // namespace ui

using namespace ui;

int SetCtrlAttribute(int panel, int control, int attribute, int value) {
    return SetAttribute(panel, control, attribute, value);
}

int SetCtrlAttribute(int panel, int control, int attribute, double value) {
    return SetAttribute(panel, control, attribute, value);
}

int SetCtrlAttribute(int panel, int control, int attribute, const char* value) {
    return SetAttribute(panel, control, attribute, std::string(value ? value : ""));
}

int SetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr value) {
    return SetAttribute(panel, control, attribute, value);
}
