#include "text_layout.h"

#include <algorithm>

#include "controls.h"
#include "fitting_label.h"
#include "graph_widget.h"
#include "text_fit.h"

namespace ui {
namespace {

// Pixels kept free between a text and whatever is beside it.
constexpr int kGap = 3;

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
QRect Inside(const QWidget* control) {
    if (auto* graph = qobject_cast<const GraphWidget*>(control)) {
        return graph->plotArea().toAlignedRect().translated(graph->pos());
    }
    return control->geometry();
}

// The room between the nearest controls left and right of home on its rows.
// A control that holds the text's corner is what it lies on (a box, a plot):
// the text stays inside it.
Room RoomFor(const Panel& panel, const QWidget* text, const QWidget* field, const QRect& home) {
    Room room{kGap, panel.widget->width() - kGap};
    auto narrow = [&](const QWidget* other) {
        const QRect o = other->geometry();
        if (other == text || !other->isVisibleTo(panel.widget) || o.isEmpty() ||
            !SameRows(o, home)) {
            return;
        }
        if (other != field && o.contains(home.topLeft())) {
            const QRect inside = Inside(other);
            room.lo = std::max(room.lo, inside.left() + kGap);
            room.hi = std::min(room.hi, inside.right() + 1 - kGap);
        } else if (o.center().x() < home.center().x()) {
            room.lo = std::max(room.lo, o.right() + 1 + kGap);
        } else {
            room.hi = std::min(room.hi, o.left() - kGap);
        }
    };
    for (const auto& c : panel.controls) {
        narrow(c->widget);
        if (c->label && !c->label->text().isEmpty()) {
            narrow(c->label);
        }
    }
    return room;
}

void Place(FittingLabel& text, const Room& room) {
    const QRect home = text.geometry();
    const int needed = text.sizeHint().width();
    if (home.left() >= room.lo && home.left() + needed <= room.hi) {
        text.drawInOwnFont();
        return;
    }
    if (needed <= room.hi - room.lo) {
        const int left = std::clamp(home.left(), room.lo, room.hi - needed);
        text.setGeometry(left, home.top(), std::min(home.width(), room.hi - left), home.height());
        text.drawInOwnFont();
        return;
    }
    const QString shown = text.buddy() ? QString(text.text()).remove('&') : text.text();
    const int margins = needed - textWidth(text.font(), shown);
    text.setGeometry(room.lo, home.top(), room.hi - room.lo, home.height());
    text.drawIn(fittingFont(text.font(), shown, room.hi - room.lo - margins));
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
    if (panel.widget && panel.widget->isVisible()) {
        arrangeTexts(panel);
    } else {
        layout(control);
    }
}

void arrangeTexts(Panel& panel) {
    for (const auto& c : panel.controls) {
        layout(*c);
    }
    for (const auto& c : panel.controls) {
        auto* caption = qobject_cast<FittingLabel*>(c->label);
        auto* text = qobject_cast<FittingLabel*>(c->widget);
        for (auto* t : {caption, text}) {
            if (t && t->isVisibleTo(panel.widget) && !t->text().isEmpty()) {
                Place(*t, RoomFor(panel, t, t == caption ? c->widget : nullptr, t->geometry()));
            }
        }
    }
    GiveGraphsTheirTexts(panel);
}

}  // namespace ui
