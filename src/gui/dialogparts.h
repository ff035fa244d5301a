#pragma once
// Parts of the dialogs laid out by Qt's layouts (the calibration window and the Fretboard
// Designer).

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <initializer_list>

namespace varnel {

// A push button known by its object name; it does not take Enter for itself.
inline QPushButton* namedButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

// A text box known by its object name and, to screen readers, by its caption.
inline QLineEdit* namedBox(QWidget* parent, const char* name, const QString& caption) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setAccessibleName(caption);
    return box;
}

// The buttons in a row, at its right end.
inline QHBoxLayout* buttonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) row->addWidget(button);
    return row;
}

}  // namespace varnel
