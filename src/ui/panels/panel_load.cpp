// SPDX-License-Identifier: MIT
// Reading panel files. A damaged file is refused with the reason, and the
// panel built so far is discarded.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>
#include <QtEndian>

#include <cmath>
#include <set>

#include "controls/controls.h"
#include "panels/panel_file.h"
#include "panels/regular_file.h"
#include "widgets/numeric_field.h"
#include "widgets/picture_widget.h"

using namespace ui;

namespace {

// Far above any real panel (the program's own, pictures included, is a few
// hundred kilobytes); a larger file is damaged or not a panel file at all.
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

bool ReadNumber(const QJsonValue& json, double* v) {
    if (json.isDouble()) {
        *v = json.toDouble();
        return true;
    }
    const QString text = json.toString();
    if (text == "inf" || text == "-inf" || text == "nan") {
        *v = text == "nan" ? NAN : (text == "inf" ? INFINITY : -INFINITY);
        return true;
    }
    return false;
}

// The PNG signature and an image header with a size: enough to refuse what
// is no PNG without the image readers, whose plugins take longer to load
// than the rest of the panel takes to build.
constexpr int kPngHeaderBase64 = 32;  // the first 24 bytes

bool PngHeader(const QByteArray& bytes) {
    static const char kSignature[] = "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR";
    if (bytes.size() < 24 || !bytes.startsWith(QByteArray(kSignature, 16))) {
        return false;
    }
    auto dimension = [&](int at) { return qFromBigEndian<quint32>(bytes.constData() + at); };
    const quint32 width = dimension(16), height = dimension(20);
    return width > 0 && height > 0 && width <= INT32_MAX && height <= INT32_MAX;
}

bool ReadInt(const QJsonValue& json, int* v) {
    const double d = json.toDouble(NAN);
    if (!json.isDouble() || d != std::floor(d) || d < INT32_MIN || d > INT32_MAX) {
        return false;
    }
    *v = static_cast<int>(d);
    return true;
}

// A failure while reading; the panel built so far is discarded.
struct Broken {
    int status;
};

[[noreturn]] void Bad(const QString& what) {
    fail(UIEBadPanelFile, what.toStdString());
    throw Broken{UIEBadPanelFile};
}

void Check(int status) {
    if (status < 0) {
        throw Broken{status};
    }
}

// What a value is, for a refusal; put together only then, since a panel file
// holds hundreds of values.
struct What {
    What(const char* prefix, const char* name = "") : prefix(prefix), name(name) {}
    const char* prefix;
    const char* name;
    QString operator+(const char* complaint) const {
        return QString::fromUtf8(prefix) + QString::fromUtf8(name) + complaint;
    }
};

int RequireInt(const QJsonValue& json, What what) {
    int v;
    if (!ReadInt(json, &v)) {
        Bad(what + " is not a whole number");
    }
    return v;
}

double RequireNumber(const QJsonValue& json, What what) {
    double v;
    if (!ReadNumber(json, &v)) {
        Bad(what + " is not a number");
    }
    return v;
}

AttrValue Decode(const AttrInfo& info, const QJsonValue& json, bool textValue) {
    const What what{"attribute ", info.name};
    AttrType type = info.type;
    if (type == AttrType::Value) {
        type = textValue ? AttrType::Text : AttrType::Double;
    }
    switch (type) {
        case AttrType::Int:
            return RequireInt(json, what);
        case AttrType::Double:
            return RequireNumber(json, what);
        case AttrType::Text:
            if (!json.isString()) {
                Bad(what + " is not text");
            }
            return json.toString().toStdString();
        default: {
            CtrlCallbackPtr function = callbackByName(json.toString().toStdString());
            if (function == nullptr) {
                fail(UIEUnknownCallback, "no callback named " + json.toString().toStdString());
                throw Broken{UIEUnknownCallback};
            }
            return function;
        }
    }
}

// Calls apply(id, value) for each attribute in the table's order: types before
// ranges, ranges before values. Unknown or misplaced attributes are refused.
template <typename Apply>
void ReplayAttributes(const QJsonValue& json, unsigned on, bool textValue, Apply apply) {
    if (!json.isObject()) {
        Bad("attributes are not an object");
    }
    const QJsonObject object = json.toObject();
    int count;
    const AttrInfo* table = attributeTable(&count);
    int used = 0;
    for (int i = 0; i < count; ++i) {
        const QJsonValue value = object.value(QLatin1String(table[i].name));
        if (value.isUndefined()) {
            continue;
        }
        if (!(table[i].on & on) || keptApart(table[i].id)) {
            Bad(QString("attribute %1 does not belong here").arg(table[i].name));
        }
        ++used;
        Check(apply(table[i].id, Decode(table[i], value, textValue)));
    }
    if (used != object.size()) {
        Bad("unknown attribute");
    }
}

template <typename... Overloads>
struct Visitor : Overloads... {
    using Overloads::operator()...;
};
template <typename... Overloads>
Visitor(Overloads...) -> Visitor<Overloads...>;

int SetControl(int panel, int control, int attribute, const AttrValue& value) {
    return std::visit(
        Visitor{[&](const std::string& v) {
                    return SetCtrlAttribute(panel, control, attribute, v.c_str());
                },
                [&](auto v) { return SetCtrlAttribute(panel, control, attribute, v); }},
        value);
}

int SetPanel(int panel, int attribute, const AttrValue& value) {
    if (auto* text = std::get_if<std::string>(&value)) {
        return SetPanelAttribute(panel, attribute, text->c_str());
    }
    if (auto* number = std::get_if<int>(&value)) {
        return SetPanelAttribute(panel, attribute, *number);
    }
    Bad("panel attributes are whole numbers or text");
}

int KindOf(const QJsonValue& json) {
    for (int kind = CTRL_NUMERIC; kind <= CTRL_BAND_CHART; ++kind) {
        if (json.toString() == kKindNames[kind]) {
            return kind;
        }
    }
    Bad("unknown control kind " + json.toString());
}

void ReadGraph(int panel, int id, const QJsonObject& json) {
    const QJsonArray axes = json.value("axes").toArray();
    if (axes.size() != 3) {
        Bad("a graph has three axes");
    }
    for (int axis = VAL_XAXIS; axis <= VAL_RIGHT_YAXIS; ++axis) {
        const QJsonObject a = axes[axis].toObject();
        Check(SetAxisScalingMode(panel, id, axis, RequireInt(a.value("mode"), "axis mode"),
                                 RequireNumber(a.value("min"), "axis minimum"),
                                 RequireNumber(a.value("max"), "axis maximum")));
    }
    const QJsonArray cursors = json.value("cursors").toArray();
    Check(SetCtrlAttribute(panel, id, ATTR_NUM_CURSORS, static_cast<int>(cursors.size())));
    for (int i = 0; i < cursors.size(); ++i) {
        const QJsonObject c = cursors[i].toObject();
        Check(SetCursorAttribute(panel, id, i + 1, ATTR_CURSOR_COLOR,
                                 RequireInt(c.value("color"), "cursor colour")));
        Check(SetCursorAttribute(panel, id, i + 1, ATTR_CURSOR_YAXIS,
                                 RequireInt(c.value("yAxis"), "cursor axis")));
        Check(SetCursorAttribute(panel, id, i + 1, ATTR_CURSOR_ENABLED,
                                 RequireInt(c.value("enabled"), "cursor switch")));
        Check(SetGraphCursor(panel, id, i + 1, RequireNumber(c.value("x"), "cursor x"),
                             RequireNumber(c.value("y"), "cursor y")));
    }
}

// Only the root element is read now; the picture draws the rest when shown.
void ReadSvg(int panel, int id, const QJsonValue& json) {
    const QByteArray svg = json.toString().toUtf8();
    QXmlStreamReader reader(svg);
    if (!json.isString() || !reader.readNextStartElement() || reader.name() != u"svg") {
        Bad("a picture's image is no SVG");
    }
    Panel* p;
    Control* control;
    Check(lookup(panel, id, &p, &control));
    static_cast<PictureWidget*>(control->widget)->setSvg(svg);
}

void ReadControl(int panel, const QJsonValue& json) {
    const QJsonObject c = json.toObject();
    const int kind = KindOf(c.value("kind"));
    const int id = NewCtrl(panel, kind, "", 0, 0);
    Check(id);
    if (RequireInt(c.value("id"), "control id") != id) {
        Bad(QString("control ids must follow creation order; expected %1").arg(id));
    }
    const bool textValue = kind == CTRL_TEXT_MSG || kind == CTRL_STRING;
    ReplayAttributes(c.value("attributes"), kindBit(kind), textValue,
                     [&](int attribute, const AttrValue& value) {
                         return SetControl(panel, id, attribute, value);
                     });
    const QJsonValue value = c.value("value");
    if (kind == CTRL_NUMERIC) {
        Check(SetCtrlVal(panel, id, RequireNumber(value, "a field's value")));
    } else if (textValue) {
        Check(SetCtrlVal(panel, id, value.toString().toUtf8().constData()));
    } else if (kind == CTRL_GRAPH) {
        ReadGraph(panel, id, c.value("graph").toObject());
    } else if (kind == CTRL_PICTURE && c.contains("svg")) {
        ReadSvg(panel, id, c.value("svg"));
    } else if (kind == CTRL_PICTURE && c.contains("image")) {
        const QByteArray base64 = c.value("image").toString().toLatin1();
        if (!PngHeader(QByteArray::fromBase64(base64.left(kPngHeaderBase64)))) {
            Bad("a picture's image is no PNG");
        }
        Panel* p;
        Control* control;
        Check(lookup(panel, id, &p, &control));
        static_cast<PictureWidget*>(control->widget)->setEncodedImage(base64);
    }
}

// An order must name each control once.
std::vector<int> ReadOrder(const QJsonValue& json, const Panel& panel, const char* what) {
    std::vector<int> order;
    std::set<int> seen;
    for (const QJsonValue& v : json.toArray()) {
        const int id = RequireInt(v, what);
        if (panel.find(id) == nullptr || !seen.insert(id).second) {
            Bad(QString("%1 names control %2 wrongly").arg(what).arg(id));
        }
        order.push_back(id);
    }
    if (order.size() != panel.controls.size()) {
        Bad(QString("%1 does not name every control").arg(what));
    }
    return order;
}

// A panel read from a file is laid out once, when all of it is there, rather
// than after every attribute of every control; its fields are fitted then.
class Loading {
  public:
    explicit Loading(Panel& panel) : panel_(panel) { panel_.loading = true; }
    ~Loading() {
        panel_.loading = false;
        for (const auto& c : panel_.controls) {
            layout(*c);
            if (auto* field = qobject_cast<NumericField*>(c->widget)) {
                field->holdFitting(false);
            }
        }
    }
    Loading(const Loading&) = delete;
    Loading& operator=(const Loading&) = delete;

