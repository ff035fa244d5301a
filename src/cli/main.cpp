#include <QApplication>
#include <iostream>

#include "cli/chartcli.h"
#include "store/settingsstore.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Printing and files need fonts, a print system or the settings store; plain charts need
    // nothing of Qt.
    if (varnel::needsPrinting(args)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QApplication app(argc, argv);
        varnel::QSettingsStore store;
        varnel::QSettingsStore printerStore(varnel::kPrinterStore);
        return varnel::runChartCommand(args, std::cout, std::cerr, {&store, &printerStore});
    }
    return varnel::runChartCommand(args, std::cout, std::cerr);
}
