// What assistive technology sees of the runtime's controls. Numeric fields are
// spin boxes with their value, range and step, read-only when they are
// indicators; a graph is a slider over its active cursor's x; text messages
// offer their text. Names and descriptions come from the control's attributes;
// a control described by a text message takes that text as its description.
// Internal to src/ui.
#pragma once

class QString;
class QWidget;

namespace ui {

struct Panel;

// Makes the interfaces known to Qt; once the application exists.
void installAccessibility();

// Tell assistive technology that a widget's value or text changed.
void announceValue(QWidget* widget, double value);
void announceText(QWidget* widget, const QString& before, const QString& after);

// Sets every control's description from its attributes and describing text.
void refreshDescriptions(Panel& panel);

}  // namespace ui
