// SPDX-License-Identifier: MIT
#include "layout/text_layout.h"

#include <algorithm>

#include "layout/layout.h"
#include "widgets/graph/graph_widget.h"
#include "widgets/text/fitting_label.h"
#include "widgets/text/text_fit.h"

namespace ui {
namespace {

// Pixels kept free between a text and whatever is beside it.
constexpr int kGap = 3;

// A control or caption of the panel with the place it gets; a text among
// them also gets the font it is drawn in.
struct Item {
    QWidget* widget;
    QRect rect;
    bool visible;
    FittingLabel* text;    // a caption or text message, to arrange
    const QWidget* field;  // what a caption belongs to
    QFont drawn = {};
};

// The free stretch of a text's rows, [lo, hi).
struct Room {
    int lo;
    int hi;
};

bool SameRows(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// Where a text that lies on this control must stay: inside a box; on a
// graph, inside its plot.
QRect Inside(const Item& control) {
    if (auto* graph = qobject_cast<const GraphWidget*>(control.widget)) {
        return graph->plotArea().toAlignedRect().translated(control.rect.topLeft());
    }
    return control.rect;
}

bool Beside(const Item& other, const Item& text) {
    const QRect o = other.rect;
    return &other != &text && other.visible && !o.isEmpty() && SameRows(o, text.rect);
}

// Whether a text lies on this item: a box or a plot beside it, other than its
// own field, that holds its corner. It stays inside it.
bool LiesOn(const Item& text, const Item& other) {
    return Beside(other, text) && other.text == nullptr && other.widget != text.field &&
           other.rect.contains(text.rect.topLeft());
}

// The room between the nearest items left and right of a text on its rows;
// which side an item is on goes by where it begins, as a long text may reach
// past the middle of its field.
Room RoomFor(const std::vector<Item>& items, const Item& text, int panelWidth) {
    const QRect home = text.rect;
    Room room{kGap, panelWidth - kGap};
    for (const Item& other : items) {
        const QRect o = other.rect;
        if (!Beside(other, text)) {
            continue;
        }
        if (LiesOn(text, other)) {
            const QRect inside = Inside(other);
            room.lo = std::max(room.lo, inside.left() + kGap);
            room.hi = std::min(room.hi, inside.right() + 1 - kGap);
        } else if (o.left() < home.left()) {
            room.lo = std::max(room.lo, o.right() + 1 + kGap);
        } else {
            room.hi = std::min(room.hi, o.left() - kGap);
        }
    }
    return room;
}

// Leaves a text where it is if it fits there; else moves it into the room;
// else fits its font to the whole room.
void Place(Item& item, const Room& room) {
    const FittingLabel& text = *item.text;
    const QRect home = item.rect;
    const int needed = text.sizeHint().width();
    item.drawn = text.font();
    if (home.left() >= room.lo && home.left() + needed <= room.hi) {
        return;
    }
    if (needed <= room.hi - room.lo) {
        const int left = std::clamp(home.left(), room.lo, room.hi - needed);
        const int width = std::min(std::max(home.width(), needed), room.hi - left);
        item.rect = QRect(left, home.top(), width, home.height());
        return;
    }
    const QString shown = text.buddy() ? QString(text.text()).remove('&') : text.text();
    const int margins = needed - textWidth(text.font(), shown);
    item.rect = QRect(room.lo, home.top(), room.hi - room.lo, home.height());
    item.drawn = fittingFont(text.font(), shown, room.hi - room.lo - margins);
}

// Every control and caption at the place its attributes give. Hidden ones
// and empty captions are in no one's way.
std::vector<Item> Items(const Panel& panel) {
    std::vector<Item> items;
    for (const auto& c : panel.controls) {
        const Placement place = placement(*c);
        items.push_back({c->widget, place.widget, c->widget->isVisibleTo(panel.widget),
                         qobject_cast<FittingLabel*>(c->widget), nullptr});
        if (c->label) {
            items.push_back({c->label, place.label,
                             c->label->isVisibleTo(panel.widget) && !c->label->text().isEmpty(),
                             qobject_cast<FittingLabel*>(c->label), c->widget});
        }
    }
    return items;
}

int Depth(const Panel& panel, int id) {
    return static_cast<int>(std::find(panel.frontToBack.begin(), panel.frontToBack.end(), id) -
                            panel.frontToBack.begin());
}

// A text in front of a graph, on a transparent ground, lies on its plot.
void GiveGraphsTheirTexts(const Panel& panel) {
    for (const auto& g : panel.controls) {
        auto* graph = qobject_cast<GraphWidget*>(g->widget);
        if (graph == nullptr) {
            continue;
        }
        std::vector<QPointer<FittingLabel>> texts;
        for (const auto& t : panel.controls) {
            auto* text = qobject_cast<FittingLabel*>(t->widget);
            if (text && !text->autoFillBackground() && Depth(panel, t->id) < Depth(panel, g->id) &&
                text->geometry().intersects(graph->geometry())) {
                texts.emplace_back(text);
            }
        }
        graph->setTextsInFront(std::move(texts));
    }
}

}  // namespace

void relayout(Panel& panel, Control& control) {
    if (panel.loading) {
        return;
    }
    if (panel.widget && panel.widget->isVisible()) {
        arrangeTexts(panel);
    } else {
        layout(control);
    }
}

void arrangeTexts(Panel& panel) {
    std::vector<Item> items = Items(panel);
    // A text that lies on a box or a plot is drawn inside it, however long
    // its lines: the texts beside it meet it there.
    for (Item& item : items) {
        for (const Item& other : items) {
            if (item.text && LiesOn(item, other)) {
                item.rect &= Inside(other);
            }
        }
    }
    for (Item& item : items) {
        if (item.text && item.visible && !item.text->text().isEmpty()) {
            Place(item, RoomFor(items, item, panel.widget->width()));
        }
    }
    for (const Item& item : items) {
        item.widget->setGeometry(item.rect);
        if (item.text) {
            item.text->drawIn(item.drawn == QFont() ? item.text->font() : item.drawn);
        }
    }
    GiveGraphsTheirTexts(panel);
}

}  // namespace ui