  private:
    Panel& panel_;
};

void ReadPanel(int parent, const QJsonObject& json, int* handle) {
    *handle = NewPanel(parent, json.value("title").toString().toUtf8().constData(),
                       RequireInt(json.value("top"), "panel top"),
                       RequireInt(json.value("left"), "panel left"),
                       RequireInt(json.value("height"), "panel height"),
                       RequireInt(json.value("width"), "panel width"));
    Check(*handle);
    const int panel = *handle;
    ReplayAttributes(
        json.value("attributes"), ON_PANEL, false,
        [&](int attribute, const AttrValue& value) { return SetPanel(panel, attribute, value); });
    const Loading loading(*findPanel(panel));
    for (const QJsonValue& control : json.value("controls").toArray()) {
        ReadControl(panel, control);
    }
    Panel* p = findPanel(panel);
    const std::vector<int> createdFrontToBack = p->frontToBack;
    const std::vector<int> createdTabOrder = p->tabOrder;
    p->frontToBack = ReadOrder(json.value("frontToBack"), *p, "front-to-back order");
    p->tabOrder = ReadOrder(json.value("tabOrder"), *p, "tab order");
    // Re-chaining costs Qt time in the square of the controls; creation has
    // set up the usual orders already.
    if (p->frontToBack != createdFrontToBack) {
        applyFrontToBack(*p);
    }
    if (p->tabOrder != createdTabOrder) {
        applyTabOrder(*p);
    }
    Check(SetPanelAttribute(panel, ATTR_CLOSE_CTRL,
                            RequireInt(json.value("closeControl"), "close control")));
}

}  // namespace

