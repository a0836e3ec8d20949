// SPDX-License-Identifier: MIT
#include "widgets/text/text_fit.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace ui {
namespace {

// Narrower than this reads as another typeface; below a third of its size a
// text is no longer read, only guessed.
constexpr int kMostCondensed = 85;
constexpr int kCondenseStep = 5;
constexpr double kSmallest = 0.33;
constexpr double kShrinkStep = 0.04;

// The font at factor times its size, in the unit it was given in.
QFont Scaled(QFont font, double factor) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * factor)));
    } else {
        font.setPointSizeF(font.pointSizeF() * factor);
    }
    return font;
}

}  // namespace

int textWidth(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : text.split('\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

QFont fittingFont(const QFont& font, const QString& text, int width) {
    if (textWidth(font, text) <= width) {
        return font;
    }
    QFont fitted = font;
    for (int stretch = 100 - kCondenseStep; stretch >= kMostCondensed; stretch -= kCondenseStep) {
        fitted.setStretch(stretch);
        if (textWidth(fitted, text) <= width) {
            return fitted;
        }
    }
    for (double factor = 1.0 - kShrinkStep; factor >= kSmallest; factor -= kShrinkStep) {
        fitted = Scaled(font, factor);
        fitted.setStretch(kMostCondensed);
        if (textWidth(fitted, text) <= width) {
            return fitted;
        }
    }
    return fitted;
}

}  // namespace ui
