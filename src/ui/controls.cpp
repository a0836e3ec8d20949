// Controls: creation, attributes, geometry, stacking and tab order.
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "accessible.h"
#include "command_button.h"
#include "graph_widget.h"
#include "model.h"
#include "numeric_field.h"
#include "picture_widget.h"
#include "text_message.h"

namespace ui {
namespace {

QColor Rgb(int rgb) {
    return rgb == VAL_TRANSPARENT ? QColor(Qt::transparent) : QColor(QRgb(rgb));
}

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

template <typename T>
T Get(const Control& c, int attribute, T fallback) {
    auto it = c.attributes.find(attribute);
    return it == c.attributes.end() ? fallback : std::get<T>(it->second);
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
    palette.setColor(role, Rgb(rgb));
    widget->setPalette(palette);
}

}  // namespace

void layout(Control& c) {
    const bool fitsText = c.kind == CTRL_TEXT_MSG && Get(c, ATTR_SIZE_TO_TEXT, 1);
    const bool needsHint = fitsText || c.width <= 0 || c.height <= 0;
    const QSize hint = needsHint ? c.widget->sizeHint() : QSize();
    int width = c.width > 0 ? c.width : hint.width();
    int height = c.height > 0 ? c.height : hint.height();
    if (fitsText) {
        width = std::max(width, hint.width());
        height = std::max(height, hint.height());
    }
    const int top = Get(c, ATTR_TOP, 0);
    const int left = Get(c, ATTR_LEFT, 0);
    c.widget->setGeometry(left, top, width, height);
    if (c.label) {
        c.label->adjustSize();
        c.label->move(Get(c, ATTR_LABEL_LEFT, left),
                      Get(c, ATTR_LABEL_TOP, top - c.label->height()));
    }
}

namespace {

void ApplyFont(Control& c, bool label) {
    QWidget* target = label ? static_cast<QWidget*>(c.label) : c.widget;
    if (target == nullptr) {
        return;
    }
    QFont font = ResolveFont(Get<std::string>(c, label ? ATTR_LABEL_FONT : ATTR_TEXT_FONT, ""));
    const int points = label ? 0 : Get(c, ATTR_TEXT_POINT_SIZE, 0);
    if (points > 0) {
        font.setPixelSize(points);  // the layout is in pixels, so are its font sizes
    }
    font.setBold(Get(c, label ? ATTR_LABEL_BOLD : ATTR_TEXT_BOLD, 0) != 0);
    target->setFont(font);
}

// Palette and a painted frame rather than a style sheet: style sheets cost
// more at start-up than everything else the fields do.
void ApplyFieldStyle(Control& c) {
    auto* field = static_cast<NumericField*>(c.widget);
    field->setFrameColor(Rgb(Get(c, ATTR_FRAME_COLOR, 0x808080)));
    SetColor(field, QPalette::Base, Get(c, ATTR_TEXT_BGCOLOR, 0xFFFFFF));
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
    auto asInt = [&] { return AsInt(value); };
    auto asDouble = [&] { return AsDouble(value); };
    switch (attribute) {
        case ATTR_DATA_TYPE:
            if (asInt() != VAL_INTEGER && asInt() != VAL_FLOAT && asInt() != VAL_DOUBLE) {
                return fail(UIEBadValue, "numeric fields hold int, float or double");
            }
            field.setDataType(asInt());
            break;
        case ATTR_MIN_VALUE:
            field.setMinimum(asDouble());
            break;
        case ATTR_MAX_VALUE:
            field.setMaximum(asDouble());
            break;
        case ATTR_CHECK_RANGE:
            field.setCoerce(asInt() == VAL_COERCE);
            break;
        case ATTR_INCR_VALUE:
            field.setStep(asDouble());
            break;
        case ATTR_PRECISION:
            if (asInt() < 0 || asInt() > 15) {
                return fail(UIEBadValue, "precision outside 0..15");
            }
            field.setPrecision(asInt());
            break;
        default:
            break;
    }
    return 0;
}

// Attributes that only graphs take.
int ApplyToGraph(const Control& c, GraphWidget& graph, int attribute, const AttrValue& value) {
    auto asInt = [&] { return AsInt(value); };
    auto asText = [&] { return std::get<std::string>(value); };
    switch (attribute) {
        case ATTR_XNAME:
        case ATTR_YNAME: {
            std::string x = Get<std::string>(c, ATTR_XNAME, "");
            std::string y = Get<std::string>(c, ATTR_YNAME, "");
            (attribute == ATTR_XNAME ? x : y) = asText();
            graph.setAxisNames(QString::fromStdString(x), QString::fromStdString(y));
            break;
        }
        case ATTR_PLOT_BGCOLOR:
            graph.setPlotAreaColor(Rgb(asInt()));
            break;
        case ATTR_GRID_COLOR:
            graph.setGridColor(Rgb(asInt()));
            break;
        case ATTR_GRAPH_BGCOLOR:
            graph.setSurroundColor(Rgb(asInt()));
            break;
        case ATTR_NUM_CURSORS:
            if (asInt() < 0 || asInt() > 10) {
                return fail(UIEBadValue, "a graph has 0 to 10 cursors");
            }
            graph.setCursorCount(asInt());
            break;
        default:
            break;
    }
    return 0;
}

int Apply(Panel& panel, Control& c, int attribute, const AttrValue& value) {
    auto asInt = [&] { return AsInt(value); };
    auto asText = [&] { return std::get<std::string>(value); };
    auto* field = qobject_cast<NumericField*>(c.widget);
    auto* graph = qobject_cast<GraphWidget*>(c.widget);
    switch (attribute) {
        case ATTR_CONSTANT_NAME:
            c.widget->setObjectName(QString::fromStdString(asText()));
            break;
        case ATTR_CALLBACK_FUNCTION_POINTER:
            if (std::get<CtrlCallbackPtr>(value) == nullptr) {
                c.attributes.erase(attribute);
                return 0;
            }
            break;
        case ATTR_CTRL_MODE:
            if (asInt() != VAL_HOT && asInt() != VAL_INDICATOR) {
                return fail(UIEBadValue, "unknown control mode");
            }
            if (field) {
                field->setIndicator(asInt() == VAL_INDICATOR);
            } else {
                graph->setAttribute(Qt::WA_TransparentForMouseEvents, asInt() == VAL_INDICATOR);
            }
            break;
        case ATTR_LABEL_TEXT:
            if (c.kind == CTRL_COMMAND_BUTTON) {
                static_cast<QPushButton*>(c.widget)->setText(MnemonicText(asText()));
            } else {
                c.label->setText(MnemonicText(asText()));
            }
            break;
        case ATTR_SHORTCUT_KEY:
            if (!static_cast<CommandButton*>(c.widget)->setShortcutKey(
                    QString::fromStdString(asText()))) {
                return fail(UIEBadValue, "no single key is called \"" + asText() + "\"");
            }
            break;
        case ATTR_DESCRIBED_BY:
            if (asInt() < 0) {
                return fail(UIEBadValue, "a control is described by a control id or 0");
            }
            break;
        case ATTR_LABEL_BGCOLOR:
            c.label->setAutoFillBackground(asInt() != VAL_TRANSPARENT);
            SetColor(c.label, QPalette::Window, asInt());
            break;
        case ATTR_LABEL_COLOR:
            SetColor(c.label, QPalette::WindowText, asInt());
            break;
        case ATTR_TEXT_COLOR:
            SetColor(c.widget,
                     c.kind == CTRL_NUMERIC    ? QPalette::Text
                     : c.kind == CTRL_TEXT_MSG ? QPalette::WindowText
                                               : QPalette::ButtonText,
                     asInt());
            break;
        case ATTR_TEXT_BGCOLOR:
            if (c.kind == CTRL_TEXT_MSG) {
                c.widget->setAutoFillBackground(asInt() != VAL_TRANSPARENT);
                SetColor(c.widget, QPalette::Window, asInt());
            }
            break;
        case ATTR_FRAME_COLOR:
            if (c.kind == CTRL_BOX) {
                SetColor(c.widget, QPalette::Window, asInt());
            }
            break;
        case ATTR_CMD_BUTTON_COLOR:
            SetColor(c.widget, QPalette::Button, asInt());
            break;
        case ATTR_VISIBLE:
            c.widget->setVisible(asInt() != 0);
            if (c.label) {
                c.label->setVisible(asInt() != 0);
            }
            break;
        case ATTR_ZPLANE_POSITION:
        case ATTR_CTRL_TAB_POSITION: {
            std::vector<int>& order =
                attribute == ATTR_ZPLANE_POSITION ? panel.frontToBack : panel.tabOrder;
            order.erase(std::find(order.begin(), order.end(), c.id));
            const size_t at = std::min(static_cast<size_t>(std::max(asInt(), 0)), order.size());
            order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), c.id);
            if (attribute == ATTR_ZPLANE_POSITION) {
                applyFrontToBack(panel);
            } else {
                applyTabOrder(panel);
            }
            return 0;  // kept in the orders, not among the attributes
        }
        case ATTR_WIDTH:
        case ATTR_HEIGHT:
            if (asInt() <= 0) {
                return fail(UIEBadValue, "a control needs a positive size");
            }
            (attribute == ATTR_WIDTH ? c.width : c.height) = asInt();
            break;
        default:
            if (int status = field   ? ApplyToField(*field, attribute, value)
                             : graph ? ApplyToGraph(c, *graph, attribute, value)
                                     : 0;
                status < 0) {
                return status;
            }
            break;
    }
    c.attributes[attribute] = value;
    if (attribute == ATTR_TEXT_FONT || attribute == ATTR_TEXT_POINT_SIZE ||
        attribute == ATTR_TEXT_BOLD) {
        ApplyFont(c, false);
    } else if (attribute == ATTR_LABEL_FONT || attribute == ATTR_LABEL_BOLD) {
        ApplyFont(c, true);
    } else if (field && (attribute == ATTR_FRAME_COLOR || attribute == ATTR_TEXT_BGCOLOR)) {
        ApplyFieldStyle(c);
    } else if (attribute == ATTR_LABEL_TEXT || attribute == ATTR_ACCESSIBLE_NAME) {
        const std::string name = Get<std::string>(c, ATTR_ACCESSIBLE_NAME, "");
        c.widget->setAccessibleName(name.empty()
                                        ? PlainText(Get<std::string>(c, ATTR_LABEL_TEXT, ""))
                                        : QString::fromStdString(name));
    } else if (attribute == ATTR_ACCESSIBLE_DESCRIPTION || attribute == ATTR_DESCRIBED_BY) {
        refreshDescriptions(panel);
    }
    if (ChangesGeometry(attribute)) {
        layout(c);
    }
    return 0;
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
        type = c.kind == CTRL_TEXT_MSG ? AttrType::Text : AttrType::Double;
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
    return Apply(*p, *c, attribute, value);
}

