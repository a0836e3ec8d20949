// SPDX-License-Identifier: MIT
// Panels: creation, display, attributes, and scaling of their contents.
#include <QFrame>
#include <QLabel>

#include <cmath>

#include "layout/text_layout.h"
#include "panels/panels.h"

namespace ui {

namespace {

int PanelInt(const Panel& panel, int attribute, int fallback) {
    auto it = panel.attributes.find(attribute);
    return it == panel.attributes.end() ? fallback : std::get<int>(it->second);
}

}  // namespace

void placeWindow(Panel& panel) {
    panel.widget->setGeometry(PanelInt(panel, ATTR_LEFT, 0), PanelInt(panel, ATTR_TOP, 0),
                              PanelInt(panel, ATTR_WIDTH, 100), PanelInt(panel, ATTR_HEIGHT, 100));
    if (panel.window && !PanelInt(panel, ATTR_SIZABLE, 0)) {
        panel.window->setFixedSize(panel.window->size());
    }
}

void takeWindowPlace(Panel& panel) {
    if (panel.window) {
        panel.attributes[ATTR_LEFT] = panel.window->geometry().left();
        panel.attributes[ATTR_TOP] = panel.window->geometry().top();
    }
}

namespace {

int Scaled(int value, double factor) {
    return static_cast<int>(std::lround(value * factor));
}

// Moves and resizes every control by the panel's change of size.
void ScaleContents(Panel& panel, double fx, double fy) {
    for (auto& control : panel.controls) {
        for (int attribute :
             {ATTR_TOP, ATTR_HEIGHT, ATTR_LABEL_TOP, ATTR_LEFT, ATTR_WIDTH, ATTR_LABEL_LEFT}) {
            auto it = control->attributes.find(attribute);
            const bool vertical =
                attribute == ATTR_TOP || attribute == ATTR_HEIGHT || attribute == ATTR_LABEL_TOP;
            if (it != control->attributes.end()) {
                SetCtrlAttribute(panel.handle, control->id, attribute,
                                 Scaled(std::get<int>(it->second), vertical ? fy : fx));
            } else if (attribute == ATTR_WIDTH || attribute == ATTR_HEIGHT) {
                const int size = vertical ? control->widget->height() : control->widget->width();
                SetCtrlAttribute(panel.handle, control->id, attribute,
                                 Scaled(size, vertical ? fy : fx));
            }
        }
    }
}

// A child panel's frame: none, a line, or raised.
int ApplyFrameStyle(Panel& p, int style) {
    static const int kShapes[] = {QFrame::NoFrame, QFrame::Box, QFrame::Panel | QFrame::Raised};
    if (p.parent == 0 || style < VAL_NO_FRAME || style > VAL_RAISED_FRAME) {
        return fail(UIEBadValue, "frame style is for panels inside a parent");
    }
    p.widget->setFrameStyle(kShapes[style]);
    return 0;
}

// A new width or height, scaling the contents when the panel asks for that.
int Resize(Panel& p, int attribute, int value) {
    if (value <= 0) {
        return fail(UIEBadValue, "a panel needs a positive size");
    }
    const int old = PanelInt(p, attribute, value);
    if (PanelInt(p, ATTR_SCALE_CONTENTS_ON_RESIZE, 0) && old != value) {
        const double factor = static_cast<double>(value) / old;
        ScaleContents(p, attribute == ATTR_WIDTH ? factor : 1.0,
                      attribute == ATTR_HEIGHT ? factor : 1.0);
    }
    return 0;
}

// Puts a whole-number attribute into the panel's widget, or refuses it; may
// normalise the value to store.
int ApplyPanelInt(Panel& p, int attribute, int* value) {
    switch (attribute) {
        case ATTR_BACKCOLOR: {
            QPalette palette = p.widget->palette();
            palette.setColor(QPalette::Window, QColor(QRgb(*value)));
            p.widget->setPalette(palette);
            return 0;
        }
        case ATTR_CLOSE_CTRL:
            if (*value != 0 && p.find(*value) == nullptr) {
                return fail(UIEBadControlId,
                            "close control " + std::to_string(*value) + " unknown");
            }
            return 0;
        case ATTR_SCALE_CONTENTS_ON_RESIZE:
        case ATTR_SIZABLE:
            *value = *value != 0;
            return 0;
        case ATTR_FRAME_STYLE:
            return ApplyFrameStyle(p, *value);
        case ATTR_TOP:
        case ATTR_LEFT:
            return 0;
        case ATTR_WIDTH:
        case ATTR_HEIGHT:
            return Resize(p, attribute, *value);
        default:
            return fail(UIEBadAttribute,
                        "attribute " + std::to_string(attribute) + " is not a panel's int");
    }
}

}  // namespace
}  // namespace ui

using namespace ui;

