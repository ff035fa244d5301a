// Varnel, the fret calculator and template printer.
#include <QApplication>

#include "qtmessagebox.h"
#include "settingsstore.h"
#include "varnel.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationDisplayName(QString());
    varnel::QSettingsStore store;
    varnel::QtMessageBox messages;
    varnel::Varnel window(store, messages);
    messages.setParent(&window);
    window.show();
    return app.exec();
}
