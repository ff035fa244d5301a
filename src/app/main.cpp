// Varnel, the fret calculator and template printer.
#include <QApplication>

#include "chosenprinter.h"
#include "qtmessagebox.h"
#include "settingsstore.h"
#include "varnel.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationDisplayName(QString());
    varnel::QSettingsStore store;
    varnel::QtMessageBox messages;
    varnel::QSettingsStore printerStore(varnel::kPrinterStore);
    varnel::ChosenPrinter printers(printerStore, messages);
    varnel::Varnel window(store, messages, printers);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
