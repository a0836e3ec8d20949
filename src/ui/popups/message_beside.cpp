// SPDX-License-Identifier: MIT
// A message pop-up that leaves a control in view: beside the panel where the
// screen has room, else beside the control; its text scrolls where no place
// holds all of it.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include "model/model.h"
#include "popups/button_icons.h"
#include "popups/popup_place.h"
#include "widgets/plain_label.h"

using namespace ui;

int MessagePopupBeside(int panel, int control, const char* title, const char* message) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "MessagePopupBeside before InitCVIRTE");
    }
    Panel* p;
    Control* c;
    if (int status = lookup(panel, control, &p, &c); status < 0) {
        return status;
    }
    QWidget* window = p->widget->window();
    QDialog dialog(window);
    dialog.setWindowTitle(QString::fromUtf8(title));
    QLabel* text = newPlainLabel(QString::fromUtf8(message));
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    shareButtonIcons(&dialog);

    // The size that shows the whole text, measured before lines may wrap.
    scroll->setMinimumSize(text->sizeHint());
    const QSize whole = dialog.sizeHint();
    scroll->setMinimumSize(1, 1);  // below its scroll bars' own sizes where room is scarce
    text->setWordWrap(true);

    const QMargins frame = FrameOf(dialog, *window);
    const QSize wanted = whole.grownBy(frame);
    PopupPlace place{QRect(), false};
    if (const QScreen* on = window->screen()) {
        const QRect screen = on->availableGeometry();
        place = PlaceClearOf(screen, window->frameGeometry(), wanted);
        if (!place.whole) {
            const QRect shown(c->widget->mapToGlobal(QPoint(0, 0)), c->widget->size());
            place = PlaceClearOf(screen, shown, wanted);
        }
    }
    if (place.frame.isEmpty()) {
        dialog.resize(whole);  // no screen, or nothing clear: where the window system puts it
    } else {
        dialog.resize(place.frame.size().shrunkBy(frame));
        dialog.move(place.frame.topLeft());
    }
    dialog.exec();
    return 0;
}
