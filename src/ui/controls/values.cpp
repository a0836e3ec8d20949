// SPDX-License-Identifier: MIT
// Control values: numbers for numeric fields, text for text messages and
// string fields, and a control's default value. A value set here raises no
// event.
#include <QLabel>

#include "widgets/string_field.h"

#include "controls/controls.h"
#include "layout/text_layout.h"
#include "widgets/announce.h"
#include "widgets/numeric_field.h"

using namespace ui;

namespace {

int Lookup(int panel, int control, Control** c) {
    Panel* p;
    return lookup(panel, control, &p, c);
}

int SetNumber(int panel, int control, double value) {
    Control* c;
    if (int status = Lookup(panel, control, &c); status < 0) {
        return status;
    }
    auto* field = qobject_cast<NumericField*>(c->widget);
    if (field == nullptr) {
        return fail(UIEWrongType, "control " + std::to_string(control) + " takes no number");
    }
    field->setValue(value);
    return 0;
}

// A numeric field's value, when the field holds the data type asked for.
int GetNumber(int panel, int control, int type, double* value) {
    Control* c;
    if (int status = Lookup(panel, control, &c); status < 0) {
        return status;
    }
    auto* field = qobject_cast<NumericField*>(c->widget);
    if (field == nullptr || field->dataType() != type) {
        return fail(UIEWrongType, "control " + std::to_string(control) + " holds another type");
    }
    *value = field->value();
    return 0;
}

}  // namespace

int SetCtrlVal(int panel, int control, int value) {
    return SetNumber(panel, control, value);
}

int SetCtrlVal(int panel, int control, float value) {
    return SetNumber(panel, control, value);
}

int SetCtrlVal(int panel, int control, double value) {
    return SetNumber(panel, control, value);
}

int SetCtrlVal(int panel, int control, const char* value) {
    Control* c;
    if (int status = Lookup(panel, control, &c); status < 0) {
        return status;
    }
    if (auto* string = qobject_cast<StringField*>(c->widget)) {
        string->setText(QString::fromUtf8(value ? value : ""));
        return 0;
    }
    if (c->kind != CTRL_TEXT_MSG) {
        return fail(UIEWrongType, "control " + std::to_string(control) + " takes no text");
    }
    auto* label = static_cast<QLabel*>(c->widget);
    Panel& p = *findPanel(panel);
    const QString before = label->text();
    const QSize sizeBefore = p.loading ? QSize() : label->sizeHint();
    label->setText(QString::fromUtf8(value ? value : ""));
    // A text of the same size leaves every place on the panel as it was; the
    // report changes on every step of a drag, so this is the common case.
    if (!p.loading && label->sizeHint() != sizeBefore) {
        relayout(p, *c);
    }
    announceText(label, before, label->text());
    refreshDescriptions(p);
    return 0;
}

int GetCtrlVal(int panel, int control, int* value) {
    double number;
    const int status = GetNumber(panel, control, VAL_INTEGER, &number);
    if (status == 0) {
        *value = static_cast<int>(number);
    }
    return status;
}

int GetCtrlVal(int panel, int control, float* value) {
    double number;
    const int status = GetNumber(panel, control, VAL_FLOAT, &number);
    if (status == 0) {
        *value = static_cast<float>(number);
    }
    return status;
}

int GetCtrlVal(int panel, int control, double* value) {
    return GetNumber(panel, control, VAL_DOUBLE, value);
}

int GetCtrlVal(int panel, int control, std::string* value) {
    Control* c;
    if (int status = Lookup(panel, control, &c); status < 0) {
        return status;
    }
    if (auto* string = qobject_cast<StringField*>(c->widget)) {
        *value = string->text().toStdString();
        return 0;
    }
    if (c->kind != CTRL_TEXT_MSG) {
        return fail(UIEWrongType, "control " + std::to_string(control) + " holds no text");
    }
    *value = static_cast<QLabel*>(c->widget)->text().toStdString();
    return 0;
}

int DefaultCtrl(int panel, int control) {
    Control* c;
    if (int status = Lookup(panel, control, &c); status < 0) {
        return status;
    }
    auto it = c->attributes.find(ATTR_DFLT_VALUE);
    if (c->kind == CTRL_NUMERIC) {
        const AttrValue value = it == c->attributes.end() ? AttrValue(0.0) : it->second;
        const double number =
            std::holds_alternative<int>(value) ? std::get<int>(value) : std::get<double>(value);
        return SetCtrlVal(panel, control, number);
    }
    if (c->kind == CTRL_TEXT_MSG || c->kind == CTRL_STRING) {
        const std::string text = it == c->attributes.end() ? "" : std::get<std::string>(it->second);
        return SetCtrlVal(panel, control, text.c_str());
    }
    return fail(UIEBadControlId, "control " + std::to_string(control) + " has no value");
}
