#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <algorithm>
#include <cerrno>
#include <iostream>

#include "cli/chartcli.h"
#include "store/settingsstore.h"
#include "text/translations.h"

namespace {

// Without XDG_RUNTIME_DIR (root, containers, cron, CI) Qt falls back to a private folder of the
// user's under the temporary folder, and says so on standard error at every run. The same
// folder, made here as Qt would make it, keeps standard error for this program's own messages.
void provideRuntimeFolder() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const passwd* user = getpwuid(geteuid());
    const QByteArray name = user ? QByteArray(user->pw_name) : QByteArray::number(geteuid());
    const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/runtime-" + name;
    struct stat info {};
    if (mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) return;
    // Only a folder of the user's own that no one else may enter; else Qt's own words stand.
    if (lstat(folder.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        info.st_uid == geteuid() && (info.st_mode & 0777) == 0700)
        qputenv("XDG_RUNTIME_DIR", folder);
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::vector<std::string> args(argv + 1, argv + argc);
    // The messages' language, taken out of the options.
    const auto language = varnel::takeLanguageOption(args);
    if (!language) {
        std::cerr << "varnel-chart: --lang needs a language, as in --lang de\n";
        return 2;
    }
    // Printing and files need fonts, a print system or the settings store; plain charts need
    // nothing of Qt.
    if (varnel::needsPrinting(args) || varnel::saysMessages(args)) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        provideRuntimeFolder();
        QApplication app(argc, argv);
        varnel::installTranslations(*language);
        varnel::QSettingsStore store;
        varnel::QSettingsStore printerStore(varnel::kPrinterStore);
        return varnel::runChartCommand(args, std::cout, std::cerr, {&store, &printerStore});
    }
    return varnel::runChartCommand(args, std::cout, std::cerr);
}
