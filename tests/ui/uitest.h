#pragma once
// A main window on a private store, shown offscreen and active, for driving with QTest.

#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include <QTemporaryDir>
#include "fretchartview.h"
#include "recordingprinter.h"
#include "testsupport.h"
#include "varnel.h"

namespace varnel::test {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { open(); }
    void TearDown() override { window.reset(); }

    // Opens (or reopens, as the next start of the program would) the window on the store.
    void open() {
        window.reset();
        window = std::make_unique<Varnel>(temp.store(), messages, printers);
        window->show();
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Types into a control as the user would, after giving it the focus.
    void typeInto(QWidget* w, const QString& text) {
        w->setFocus();
        QTest::keyClicks(w, text);
    }
    void chooseScaleLen(int index) {
        window->cboScaleLen->setFocus();
        window->cboScaleLen->setCurrentIndex(index);
        emit window->cboScaleLen->activated(index);
    }
    // Moves the focus away from the scale-length box to another control of the window.
    void leaveScaleLen() { window->numFretsBox->setFocus(); }
    std::string chart() const { return window->txtFretChart->toPlainText().toStdString(); }

    TempStore temp;
    RecordingMessageBox messages;
    RecordingPrinterProvider printers;
    std::unique_ptr<Varnel> window;
};

}  // namespace varnel::test
