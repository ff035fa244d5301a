#include "gui/readmeviewer.h"

#include "core/version.h"

#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "gui/twips.h"
#include "store/preferences.h"
#include "text/translations.h"

namespace varnel {

namespace {

constexpr double kDefaultHeightTwips = 4100;
// The text box ends this far above the bottom; the button's top stands this far above it.
constexpr double kTextBottomTwips = 1100;
constexpr double kButtonTopFromBottomTwips = 840;

}  // namespace

ReadMeViewer::ReadMeViewer(SettingsStore& store, MessageBox& messages, const QString& fileName,
                           QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      m_store(store),
      m_messages(messages),
      m_fileName(fileName) {
    setObjectName(QStringLiteral("diaReadMe"));
    setWindowTitle(tr("Read Me File"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    useDesignFont(*this);
    guideText = new QPlainTextEdit(this);
    guideText->setObjectName(QStringLiteral("txtReadMe"));
    guideText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    guideText->setAccessibleName(tr("Read Me"));
    placeInTwips(guideText, 120, 120, 9255, 3015);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("OKButton"));
    okButton->setAutoDefault(false);
    placeInTwips(okButton, 4080, 3240, 1215, 375);
    setTabOrder(okButton, guideText);
    connect(okButton, &QPushButton::clicked, this, &ReadMeViewer::rememberHeightAndClose);
    resize(twipsToPixelsX(*this, 9465), twipsToPixelsY(*this, 3675));
}

bool ReadMeViewer::load() {
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly)) return false;
    // Shown as it is: nothing trimmed, split or converted.
    guideText->setPlainText(QString::fromUtf8(file.readAll()));
    file.close();
    double height = kDefaultHeightTwips;
    if (const auto stored = readHeightTwips(m_store, kReadMeHeightKey)) {
        if (*stored > kTextBottomTwips) height = *stored;
    }
    resize(width(), twipsToPixelsY(*this, height));
    sizeToHeight();
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        move(s->geometry().topLeft() +
             QPoint(twipsToPixelsX(*this, 2775), twipsToPixelsY(*this, 3765)));
    }
    show();
    okButton->setFocus();
    return true;
}

double ReadMeViewer::outerHeightTwips() const {
    return pixelsToTwipsY(*this, height());
}

void ReadMeViewer::sizeToHeight() {
    // Only heights and the button's top follow the window; widths and left edges stay.
    const double outer = outerHeightTwips();
    const double textTwips = outer - kTextBottomTwips;
    guideText->resize(guideText->width(), textTwips > 0 ? twipsToPixelsY(*this, textTwips) : 0);
    guideText->setVisible(textTwips > 0);
    okButton->move(okButton->x(),
                   std::max(0, twipsToPixelsY(*this, outer - kButtonTopFromBottomTwips)));
}

void ReadMeViewer::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    sizeToHeight();
}

void ReadMeViewer::rememberHeightAndClose() {
    m_store.saveSetting(kBaseSection, kReadMeHeightKey,
                        valueText(static_cast<float>(outerHeightTwips())));
    reportWriteFailure(m_store, m_messages);
    close();
}

QString readMeIn(const QString& path, const QString& language) {
    if (language.isEmpty() || !path.endsWith(QLatin1String(".txt"))) return path;
    QString translated = path;
    translated.insert(path.size() - 4, QLatin1Char('.') + language);
    return QFile::exists(translated) ? translated : path;
}

QString aboutText() {
    return messageText(
        Message(QT_TRANSLATE_NOOP("varnel::Words",
                                  "Varnel v.%1"
                                  "\r\nCopyright (C) 2026 the Varnel developers"
                                  "\r\nVarnel is free software under the GNU General Public "
                                  "License, version 2"
                                  "\r\nor any later version; see the file LICENSE that comes with "
                                  "the program."
                                  "\r\nQuestions, suggestions and problem reports are welcome:"
                                  "\r\nwrite to varnel-support@example.org"),
                {verbatim(kVersionText)}));
}

}  // namespace varnel
