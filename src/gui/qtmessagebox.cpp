#include "gui/qtmessagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "text/translations.h"

namespace varnel {

void QtMessageBox::show(std::string_view text) {
    // A message belongs to the window that raised it (a dialog as much as the main window):
    // it stands over that window, and afterwards the keyboard is back where it was there.
    QPointer<QWidget> window = QApplication::activeWindow();
    if (!window) window = m_parent;
    QPointer<QWidget> focus = window ? window->focusWidget() : nullptr;
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    if (window) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
        if (focus) focus->setFocus(Qt::OtherFocusReason);
    }
}

void QtMessageBox::say(const Message& message) {
    show(messageText(message).toStdString());
}

}  // namespace varnel
