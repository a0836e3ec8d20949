// SPDX-License-Identifier: MIT
// Writing panel files.
#include <QBuffer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>

#include <cmath>

#include "controls/controls.h"
#include "model/model.h"
#include "panels/panel_file.h"
#include "widgets/graph/graph_widget.h"
#include "widgets/numeric_field.h"
#include "widgets/picture_widget.h"

using namespace ui;

namespace {

QJsonValue Number(double v) {
    if (std::isfinite(v)) {
        return v;
    }
    return std::isnan(v) ? "nan" : (v > 0 ? "inf" : "-inf");
}

int AttributesToJson(const std::map<int, AttrValue>& attributes, QJsonObject* out) {
    for (const auto& [id, value] : attributes) {
        const AttrInfo* info = attributeInfo(id);
        if (info == nullptr || keptApart(id)) {
            continue;
        }
        if (auto* i = std::get_if<int>(&value)) {
            (*out)[info->name] = *i;
        } else if (auto* d = std::get_if<double>(&value)) {
            (*out)[info->name] = Number(*d);
        } else if (auto* s = std::get_if<std::string>(&value)) {
            (*out)[info->name] = QString::fromStdString(*s);
        } else {
            const char* name = callbackName(std::get<CtrlCallbackPtr>(value));
            if (name == nullptr) {
                return fail(UIEUnknownCallback,
                            std::string("unregistered callback in ") + info->name);
            }
            (*out)[info->name] = name;
        }
    }
    return 0;
}

QJsonObject GraphToJson(GraphWidget& graph) {
    QJsonArray axes;
    for (int axis = VAL_XAXIS; axis <= VAL_RIGHT_YAXIS; ++axis) {
        const GraphWidget::Axis a = graph.axis(axis);
        axes.append(QJsonObject{{"mode", a.mode}, {"min", Number(a.min)}, {"max", Number(a.max)}});
    }
    QJsonArray cursors;
    for (int i = 0; i < graph.cursorCount(); ++i) {
        const GraphWidget::Cursor& c = graph.cursor(i);
        cursors.append(QJsonObject{{"x", Number(c.x)},
                                   {"y", Number(c.y)},
                                   {"color", static_cast<int>(c.color.rgb() & 0xFFFFFF)},
                                   {"yAxis", c.yAxis},
                                   {"enabled", c.enabled ? 1 : 0}});
    }
    return {{"axes", axes}, {"cursors", cursors}};
}

int ControlToJson(const Control& c, QJsonObject* out) {
    QJsonObject attributes;
    if (int status = AttributesToJson(c.attributes, &attributes); status < 0) {
        return status;
    }
    (*out)["id"] = c.id;
    (*out)["kind"] = kKindNames[c.kind];
    (*out)["attributes"] = attributes;
    if (auto* field = qobject_cast<NumericField*>(c.widget)) {
        (*out)["value"] = Number(field->value());
    } else if (auto* text = qobject_cast<QLabel*>(c.widget)) {
        (*out)["value"] = text->text();
    } else if (auto* string = qobject_cast<QLineEdit*>(c.widget)) {
        (*out)["value"] = string->text();
    } else if (auto* graph = qobject_cast<GraphWidget*>(c.widget)) {
        (*out)["graph"] = GraphToJson(*graph);
    } else if (auto* picture = qobject_cast<PictureWidget*>(c.widget);
               picture && !picture->svg().isEmpty()) {
        (*out)["svg"] = QString::fromUtf8(picture->svg());
    } else if (c.kind == CTRL_PICTURE && !pictureOf(c).isNull()) {
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        pictureOf(c).save(&png, "PNG");
        (*out)["image"] = QString::fromLatin1(png.data().toBase64());
    }
    return 0;
}

QJsonArray Ids(const std::vector<int>& ids) {
    QJsonArray array;
    for (int id : ids) {
        array.append(id);
    }
    return array;
}

}  // namespace

int SavePanel(int panel, const char* fileName, int resourceId) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    QJsonObject attributes;
    std::map<int, AttrValue> panelAttributes = p->attributes;
    for (int apart : {ATTR_TOP, ATTR_LEFT, ATTR_HEIGHT, ATTR_WIDTH}) {
        panelAttributes.erase(apart);
    }
    if (int status = AttributesToJson(panelAttributes, &attributes); status < 0) {
        return status;
    }
    QJsonArray controls;
    for (const auto& c : p->controls) {
        QJsonObject control;
        if (int status = ControlToJson(*c, &control); status < 0) {
            return status;
        }
        controls.append(control);
    }
    int top, left, height, width, closeControl;
    GetPanelAttribute(panel, ATTR_TOP, &top);
    GetPanelAttribute(panel, ATTR_LEFT, &left);
    GetPanelAttribute(panel, ATTR_HEIGHT, &height);
    GetPanelAttribute(panel, ATTR_WIDTH, &width);
    GetPanelAttribute(panel, ATTR_CLOSE_CTRL, &closeControl);
    const QJsonObject json{
        {"resource", resourceId},
        {"title", p->widget->windowTitle()},
        {"top", top},
        {"left", left},
        {"height", height},
        {"width", width},
        {"attributes", attributes},
        {"controls", controls},
        {"frontToBack", Ids(p->frontToBack)},
        {"tabOrder", Ids(p->tabOrder)},
        {"closeControl", closeControl},
    };
    const QJsonObject document{
        {"format", kPanelFileFormat}, {"version", kPanelFileVersion}, {"panels", QJsonArray{json}}};
    QSaveFile file(QFile::decodeName(fileName));
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(document).toJson()) < 0 ||
        !file.commit()) {
        return fail(UIEFileWrite, std::string("cannot write ") + fileName);
    }
    return 0;
}
