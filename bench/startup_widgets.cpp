// SPDX-License-Identifier: MIT
// The third reference: kadrel's panel made directly of stock Qt widgets, with
// the same fields, captions, texts, fonts and buttons at the same places, and
// a graph's grid and tick labels, read from kadrel.uir; no runtime, no
// program. What showing this panel costs Qt itself: the floor under any
// implementation of it.
#include <QApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "first_frame.h"
#include "program/kadrel_uir.h"

namespace {

// Ten divisions each way with their labels, as the graph draws them.
class Grid : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect plot = rect().adjusted(60, 10, -20, -40);
        painter.fillRect(plot, QColor(0xE0E0E0));
        for (int i = 0; i <= 10; ++i) {
            const int x = plot.left() + i * plot.width() / 10;
            const int y = plot.bottom() - i * plot.height() / 10;
            painter.setPen(Qt::white);
            painter.drawLine(x, plot.top(), x, plot.bottom());
            painter.drawLine(plot.left(), y, plot.right(), y);
            painter.setPen(Qt::black);
            painter.drawText(QRect(x - 30, plot.bottom() + 4, 60, 16), Qt::AlignHCenter,
                             QString::number(i * 2));
            painter.drawText(QRect(0, y - 8, plot.left() - 6, 16), Qt::AlignRight,
                             QString::number(i * 0.3, 'f', 1));
        }
        painter.drawRect(plot);
    }
};

// The panel's font names: the dialog and application fonts are the
// application's, as in the runtime; sizes are pixels.
QFont FontOf(const QJsonObject& a, const char* name, const char* size, const char* bold) {
    const QString family = a.value(name).toString();
    QFont font = family.isEmpty() || family.startsWith("UI") ? QApplication::font() : QFont(family);
    if (a.value(size).toInt() > 0) {
        font.setPixelSize(a.value(size).toInt());
    }
    font.setBold(a.value(bold).toInt() != 0);
    return font;
}

QString Caption(const QJsonObject& a) {
    return a.value("LABEL_TEXT").toString().replace("__", "&");
}

void Place(QWidget* w, const QJsonObject& a) {
    w->move(a.value("LEFT").toInt(), a.value("TOP").toInt());
    if (a.contains("WIDTH")) {
        w->resize(a.value("WIDTH").toInt(), a.value("HEIGHT").toInt(w->sizeHint().height()));
    }
}

void Field(QWidget* panel, const QJsonObject& c, const QJsonObject& a) {
    auto* field = new QDoubleSpinBox(panel);
    field->setRange(-1e12, 1e12);
    field->setDecimals(a.value("PRECISION").toInt(2));
    field->setValue(c.value("value").toDouble());
    if (a.value("CTRL_MODE").toInt() == 2) {
        field->setReadOnly(true);
        field->setButtonSymbols(QAbstractSpinBox::NoButtons);
    }
    Place(field, a);
}

void CaptionOf(QWidget* panel, const QJsonObject& a) {
    auto* caption = new QLabel(Caption(a), panel);
    caption->setFont(FontOf(a, "LABEL_FONT", "", "LABEL_BOLD"));
    caption->move(a.value("LABEL_LEFT").toInt(), a.value("LABEL_TOP").toInt());
    caption->adjustSize();
}

void Text(QWidget* panel, const QJsonObject& c, const QJsonObject& a) {
    auto* text = new QLabel(c.value("value").toString(), panel);
    text->setFont(FontOf(a, "TEXT_FONT", "TEXT_POINT_SIZE", "TEXT_BOLD"));
    text->move(a.value("LEFT").toInt(), a.value("TOP").toInt());
    text->adjustSize();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QFont dialog("Liberation Sans");
    dialog.setPixelSize(12);
    QApplication::setFont(dialog);
    QFile file(QApplication::applicationDirPath() + "/kadrel.uir");
    if (!file.open(QIODevice::ReadOnly)) {
        return 1;
    }
    const QJsonObject json = QJsonDocument::fromJson(file.readAll())["panels"][0].toObject();
    QWidget panel;
    panel.setWindowTitle(kPanelTitle);
    const PanelGeometry& g = kPanelGeometry;
    panel.setGeometry(g.left, g.top, g.width, g.height);
    for (const QJsonValue& entry : json.value("controls").toArray()) {
        const QJsonObject c = entry.toObject();
        const QJsonObject a = c.value("attributes").toObject();
        const QString kind = c.value("kind").toString();
        if (kind == "numeric") {
            Field(&panel, c, a);
            CaptionOf(&panel, a);
        } else if (kind == "text") {
            Text(&panel, c, a);
        } else if (kind == "button") {
            Place(new QPushButton(Caption(a), &panel), a);
        } else if (kind == "box") {
            auto* box = new QFrame(&panel);
            box->setFrameStyle(QFrame::Box | QFrame::Raised);
            Place(box, a);
        } else if (kind == "graph") {
            Place(new Grid(&panel), a);
            CaptionOf(&panel, a);
        }
    }
    QuitAfterFirstPaint();
    panel.show();
    return QApplication::exec();
}
