#include "store/printerstore.h"

#include "text/qnumbertext.h"

namespace varnel {

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kPrinterKey = QStringLiteral("Printer");
const QString kPaperKey = QStringLiteral("Paper");
const QString kOrientationKey = QStringLiteral("Orientation");
const QString kHorizontalKey = QStringLiteral("HorizontalCorrection");
const QString kVerticalKey = QStringLiteral("VerticalCorrection");

QString printerSection(const std::string& name) {
    return QStringLiteral("Printer ") + QString::fromStdString(name);
}

// Seven significant digits, in the C locale's form ("1.002123").
QString factorText(double factor) {
    return QString::number(factor, 'g', 7);
}

}  // namespace

PrinterChoice StoredPrinterChoice::choice() {
    const auto read = [&](const QString& key) {
        return m_store.getSetting(kSetup, key, QString()).toStdString();
    };
    return {read(kPrinterKey), read(kPaperKey), read(kOrientationKey) == "Landscape"};
}

void StoredPrinterChoice::keepChoice(const PrinterChoice& choice) {
    m_store.saveSetting(kSetup, kPrinterKey, QString::fromStdString(choice.printer));
    m_store.saveSetting(kSetup, kPaperKey, QString::fromStdString(choice.paper));
    m_store.saveSetting(
        kSetup, kOrientationKey,
        choice.landscape ? QStringLiteral("Landscape") : QStringLiteral("Portrait"));
    reportWriteFailure(m_store, m_messages);
}

ScaleCorrection StoredPrinterChoice::correction(const std::string& printer) {
    const auto factor = [&](const QString& key) {
        const auto value =
            finiteDoubleFromText(m_store.getSetting(printerSection(printer), key, QString()));
        return value && correctionFactorUsable(*value) ? *value : 1.0;
    };
    return {factor(kHorizontalKey), factor(kVerticalKey)};
}

void StoredPrinterChoice::keepCorrection(const std::string& printer, const ScaleCorrection& c) {
    m_store.saveSetting(printerSection(printer), kHorizontalKey, factorText(c.horizontal));
    m_store.saveSetting(printerSection(printer), kVerticalKey, factorText(c.vertical));
    reportWriteFailure(m_store, m_messages);
}

}  // namespace varnel
