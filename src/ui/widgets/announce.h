// SPDX-License-Identifier: MIT
// Telling assistive technology that a widget's value or text changed; nothing
// is sent while no assistive technology listens.
#pragma once

class QString;
class QWidget;

namespace ui {

void announceValue(QWidget* widget, double value);
void announceText(QWidget* widget, const QString& before, const QString& after);

}  // namespace ui
