// SPDX-License-Identifier: MIT
// Fitting a text into the room it has. The layout was drawn for narrower
// fonts than this platform's, so a text that would run into its neighbour is
// drawn condensed, then smaller, in its own family, rather than cut.
#pragma once

#include <QFont>
#include <QString>

namespace ui {

// The widest line of text, in pixels.
int textWidth(const QFont& font, const QString& text);

// The font in which text takes at most width pixels: font itself when the
// text fits; else the same family slightly condensed, then smaller. When
// nothing tried fits, the smallest tried.
QFont fittingFont(const QFont& font, const QString& text, int width);

}  // namespace ui
