#pragma once
// varnel-chart: the fret chart for any inputs on standard output, for scripts and for checking
// the tables against the desktop program.

#include <iosfwd>
#include <string>
#include <vector>

#include "core/message.h"

namespace varnel {

class SettingsStore;

// Exit statuses of the command-line companion.
constexpr int kExitOk = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

// Runs the command with its arguments (without the program name); writes the chart to out and
// reasons to err, and returns the exit status.
// True when the arguments ask for printing or PDF output, which need a QApplication.
bool needsPrinting(const std::vector<std::string>& args);
// True when the command's reasons are messages in the user's language (the designer's and the
// check's), which need the application for their translation.
bool saysMessages(const std::vector<std::string>& args);

// A message as the command says it: in the language of the translation loaded, if any.
std::string messageOut(const Message& message);

// Where Varnel keeps its settings (the saved configurations) and the chosen printer with its
// calibration; none for no configurations, and the system's default printer uncorrected.
struct ChartCommandStores {
    SettingsStore* settings = nullptr;
    SettingsStore* printers = nullptr;
};

int runChartCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const ChartCommandStores& stores = {});

}  // namespace varnel
