#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QWheelEvent>

#include "gui/designerwindow.h"
#include "gui/drawingview.h"
#include "uitest.h"

namespace varnel {
namespace {

class DesignerViewTest : public test::WindowTest {
  protected:
    DesignerWindow* openDesigner() {
        typeInto(fretsBox(), "24");
        item("mnuToolsFanned")->trigger();
        auto* designer = window->findChild<DesignerWindow*>();
        EXPECT_NE(designer, nullptr);
        return designer;
    }
};

// The view zooms about the cursor with Ctrl+wheel and the keys, pans by dragging, fits on 0 and
// shows true size on 1; hovering says what lies under the cursor.
TEST_F(DesignerViewTest, TheDrawingZoomsPansAndSaysWhatIsUnderTheCursor) {
    DesignerWindow* designer = openDesigner();
    ASSERT_TRUE(designer);
    DrawingView* view = designer->drawing;
    view->resize(600, 300);
    view->fit();
    ASSERT_TRUE(view->fitting());
    const double fitted = view->transform().scale;
    const QPointF cursor(150, 120);
    const Point under = view->transform().toDrawing(cursor);
    QWheelEvent wheel(cursor, view->mapToGlobal(cursor), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    EXPECT_NEAR(view->transform().scale, fitted * 1.25, 1e-9);
    EXPECT_NEAR(view->transform().toDrawing(cursor).x, under.x, 1e-9);
    EXPECT_NEAR(view->transform().toDrawing(cursor).y, under.y, 1e-9);
    EXPECT_FALSE(view->fitting());
    // Dragging moves the drawing with the mouse.
    const Point before = view->transform().origin;
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseMove(view, QPoint(260, 130));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(260, 130));
    EXPECT_NEAR(view->transform().origin.x, before.x - 60 / view->transform().scale, 1e-9);
    EXPECT_NEAR(view->transform().origin.y, before.y - 30 / view->transform().scale, 1e-9);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Minus);
    EXPECT_NEAR(view->transform().scale, fitted, 1e-9);
    QTest::keyClick(view, Qt::Key_0);
    EXPECT_TRUE(view->fitting());
    QTest::keyClick(view, Qt::Key_1);  // a millimetre as long as the screen's
    EXPECT_NEAR(view->transform().scale, view->screen()->physicalDotsPerInch() / 25.4, 1e-9);
    // Hovering over fret 12 by the first string, then leaving.
    const DesignerBoard& board = *designer->board();
    const Point fret12 = along(board.frets[11], 0.05);
    view->fit();
    QTest::mouseMove(view, view->transform().toScreen(fret12).toPoint());
    EXPECT_TRUE(designer->status->text().startsWith("Along "))
        << designer->status->text().toStdString();
    EXPECT_TRUE(designer->status->text().contains("fret 12 on string 1"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view, &leave);
    EXPECT_EQ(designer->status->text(), "24 frets, millimetres.");
}

// On a laptop's screen (1366 x 768, and 1280 x 720 at 125 %, 1024 x 576 to the window system)
// the window opens whole: every button and the status line lie inside it, and it inside the
// screen.
TEST_F(DesignerViewTest, TheWindowFitsALaptopScreen) {
    test::TempStore designerStore;
    useDesignerStore(designerStore.store());
    DesignerWindow* designer = openDesigner();
    ASSERT_TRUE(designer);
    for (const QRect screen : {QRect(0, 0, 1366, 768 - 40), QRect(0, 0, 1024, 576 - 32)}) {
        // Before it is shown, its frame is unknown: room is kept for a title bar.
        designer->hide();
        designer->fitInto(screen);
        designer->show();
        QApplication::processEvents();
        EXPECT_LE(designer->width(), screen.width());
        EXPECT_LE(designer->height() + 32, screen.height());
        const QRect inside = designer->rect();
        QList<QWidget*> shown = {designer->status};
        for (QPushButton* button : designer->findChildren<QPushButton*>()) {
            if (button->isVisibleTo(designer) && !button->parentWidget()->inherits("QScrollArea") &&
                button->objectName() != QLatin1String("cmdBrowseScala"))
                shown << button;
        }
        for (QWidget* w : shown) {
            const QRect at(w->mapTo(designer, QPoint(0, 0)), w->size());
            EXPECT_TRUE(inside.contains(at)) << w->objectName().toStdString() << " at " << at.x()
                                             << "," << at.y() << " in " << screen.width();
        }
    }
    // Its size is remembered however it is closed, Escape too.
    designer->show();
    designer->resize(700, 500);
    QTest::keyClick(designer, Qt::Key_Escape);
    EXPECT_FALSE(designer->isVisible());
    delete designer;
    designer = openDesigner();
    ASSERT_TRUE(designer);
    EXPECT_EQ(designer->size(), QSize(700, 500));
}

// The table is a view of the board: a row a fret, or a column a string.
TEST_F(DesignerViewTest, TheTableShowsEveryStringOnRequest) {
    DesignerWindow* designer = openDesigner();
    ASSERT_TRUE(designer);
    QAbstractItemModel* rows = designer->table->model();
    EXPECT_EQ(rows->rowCount(), 24);
    EXPECT_EQ(rows->columnCount(), 10);
    designer->columnPerString->setChecked(true);
    EXPECT_EQ(rows->columnCount(), 1 + 6);
    EXPECT_EQ(rows->headerData(6, Qt::Horizontal).toString(), "String 6 (mm)");
    const DesignerBoard& board = *designer->board();
    EXPECT_EQ(rows->index(11, 6).data().toString().toStdString(),
              formatFixed(board.fretPoints[11 * 6 + 5].fromNut, 2));
    // With a string set, each string's intonation stands above its frets, and the intonation's
    // own view and report come alive.
    EXPECT_FALSE(designer->intonationButton->isEnabled());
    designer->findChild<QComboBox*>("txtStringSet")->setCurrentText("acoustic-12-53");
    ASSERT_EQ(designer->board()->intonation.size(), 6u);
    EXPECT_EQ(rows->rowCount(), 6 + 24);
    EXPECT_EQ(rows->index(0, 0).data().toString(), "Saddle setback");
    EXPECT_EQ(rows->index(0, 6).data().toString().toStdString(),
              formatFixed(designer->board()->intonation[5].saddle, 3));
    EXPECT_EQ(rows->index(6 + 11, 6).data().toString().toStdString(),
              formatFixed(board.fretPoints[11 * 6 + 5].fromNut, 2));
    EXPECT_TRUE(designer->intonationButton->isEnabled());
    designer->findChild<QComboBox*>("txtStringSet")->setCurrentText("");
    EXPECT_EQ(rows->rowCount(), 24);
}

// Every button and check box has a key (the caption test finds keys shared by controls shown
// together), and Alt with the fret count's letter goes to its box.
TEST_F(DesignerViewTest, EveryControlHasAKeyOfItsOwn) {
    DesignerWindow* designer = openDesigner();
    ASSERT_TRUE(designer);
    auto* tabs = designer->findChild<QTabWidget*>("tabInputs");
    ASSERT_TRUE(tabs);
    for (QAbstractButton* button : designer->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || tabs->tabBar()->isAncestorOf(button)) continue;
        EXPECT_TRUE(button->text().contains(QLatin1Char('&')))
            << button->objectName().toStdString();
    }
    designer->show();
    QApplication::setActiveWindow(designer);
    ASSERT_TRUE(QTest::qWaitForWindowActive(designer));
    QTest::keyClick(designer, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), designer->findChild<QWidget*>("txtFrets"));
}

// Fitted, a drawing shows its texts too: an axis's labels left of its lines and numbers below
// them are not cut off at the widget's edge.
TEST(DrawingFitTest, TextsOutsideTheLinesStayInView) {
    Drawing plot;
    plot.layers = {{"AXIS", {0, 0, 0}, 1}};
    plot.line(0, {12, 0}, {100, 0});
    plot.line(0, {12, 0}, {12, 40});
    plot.text(0, {0, -4}, 8, "cents");
    plot.text(0, {50, 41}, 8, "10");
    const QSizeF size(400, 200);
    const auto view = fitTransform(plot, size);
    ASSERT_TRUE(view);
    for (const DrawingText& t : plot.texts) {
        const QPointF corner = view->toScreen(t.topLeft);
        const QPointF below =
            view->toScreen({t.topLeft.x, t.topLeft.y + pointsToUnit(t.points, plot.units)});
        EXPECT_GE(corner.x(), 0) << t.text;
        EXPECT_GE(corner.y(), 0) << t.text;
        EXPECT_LE(below.y(), size.height()) << t.text;
    }
}

}  // namespace
}  // namespace varnel
