#pragma once
// Numbers as the user's locale writes them, for the boxes of the designer and the check window:
// shown with its decimal separator, and read with it as well as with a point. What the store,
// the files and the command line hold keeps the point.

#include <QLocale>
#include <QRegularExpression>
#include <QString>

namespace varnel {

// The locale's decimal separator when it is not a point (a comma), else none.
inline QString localDecimalSeparator() {
    const QString separator = QLocale().decimalPoint();
    return separator == QLatin1String(".") ? QString() : separator;
}

// A text as the user typed it, with the point for the locale's separator: "647,7" is "647.7".
inline QString pointDecimals(const QString& typed) {
    const QString separator = localDecimalSeparator();
    return separator.isEmpty() ? typed : QString(typed).replace(separator, QLatin1String("."));
}

// A text with the locale's separator for each decimal point between digits ("0.58 mm." is
// "0,58 mm." in German): a sentence's own full stops stay.
inline QString localDecimals(const QString& text) {
    const QString separator = localDecimalSeparator();
    if (separator.isEmpty() || !text.contains(QLatin1Char('.'))) return text;
    static const QRegularExpression point(QStringLiteral("(?<=\\d)\\.(?=\\d)"));
    return QString(text).replace(point, separator);
}

}  // namespace varnel