// A kind's attributes before the caller sets any.
void Defaults(Panel& panel, Control& c, const char* label) {
    switch (c.kind) {
        case CTRL_NUMERIC:
            Apply(panel, c, ATTR_DATA_TYPE, VAL_DOUBLE);
            Apply(panel, c, ATTR_CTRL_MODE, VAL_HOT);
            Apply(panel, c, ATTR_CHECK_RANGE, VAL_COERCE);
            Apply(panel, c, ATTR_LABEL_TEXT, std::string(label));
            break;
        case CTRL_GRAPH:
            Apply(panel, c, ATTR_CTRL_MODE, VAL_HOT);
            Apply(panel, c, ATTR_LABEL_TEXT, std::string(label));
            break;
        case CTRL_COMMAND_BUTTON:
            Apply(panel, c, ATTR_LABEL_TEXT, std::string(label));
            break;
        case CTRL_TEXT_MSG:
            Apply(panel, c, ATTR_DFLT_VALUE, std::string(label));
            static_cast<QLabel*>(c.widget)->setText(QString::fromUtf8(label));
            break;
        default:
            break;
    }
    Apply(panel, c, ATTR_VISIBLE, 1);
}

QWidget* MakeWidget(int kind, QWidget* parent) {
    switch (kind) {
        case CTRL_NUMERIC:
            return new NumericField(parent);
        case CTRL_COMMAND_BUTTON:
            return new CommandButton(parent);
        case CTRL_BOX: {
            auto* box = new QFrame(parent);
            box->setFrameStyle(QFrame::Box | QFrame::Sunken);
            box->setAutoFillBackground(true);
            return box;
        }
        case CTRL_TEXT_MSG:
            return new TextMessage(parent);
        case CTRL_GRAPH:
            return new GraphWidget(parent);
        case CTRL_PICTURE:
            return new PictureWidget(parent);
        default:
            return nullptr;
    }
}

