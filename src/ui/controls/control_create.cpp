// SPDX-License-Identifier: MIT
// Creating controls: the widget of each kind, its caption, its defaults, and
// the signal that raises its commit event.
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "controls/controls.h"
#include "widgets/bands/band_chart_widget.h"
#include "widgets/command_button.h"
#include "widgets/graph/graph_widget.h"
#include "widgets/numeric_field.h"
#include "widgets/picture_widget.h"
#include "widgets/string_field.h"
#include "widgets/text/fitting_label.h"
#include "widgets/text/text_message.h"

using namespace ui;

namespace {

// A kind's attributes before the caller sets any.
void Defaults(Panel& panel, Control& c, const char* label) {
    switch (c.kind) {
        case CTRL_STRING:
            applyAttribute(panel, c, ATTR_CTRL_MODE, VAL_HOT);
            applyAttribute(panel, c, ATTR_LABEL_TEXT, std::string(label));
            break;
        case CTRL_NUMERIC:
            applyAttribute(panel, c, ATTR_DATA_TYPE, VAL_DOUBLE);
            applyAttribute(panel, c, ATTR_CTRL_MODE, VAL_HOT);
            applyAttribute(panel, c, ATTR_CHECK_RANGE, VAL_COERCE);
            applyAttribute(panel, c, ATTR_LABEL_TEXT, std::string(label));
            break;
        case CTRL_GRAPH:
            applyAttribute(panel, c, ATTR_CTRL_MODE, VAL_HOT);
            applyAttribute(panel, c, ATTR_LABEL_TEXT, std::string(label));
            break;
        case CTRL_COMMAND_BUTTON:
            applyAttribute(panel, c, ATTR_LABEL_TEXT, std::string(label));
            break;
        case CTRL_TEXT_MSG:
            applyAttribute(panel, c, ATTR_DFLT_VALUE, std::string(label));
            static_cast<QLabel*>(c.widget)->setText(QString::fromUtf8(label));
            break;
        default:
            break;
    }
    applyAttribute(panel, c, ATTR_VISIBLE, 1);
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
        case CTRL_TABLE:
            return makeTable(parent);
        case CTRL_STRING:
            return new StringField(parent);
        case CTRL_BAND_CHART:
            return new BandChartWidget(parent);
        default:
            return nullptr;
    }
}

void Connect(int panel, Control& c) {
    const int id = c.id;
    if (auto* field = qobject_cast<NumericField*>(c.widget)) {
        QObject::connect(field, &NumericField::committed, [panel, id] { commit(panel, id); });
    } else if (auto* string = qobject_cast<StringField*>(c.widget)) {
        QObject::connect(string, &StringField::committed, [panel, id] { commit(panel, id); });
    } else if (auto* button = qobject_cast<QPushButton*>(c.widget)) {
        QObject::connect(button, &QPushButton::clicked, [panel, id] { commit(panel, id); });
    } else if (auto* graph = qobject_cast<GraphWidget*>(c.widget)) {
        QObject::connect(graph, &GraphWidget::cursorMoved,
                         [panel, id](int index) { commit(panel, id, index + 1); });
    } else if (auto* chart = qobject_cast<BandChartWidget*>(c.widget)) {
        QObject::connect(chart, &BandChartWidget::markReached,
                         [panel, id](int mark) { commit(panel, id, mark); });
    } else if (auto* message = qobject_cast<TextMessage*>(c.widget)) {
        QObject::connect(message, &TextMessage::lineChosen,
                         [panel, id](int line) { commit(panel, id, line); });
    }
}

// A new control is frontmost and last in the tab order. Qt puts a new widget
// last in its window's focus chain itself, so only the stacking is set, and
// creating a panel stays linear in its number of controls.
void JoinOrders(const Control& c) {
    c.widget->raise();
    if (c.label) {
        c.label->raise();
    }
}

}  // namespace

int NewCtrl(int panel, int kind, const char* label, int top, int left) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    if (kind < CTRL_NUMERIC || kind > CTRL_BAND_CHART) {
        return fail(UIEBadValue, "unknown control kind " + std::to_string(kind));
    }
    auto control = std::make_unique<Control>();
    Control& c = *control;
    c.id = static_cast<int>(p->controls.size()) + 2;
    c.kind = kind;
    c.widget = MakeWidget(kind, p->widget);
    if (auto* field = qobject_cast<NumericField*>(c.widget); field && p->loading) {
        field->holdFitting(true);
    }
    if (kindBit(kind) & ON_LABELLED) {
        c.label = new FittingLabel(p->widget);
        c.label->setBuddy(c.widget);
    }
    c.attributes[ATTR_TOP] = top;
    c.attributes[ATTR_LEFT] = left;
    p->controls.push_back(std::move(control));
    p->frontToBack.insert(p->frontToBack.begin(), c.id);
    p->tabOrder.push_back(c.id);
    Defaults(*p, c, label == nullptr ? "" : label);
    Connect(panel, c);
    JoinOrders(c);
    return c.id;
}
