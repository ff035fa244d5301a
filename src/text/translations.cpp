#include "text/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "text/localnumbers.h"

namespace varnel {

QString installTranslations(const QString& language) {
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    if (!language.isEmpty()) QLocale::setDefault(locale);
    auto* ours = new QTranslator(QCoreApplication::instance());
    if (!ours->load(locale, QStringLiteral("varnel"), QStringLiteral("_"),
                    QStringLiteral(":/i18n"))) {
        delete ours;
        return QStringLiteral("en");
    }
    QCoreApplication::installTranslator(ours);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    return ours->language();
}

QString messageText(const Message& message, const char* context) {
    std::vector<std::string> texts;
    for (const MessageArg& a : message.args) {
        switch (a.kind) {
            case MessageArg::Kind::Number:
                texts.push_back(localDecimals(QString::fromStdString(a.text)).toStdString());
                break;
            case MessageArg::Kind::Word:
                texts.push_back(QCoreApplication::translate(context, a.text.c_str()).toStdString());
                break;
            case MessageArg::Kind::Text:
                texts.push_back(a.text);
                break;
        }
    }
    const std::string wording(message.wording);
    return QString::fromStdString(
        fillWording(QCoreApplication::translate(context, wording.c_str()).toStdString(), texts));
}

}  // namespace varnel
