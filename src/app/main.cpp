// Varnel, the fret calculator and template printer.
#include <QApplication>
#include <iostream>
#include <string_view>

#include "core/version.h"
#include "gui/qtmessagebox.h"
#include "gui/varnel.h"
#include "render/chosenprinter.h"
#include "store/designerstore.h"
#include "store/printerstore.h"
#include "store/settingsstore.h"
#include "text/translations.h"

int main(int argc, char** argv) {
    // Answered before any window system is needed.
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--version") {
        std::cout << "varnel " << varnel::kVersionText << "\n";
        return 0;
    }
    if (first == "--help" || first == "-h") {
        std::cout
            << "usage: varnel [--version | --help | --lang LANGUAGE]\n\n"
               "Varnel, the fret calculator and template printer. Its guide is shown by\n"
               "Help, View ReadMe file; varnel-chart(1) does the same from the command line.\n"
               "It speaks the desktop's language (LANGUAGE, LANG) where it has a translation\n"
               "(de, fr, es); --lang chooses one: --lang de, --lang en.\n";
        return 0;
    }
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto language = varnel::takeLanguageOption(args);
    if (!language) {
        std::cerr << "varnel: --lang needs a language, as in --lang de\n";
        return 2;
    }
    QApplication app(argc, argv);
    varnel::installTranslations(*language);
    app.setApplicationDisplayName(QString());
    varnel::QSettingsStore store;
    varnel::QtMessageBox messages;
    varnel::QSettingsStore printerStore(varnel::kPrinterStore);
    varnel::StoredPrinterChoice printerChoice(printerStore, messages);
    varnel::ChosenPrinter printers(printerChoice, messages);
    varnel::QSettingsStore designerStore(varnel::kFannedStore);
    varnel::StoredDesignerInputs designerInputs(designerStore);
    varnel::Varnel window(store, messages, printers);
    varnel::DesignerConfigExtras designerExtras(window.model().settings());
    designerExtras.setStore(&designerStore);
    designerExtras.setRetrieved([&window] { window.designerInputsRetrieved(); });
    window.setDesignerStorage(&designerInputs, &designerExtras);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