int NewPanel(int parent, const char* title, int top, int left, int height, int width) {
    Runtime& rt = runtime();
    if (!rt.app) {
        return fail(UIENotInitialized, "NewPanel before InitCVIRTE");
    }
    Panel* parentPanel = nullptr;
    if (parent != 0 && (parentPanel = findPanel(parent)) == nullptr) {
        return fail(UIEBadPanelHandle, "no parent panel " + std::to_string(parent));
    }
    if (height <= 0 || width <= 0) {
        return fail(UIEBadValue, "a panel needs a positive size");
    }
    fontsReady();
    auto panel = std::make_unique<Panel>();
    panel->handle = rt.nextPanel++;
    panel->parent = parent;
    if (parentPanel) {
        panel->widget = new PanelWidget(parentPanel->widget);
    } else {
        panel->window = std::make_unique<PanelWidget>(nullptr);
        panel->widget = panel->window.get();
    }
    panel->attributes[ATTR_TOP] = top;
    panel->attributes[ATTR_LEFT] = left;
    panel->attributes[ATTR_HEIGHT] = height;
    panel->attributes[ATTR_WIDTH] = width;
    panel->attributes[ATTR_TITLE] = std::string(title);
    panel->widget->setWindowTitle(QString::fromUtf8(title));
    placeWindow(*panel);
    raisePanelEvents(*panel);
    const int handle = panel->handle;
    rt.panels[handle] = std::move(panel);
    return handle;
}

int DisplayPanel(int panel) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    arrangeTexts(*p);
    if (PanelInt(*p, ATTR_SIZABLE, 0)) {
        fitOnScreen(*p);
    }
    p->widget->show();
    p->widget->activateWindow();
    return 0;
}

int HidePanel(int panel) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    p->widget->hide();
    return 0;
}

int DiscardPanel(int panel) {
    Runtime& rt = runtime();
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    // Children first: their widgets die with this panel's.
    std::vector<int> children;
    for (const auto& [handle, other] : rt.panels) {
        if (other->parent == panel) {
            children.push_back(handle);
        }
    }
    for (int child : children) {
        DiscardPanel(child);
    }
    auto it = rt.panels.find(panel);
    std::unique_ptr<Panel> doomed = std::move(it->second);
    rt.panels.erase(it);
    if (!doomed->window) {
        delete doomed->widget.data();
    }
    return 0;
}

int SetPanelAttribute(int panel, int attribute, int value) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    if (int status = ApplyPanelInt(*p, attribute, &value); status < 0) {
        return status;
    }
    takeWindowPlace(*p);  // a new width keeps the place the user gave the window
    p->attributes[attribute] = value;
    if (attribute == ATTR_TOP || attribute == ATTR_LEFT || attribute == ATTR_WIDTH ||
        attribute == ATTR_HEIGHT || attribute == ATTR_SIZABLE) {
        if (p->window) {
            p->window->setMinimumSize(0, 0);
            p->window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        }
        placeWindow(*p);
    }
    return 0;
}

int SetPanelAttribute(int panel, int attribute, const char* value) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    if (attribute == ATTR_TITLE) {
        p->widget->setWindowTitle(QString::fromUtf8(value));
    } else if (attribute != ATTR_CONSTANT_NAME) {
        return fail(UIEWrongType, "attribute " + std::to_string(attribute) + " takes no text");
    }
    p->attributes[attribute] = std::string(value);
    return 0;
}

int GetPanelAttribute(int panel, int attribute, int* value) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    takeWindowPlace(*p);
    auto it = p->attributes.find(attribute);
    if (it != p->attributes.end() && std::holds_alternative<int>(it->second)) {
        *value = std::get<int>(it->second);
        return 0;
    }
    const AttrInfo* info = attributeInfo(attribute);
    if (info == nullptr || !(info->on & ON_PANEL) || info->type != AttrType::Int) {
        return fail(UIEBadAttribute, "attribute " + std::to_string(attribute) + " is no panel int");
    }
    // A panel without a colour of its own shows the desktop's.
    *value = attribute == ATTR_BACKCOLOR
                 ? static_cast<int>(p->widget->palette().color(QPalette::Window).rgb() & 0xFFFFFF)
                 : 0;
    return 0;
}

int GetPanelAttribute(int panel, int attribute, std::string* value) {
    Panel* p;
    if (int status = lookupPanel(panel, &p); status < 0) {
        return status;
    }
    auto it = p->attributes.find(attribute);
    if (it != p->attributes.end() && std::holds_alternative<std::string>(it->second)) {
        *value = std::get<std::string>(it->second);
        return 0;
    }
    if (attribute != ATTR_CONSTANT_NAME) {
        return fail(UIEBadAttribute,
                    "attribute " + std::to_string(attribute) + " is no panel text");
    }
    value->clear();
    return 0;
}