void Connect(int panel, Control& c) {
    const int id = c.id;
    if (auto* field = qobject_cast<NumericField*>(c.widget)) {
        QObject::connect(field, &NumericField::committed, [panel, id] { commit(panel, id); });
    } else if (auto* button = qobject_cast<QPushButton*>(c.widget)) {
        QObject::connect(button, &QPushButton::clicked, [panel, id] { commit(panel, id); });
    } else if (auto* graph = qobject_cast<GraphWidget*>(c.widget)) {
        QObject::connect(graph, &GraphWidget::cursorMoved,
                         [panel, id](int index) { commit(panel, id, index + 1); });
    }
}

}  // namespace

void applyFrontToBack(Panel& panel) {
    for (auto it = panel.frontToBack.rbegin(); it != panel.frontToBack.rend(); ++it) {
        Control* c = panel.find(*it);
        c->widget->raise();
        if (c->label) {
            c->label->raise();
        }
    }
}

void applyTabOrder(Panel& panel) {
    QWidget* previous = nullptr;
    for (int id : panel.tabOrder) {
        QWidget* widget = panel.find(id)->widget;
        if (widget->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

}  // namespace ui

using namespace ui;

int NewCtrl(int panel, int kind, const char* label, int top, int left) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    if (kind < CTRL_NUMERIC || kind > CTRL_PICTURE) {
        return fail(UIEBadValue, "unknown control kind " + std::to_string(kind));
    }
    auto control = std::make_unique<Control>();
    Control& c = *control;
    c.id = static_cast<int>(p->controls.size()) + 2;
    c.kind = kind;
    c.widget = MakeWidget(kind, p->widget);
    if (kind == CTRL_NUMERIC || kind == CTRL_GRAPH) {
        c.label = new QLabel(p->widget);
        c.label->setBuddy(c.widget);
    }
    c.attributes[ATTR_TOP] = top;
    c.attributes[ATTR_LEFT] = left;
    p->controls.push_back(std::move(control));
    p->frontToBack.insert(p->frontToBack.begin(), c.id);
    p->tabOrder.push_back(c.id);
    Defaults(*p, c, label == nullptr ? "" : label);
    Connect(panel, c);
    applyFrontToBack(*p);
    applyTabOrder(*p);
    return c.id;
}

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

namespace {

// Reads an attribute: the orders and sizes from the live panel, the rest as set.
int GetAttribute(int panel, int control, int attribute, AttrValue* value) {
    Panel* p;
    Control* c;
    if (int status = lookup(panel, control, &p, &c); status < 0) {
        return status;
    }
    const AttrInfo* info = attributeInfo(attribute);
    if (info == nullptr || !(info->on & kindBit(c->kind))) {
        return fail(UIEBadAttribute, "attribute " + std::to_string(attribute) +
                                         " does not apply to control " + std::to_string(control));
    }
    auto indexIn = [&](const std::vector<int>& order) {
        return static_cast<int>(std::find(order.begin(), order.end(), control) - order.begin());
    };
    switch (attribute) {
        case ATTR_ZPLANE_POSITION:
            *value = indexIn(p->frontToBack);
            return 0;
        case ATTR_CTRL_TAB_POSITION:
            *value = indexIn(p->tabOrder);
            return 0;
        case ATTR_WIDTH:
            *value = c->widget->width();
            return 0;
        case ATTR_HEIGHT:
            *value = c->widget->height();
            return 0;
        case ATTR_VISIBLE:
            *value = c->widget->isVisibleTo(p->widget) ? 1 : 0;
            return 0;
        default:
            break;
    }
    auto it = c->attributes.find(attribute);
    if (it != c->attributes.end()) {
        *value = it->second;
        return 0;
    }
    switch (info->type) {
        case AttrType::Text:
            *value = std::string();
            break;
        case AttrType::Callback:
            *value = CtrlCallbackPtr{nullptr};
            break;
        case AttrType::Double:
            *value = 0.0;
            break;
        default:
            *value = 0;
            break;
    }
    return 0;
}

template <typename T>
int GetTyped(int panel, int control, int attribute, T* out) {
    AttrValue value;
    if (int status = GetAttribute(panel, control, attribute, &value); status < 0) {
        return status;
    }
    if constexpr (std::is_same_v<T, double>) {
        if (std::holds_alternative<int>(value)) {
            *out = std::get<int>(value);
            return 0;
        }
    }
    if (!std::holds_alternative<T>(value)) {
        return fail(UIEWrongType, "attribute " + std::to_string(attribute) + " has another type");
    }
    *out = std::get<T>(value);
    return 0;
}

}  // namespace

int GetCtrlAttribute(int panel, int control, int attribute, int* value) {
    return GetTyped(panel, control, attribute, value);
}

int GetCtrlAttribute(int panel, int control, int attribute, double* value) {
    return GetTyped(panel, control, attribute, value);
}

int GetCtrlAttribute(int panel, int control, int attribute, std::string* value) {
    return GetTyped(panel, control, attribute, value);
}

int GetCtrlAttribute(int panel, int control, int attribute, CtrlCallbackPtr* value) {
    return GetTyped(panel, control, attribute, value);
}

int DefaultCtrl(int panel, int control) {
    Panel* p;
    Control* c;
    if (int status = lookup(panel, control, &p, &c); status < 0) {
        return status;
    }
    auto it = c->attributes.find(ATTR_DFLT_VALUE);
    if (c->kind == CTRL_NUMERIC) {
        const AttrValue value = it == c->attributes.end() ? AttrValue(0.0) : it->second;
        const double number =
            std::holds_alternative<int>(value) ? std::get<int>(value) : std::get<double>(value);
        return SetCtrlVal(panel, control, number);
    }
    if (c->kind == CTRL_TEXT_MSG) {
        const std::string text = it == c->attributes.end() ? "" : std::get<std::string>(it->second);
        return SetCtrlVal(panel, control, text.c_str());
    }
    return fail(UIEBadControlId, "control " + std::to_string(control) + " has no value");
}
