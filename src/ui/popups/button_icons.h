// SPDX-License-Identifier: MIT
// The icons of a pop-up's OK and Cancel buttons, made once for the run.
#pragma once

class QWidget;

namespace ui {

// Gives the standard buttons of the dialog's button boxes the icons the first
// such buttons got. A button box makes new icons for every dialog, and each
// new icon fills Qt's pixmap cache once more as it is drawn: some 3.8 KB a
// dialog, up to the cache's 10 MB, with a pop-up opened and closed again.
void shareButtonIcons(QWidget* dialog);

}  // namespace ui
