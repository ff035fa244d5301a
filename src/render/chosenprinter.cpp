#include "render/chosenprinter.h"
#include "text/translations.h"

#include <QPrinterInfo>

namespace varnel {

namespace {

// Any paper the print dialog offers, by its Qt key ("A4", "B5", "Letter").
std::optional<QPageSize::PageSizeId> paperFromKey(const QString& key) {
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto paper = static_cast<QPageSize::PageSizeId>(id);
        if (paper != QPageSize::Custom && QPageSize::key(paper) == key) return paper;
    }
    return std::nullopt;
}

}  // namespace

PrinterChoice choiceOf(const PageSetup& setup) {
    return {setup.printerName.toStdString(),
            setup.paper ? QPageSize::key(*setup.paper).toStdString() : std::string(),
            setup.orientation == QPageLayout::Landscape};
}

PageSetup setupOf(const PrinterChoice& choice) {
    PageSetup setup;
    setup.printerName = QString::fromStdString(choice.printer);
    setup.paper = paperFromKey(QString::fromStdString(choice.paper));
    if (choice.landscape) setup.orientation = QPageLayout::Landscape;
    return setup;
}

PageSetup ChosenPrinter::pageSetup() {
    PageSetup setup = setupOf(m_keeper.choice());
    if (!setup.printerName.isEmpty() && !PainterPrinter::printerExists(setup.printerName)) {
        if (!m_saidMissing) {
            m_saidMissing = true;
            m_messages.say(Message(QT_TRANSLATE_NOOP("varnel::Words",
                                                     "The printer \"%1\" is no longer available; "
                                                     "printing goes to the default printer."),
                                   {verbatim(setup.printerName.toStdString())}));
        }
        setup.printerName.clear();
    }
    if (setup.printerName.isEmpty()) setup.printerName = QPrinterInfo::defaultPrinterName();
    setup.correction = correctionFor(setup.printerName);
    return setup;
}

std::unique_ptr<PrinterSurface> ChosenPrinter::open(const QString& title, QString& error) {
    return PainterPrinter::openPrinter(pageSetup(), error, title);
}

void ChosenPrinter::setCorrection(const ScaleCorrection& c) {
    m_keeper.keepCorrection(pageSetup().printerName.toStdString(), c);
}

void ChosenPrinter::keepSetup(const PageSetup& setup) {
    m_keeper.keepChoice(choiceOf(setup));
    m_saidMissing = false;
}

}  // namespace varnel
