#include "readmeviewer.h"

#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "preferences.h"
#include "twips.h"

namespace varnel {

namespace {

constexpr double kDefaultHeightTwips = 4100;
// The text box ends this far above the bottom; the button's top stands this far above it.
constexpr double kTextBottomTwips = 1100;
constexpr double kButtonTopFromBottomTwips = 840;

}  // namespace

diaReadMe::diaReadMe(SettingsStore& store, const QString& fileName, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_store(store),
      m_fileName(fileName) {
    setObjectName(QStringLiteral("diaReadMe"));
    setWindowTitle(QStringLiteral("Read Me File"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    useDesignFont(*this);
    txtReadMe = new QPlainTextEdit(this);
    txtReadMe->setObjectName(QStringLiteral("txtReadMe"));
    txtReadMe->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtReadMe->setAccessibleName(QStringLiteral("Read Me"));
    placeInTwips(txtReadMe, 120, 120, 9255, 3015);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setAutoDefault(false);
    placeInTwips(OKButton, 4080, 3240, 1215, 375);
    setTabOrder(OKButton, txtReadMe);
    connect(OKButton, &QPushButton::clicked, this, &diaReadMe::OKButton_Click);
    resize(twipsToPixelsX(*this, 9465), twipsToPixelsY(*this, 3675));
}

bool diaReadMe::Form_Load() {
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // Shown as it is: nothing trimmed, split or converted.
    txtReadMe->setPlainText(QString::fromUtf8(file.readAll()));
    file.close();
    double height = kDefaultHeightTwips;
    if (const auto stored = readHeightTwips(m_store, kReadMeHeightKey)) {
        if (*stored > kTextBottomTwips) height = *stored;
    }
    resize(width(), twipsToPixelsY(*this, height));
    Form_Resize();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        move(s->geometry().topLeft() +
             QPoint(twipsToPixelsX(*this, 2775), twipsToPixelsY(*this, 3765)));
    }
    show();
    OKButton->setFocus();
    return true;
}

double diaReadMe::outerHeightTwips() const {
    return pixelsToTwipsY(*this, height());
}

void diaReadMe::Form_Resize() {
    // Only heights and the button's top follow the window; widths and left edges stay.
    const double outer = outerHeightTwips();
    const double text = outer - kTextBottomTwips;
    txtReadMe->resize(txtReadMe->width(), text > 0 ? twipsToPixelsY(*this, text) : 0);
    txtReadMe->setVisible(text > 0);
    OKButton->move(OKButton->x(),
                   std::max(0, twipsToPixelsY(*this, outer - kButtonTopFromBottomTwips)));
}

void diaReadMe::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void diaReadMe::OKButton_Click() {
    m_store.saveSetting(kBaseSection, kReadMeHeightKey,
                        valueText(static_cast<float>(outerHeightTwips())));
    close();
}

QString aboutText(const QString& versionText) {
    return QStringLiteral("Varnel v.") + versionText +
           QStringLiteral(
               "\r\nCopyright (C) 2026 the Varnel developers"
               "\r\nVarnel is free software, distributed under the terms of the MIT License;"
               "\r\nsee the file LICENSE that comes with the program."
               "\r\nQuestions, suggestions and problem reports are welcome:"
               "\r\nwrite to varnel-support@example.org");
}

}  // namespace varnel
