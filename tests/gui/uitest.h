#pragma once
// A main window on a private store, shown offscreen and active, for driving with QTest.

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>

#include <QTemporaryDir>
#include "gui/fretchartview.h"
#include "gui/varnel.h"
#include "recordingprinter.h"
#include "store/designerstore.h"
#include "testsupport.h"

namespace varnel::test {

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override { open(); }
    void TearDown() override { window.reset(); }

    // Opens (or reopens, as the next start of the program would) the window on the store.
    void open() {
        window.reset();
        designerExtras.reset();
        designerInputs.reset();
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
    // A control or menu item of the window by its object name.
    template <typename T = QWidget>
    T* find(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QAction* item(const char* name) const { return find<QAction>(name); }
    QLineEdit* fretsBox() const { return find<QLineEdit>("numFretsBox"); }
    QComboBox* scaleBox() const { return find<QComboBox>("cboScaleLen"); }
    FretChartView* chartBox() const { return find<FretChartView>("txtFretChart"); }
    void click(const char* name) { QTest::mouseClick(find(name), Qt::LeftButton); }

    void chooseScaleLen(int index) {
        scaleBox()->setFocus();
        scaleBox()->setCurrentIndex(index);
        emit scaleBox()->activated(index);
    }
    // Moves the focus away from the scale-length box to another control of the window.
    void leaveScaleLen() { fretsBox()->setFocus(); }
    std::string chart() const { return chartBox()->toPlainText().toStdString(); }
    const FretboardSettings& settings() const { return window->model().settings(); }

    // The designer's inputs remembered in the store, and carried by configurations.
    void useDesignerStore(SettingsStore& store) {
        designerInputs = std::make_unique<StoredDesignerInputs>(store);
        designerExtras = std::make_unique<DesignerConfigExtras>(settings());
        designerExtras->setStore(&store);
        designerExtras->setRetrieved([this] { window->designerInputsRetrieved(); });
        window->setDesignerStorage(designerInputs.get(), designerExtras.get());
    }

    TempStore temp;
    RecordingMessageBox messages;
    RecordingPrinterProvider printers;
    std::unique_ptr<Varnel> window;
    std::unique_ptr<StoredDesignerInputs> designerInputs;
    std::unique_ptr<DesignerConfigExtras> designerExtras;
};

}  // namespace varnel::test
