// SPDX-License-Identifier: MIT
// What assistive technology sees of the runtime's controls. Numeric fields are
// spin boxes with their value, range and step, read-only when they are
// indicators; a graph is a slider over its active cursor's x; text messages
// offer their text. Names and descriptions are the widgets' own, set by the
// controls. Internal to src/ui.
#pragma once

namespace ui {

// Makes the interfaces known to Qt; once the application exists.
void installAccessibility();

}  // namespace ui
