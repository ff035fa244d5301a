#include "chosenprinter.h"

#include <QPrinter>
#include <QPrinterInfo>

#include "qnumbertext.h"

namespace varnel {

namespace {

const QString kSetup = QStringLiteral("Setup");
const QString kPrinterKey = QStringLiteral("Printer");
const QString kPaperKey = QStringLiteral("Paper");
const QString kOrientationKey = QStringLiteral("Orientation");
const QString kHorizontalKey = QStringLiteral("HorizontalCorrection");
const QString kVerticalKey = QStringLiteral("VerticalCorrection");

QString printerSection(const QString& name) {
    return QStringLiteral("Printer ") + name;
}

// Any paper the print dialog offers, by its Qt key ("A4", "B5", "Letter").
std::optional<QPageSize::PageSizeId> paperFromKey(const QString& key) {
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto paper = static_cast<QPageSize::PageSizeId>(id);
        if (paper != QPageSize::Custom && QPageSize::key(paper) == key) return paper;
    }
    return std::nullopt;
}

// Seven significant digits, in the C locale's form ("1.002123").
QString factorText(double factor) {
    return QString::number(factor, 'g', 7);
}

}  // namespace

PageSetup ChosenPrinter::storedSetup() {
    PageSetup setup;
    setup.printerName = m_store.getSetting(kSetup, kPrinterKey, QString());
    setup.paper = paperFromKey(m_store.getSetting(kSetup, kPaperKey, QString()));
    if (m_store.getSetting(kSetup, kOrientationKey, QString()) == QLatin1String("Landscape")) {
        setup.orientation = QPageLayout::Landscape;
    }
    return setup;
}

void ChosenPrinter::storeSetup(const PageSetup& setup) {
    m_store.saveSetting(kSetup, kPrinterKey, setup.printerName);
    m_store.saveSetting(kSetup, kPaperKey, setup.paper ? QPageSize::key(*setup.paper) : QString());
    m_store.saveSetting(kSetup, kOrientationKey,
                        setup.orientation == QPageLayout::Landscape ? QStringLiteral("Landscape")
                                                                    : QStringLiteral("Portrait"));
}

ScaleCorrection ChosenPrinter::correction(const QString& printerName) {
    const auto factor = [&](const QString& key) {
        const auto value =
            finiteDoubleFromText(m_store.getSetting(printerSection(printerName), key, QString()));
        return value && correctionFactorUsable(*value) ? *value : 1.0;
    };
    return {factor(kHorizontalKey), factor(kVerticalKey)};
}

void ChosenPrinter::storeCorrection(const QString& printerName, const ScaleCorrection& c) {
    m_store.saveSetting(printerSection(printerName), kHorizontalKey, factorText(c.horizontal));
    m_store.saveSetting(printerSection(printerName), kVerticalKey, factorText(c.vertical));
}

PageSetup ChosenPrinter::pageSetup() {
    PageSetup setup = storedSetup();
    if (!setup.printerName.isEmpty() && !PainterPrinter::printerExists(setup.printerName)) {
        if (!m_saidMissing) {
            m_saidMissing = true;
            m_messages.show(QStringLiteral("The printer \"%1\" is no longer available; printing "
                                           "goes to the default printer.")
                                .arg(setup.printerName)
                                .toStdString());
        }
        setup.printerName.clear();
    }
    if (setup.printerName.isEmpty()) setup.printerName = QPrinterInfo::defaultPrinterName();
    setup.correction = correction(setup.printerName);
    return setup;
}

std::unique_ptr<PrinterSurface> ChosenPrinter::open(QString& error) {
    return PainterPrinter::openPrinter(pageSetup(), error);
}

void ChosenPrinter::setCorrection(const ScaleCorrection& c) {
    storeCorrection(pageSetup().printerName, c);
    reportWriteFailure(m_store, m_messages);
}

void ChosenPrinter::keepSetup(const PageSetup& setup) {
    storeSetup(setup);
    reportWriteFailure(m_store, m_messages);
    m_saidMissing = false;
}

}  // namespace varnel
