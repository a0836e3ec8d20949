// SPDX-License-Identifier: MIT
// The form pop-up: labelled fields, OK and Cancel, a check before OK is
// taken, and a quit key that leaves it as the panel's own would.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

#include <vector>

#include "model/model.h"
#include "popups/button_icons.h"
#include "widgets/plain_label.h"
#include "widgets/string_field.h"

namespace ui {
namespace {

constexpr int kQuitResult = 2;

QWidget* Editor(const FormField& field) {
    if (field.choices == nullptr) {
        auto* line = new QLineEdit(QString::fromStdString(field.value));
        line->setMaxLength(kLongestEntry);
        line->selectAll();
        return line;
    }
    auto* box = new QComboBox;
    for (std::size_t i = 0; i < field.choiceCount; ++i) {
        box->addItem(QString::fromUtf8(field.choices[i]));
    }
    box->setEditable(field.editable != 0);
    if (box->lineEdit() != nullptr) {
        box->lineEdit()->setMaxLength(kLongestEntry);
    }
    box->setCurrentText(QString::fromStdString(field.value));
    return box;
}

std::string ValueOf(const QWidget* editor) {
    if (const auto* line = qobject_cast<const QLineEdit*>(editor)) {
        return line->text().toStdString();
    }
    return static_cast<const QComboBox*>(editor)->currentText().toStdString();
}

}  // namespace
}  // namespace ui

using namespace ui;

int PromptPopupForm(const char* title, const char* message, FormField* fields, std::size_t count,
                    FormCheck check, void* checkData, const char* quitKeys) {
    if (!runtime().app) {
        return fail(UIENotInitialized, "PromptPopupForm before InitCVIRTE");
    }
    const QKeySequence quit(QString::fromUtf8(quitKeys ? quitKeys : ""));
    if (fields == nullptr || count == 0 || (quitKeys != nullptr && quit.count() != 1)) {
        return fail(UIEBadValue, "a form needs fields, and its quit keys one key combination");
    }
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QString::fromUtf8(title ? title : ""));
    auto* layout = new QVBoxLayout(&dialog);
    if (message != nullptr && *message != '\0') {
        auto* text = newPlainLabel(QString::fromUtf8(message));
        text->setWordWrap(true);
        layout->addWidget(text);
    }
    auto* form = new QFormLayout;
    layout->addLayout(form);
    std::vector<QWidget*> editors;
    for (std::size_t i = 0; i < count; ++i) {
        QWidget* editor = Editor(fields[i]);
        editor->setObjectName(QString::fromUtf8(fields[i].name ? fields[i].name : ""));
        QLabel* label = newPlainLabel(QString::fromUtf8(fields[i].label ? fields[i].label : ""));
        label->setBuddy(editor);
        editor->setAccessibleName(label->text().remove('&'));
        form->addRow(label, editor);
        editors.push_back(editor);
    }
    // Why OK was refused, read out as the form's own text.
    QLabel* problem = newPlainLabel(QString());
    problem->setObjectName("FORM_PROBLEM");
    problem->setWordWrap(true);
    problem->setStyleSheet("color: #b00000");
    problem->hide();
    layout->addWidget(problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    layout->addWidget(buttons);

    std::vector<FormField> values(fields, fields + count);
    QObject::connect(buttons, &QDialogButtonBox::accepted, [&] {
        for (std::size_t i = 0; i < count; ++i) {
            values[i].value = ValueOf(editors[i]);
        }
        const std::string why = check ? check(values.data(), count, checkData) : std::string();
        if (why.empty()) {
            dialog.accept();
            return;
        }
        problem->setText(QString::fromStdString(why));
        problem->show();
        dialog.adjustSize();  // room for the reason, the message kept in view
    });
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (quitKeys != nullptr) {
        auto* shortcut = new QShortcut(quit, &dialog);
        QObject::connect(shortcut, &QShortcut::activated, [&dialog] { dialog.done(kQuitResult); });
    }
    shareButtonIcons(&dialog);
    const int result = dialog.exec();
    if (result == QDialog::Accepted) {
        for (std::size_t i = 0; i < count; ++i) {
            fields[i].value = values[i].value;
        }
        return 1;
    }
    return result == kQuitResult ? kQuitResult : 0;
}
