#include "text/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

}  // namespace varnel
