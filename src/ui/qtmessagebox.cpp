#include "qtmessagebox.h"

#include <QMessageBox>

namespace varnel {

void QtMessageBox::show(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())),
                    QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace varnel