int LoadPanel(int parent, const char* fileName, int resourceId) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "LoadPanel before InitCVIRTE");
    }
    char path[MAX_PATHNAME_LEN];
    const bool relative = fileName[0] != '/';
    if (relative) {
        char directory[MAX_PATHNAME_LEN];
        if (int status = GetProjectDir(directory); status < 0) {
            return status;
        }
        if (int status = MakePathname(directory, fileName, path); status < 0) {
            return status;
        }
    }
    QByteArray bytes;
    if (int status = readRegularFile(relative ? path : fileName, kMaxFileBytes, &bytes);
        status < 0) {
        return status;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (document.isNull()) {
        return fail(UIEBadPanelFile, "not JSON: " + error.errorString().toStdString());
    }
    const QJsonObject root = document.object();
    if (root.value("format").toString() != kPanelFileFormat ||
        root.value("version").toInt() != kPanelFileVersion) {
        return fail(UIEBadPanelFile, "not a panel file of this version");
    }
    for (const QJsonValue& entry : root.value("panels").toArray()) {
        const QJsonObject json = entry.toObject();
        if (json.value("resource").toInt(-1) != resourceId) {
            continue;
        }
        int handle = 0;
        try {
            ReadPanel(parent, json, &handle);
        } catch (const Broken& broken) {
            if (handle > 0) {
                DiscardPanel(handle);
            }
            return broken.status;
        }
        return handle;
    }
    return fail(UIEResourceNotFound, "no panel " + std::to_string(resourceId) + " in file");
}
