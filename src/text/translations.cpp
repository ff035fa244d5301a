#include "text/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>

#include "text/localnumbers.h"

namespace varnel {

namespace {

QString& installedLanguage() {
    static QString language;
    return language;
}

}  // namespace

QString translationLanguage() {
    return installedLanguage();
}

void installTranslations(const QString& language) {
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    if (!language.isEmpty()) QLocale::setDefault(locale);
    // The first of the user's languages that the program speaks; English, its own, ends the
    // search (a desktop set to English, then German, stays English).
    for (QString wanted : locale.uiLanguages()) {
        wanted.replace(QLatin1Char('-'), QLatin1Char('_'));
        if (wanted == QLatin1String("en") || wanted.startsWith(QLatin1String("en_"))) return;
        auto* ours = new QTranslator(QCoreApplication::instance());
        if (!ours->load(QStringLiteral("varnel_") + wanted, QStringLiteral(":/i18n"))) {
            delete ours;
            continue;
        }
        QCoreApplication::installTranslator(ours);
        installedLanguage() = QLocale::languageToCode(QLocale(wanted).language());
        // Qt's own words, for the dialogs it supplies.
        auto* qt = new QTranslator(QCoreApplication::instance());
        if (qt->load(QStringLiteral("qtbase_") + wanted,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
        } else {
            delete qt;
        }
        return;
    }
}

std::optional<QString> takeLanguageOption(std::vector<std::string>& args) {
    const auto option = std::find(args.begin(), args.end(), "--lang");
    if (option == args.end()) return QString();
    if (option + 1 == args.end()) return std::nullopt;
    const QString language = QString::fromLocal8Bit(*(option + 1));
    args.erase(option, option + 2);
    return language;
}

QString wordText(std::string_view word) {
    return QCoreApplication::translate(kWordsContext, std::string(word).c_str());
}

QString messageText(const Message& message) {
    std::vector<std::string> texts;
    for (const MessageArg& a : message.args) {
        switch (a.kind) {
            case MessageArg::Kind::Number:
                texts.push_back(localDecimals(QString::fromStdString(a.text)).toStdString());
                break;
            case MessageArg::Kind::Word:
                // A caption's translation may mark its key: not in a sentence.
                texts.push_back(wordText(a.text).remove(QLatin1Char('&')).toStdString());
                break;
            case MessageArg::Kind::Text:
                texts.push_back(a.text);
                break;
            case MessageArg::Kind::Inner:
                texts.push_back(messageText(*a.inner).toStdString());
                break;
        }
    }
    const std::string wording(message.wording);
    return QString::fromStdString(fillWording(
        QCoreApplication::translate(kWordsContext, wording.c_str()).toStdString(), texts));
}

}  // namespace varnel
