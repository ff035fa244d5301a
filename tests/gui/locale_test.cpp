#include <QAbstractItemModel>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>

#include "gui/checkwindow.h"
#include "gui/designerwindow.h"
#include "uitest.h"

namespace varnel {
namespace {

// The window under a locale that writes a decimal comma; every other test runs in C.
class DecimalCommaTest : public test::WindowTest {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        test::WindowTest::SetUp();
    }
    void TearDown() override {
        test::WindowTest::TearDown();
        QLocale::setDefault(QLocale::c());
    }
};

// In German, "647,7" is a scale length: the designer reads it, shows its numbers with commas,
// and stores the point, so the store reads the same in any language.
TEST_F(DecimalCommaTest, TheDesignerReadsAndShowsADecimalComma) {
    test::TempStore designerStore;
    useDesignerStore(designerStore.store());
    typeInto(fretsBox(), "22");
    item("mnuToolsFanned")->trigger();
    auto* designer = window->findChild<DesignerWindow*>();
    ASSERT_TRUE(designer);
    auto* scale = designer->findChild<QLineEdit*>("txtFirstScale");
    auto* lastScale = designer->findChild<QLineEdit*>("txtLastScale");
    ASSERT_TRUE(scale && lastScale);
    scale->selectAll();
    typeInto(scale, "647,7");
    lastScale->selectAll();
    typeInto(lastScale, "647.7");  // a point is read too
    EXPECT_EQ(scale->text(), "647,7");
    EXPECT_EQ(lastScale->text(), "647.7");
    ASSERT_TRUE(designer->board()) << designer->status->text().toStdString();
    EXPECT_EQ(designer->model().text("txtFirstScale"), "647.7");
    EXPECT_EQ(designerStore.store().getSetting("Fanned", "txtFirstScale", ""), "647.7");
    EXPECT_EQ(designerStore.store().getSetting("Fanned", "txtLastScale", ""), "647.7");
    // Fret 12 stands half the scale from the nut: 323,85.
    const QAbstractItemModel* rows = designer->table->model();
    EXPECT_EQ(rows->index(11, 1).data().toString(), "323,85");
    // In inches the converted lengths are shown with a comma too.
    designer->units->setCurrentIndex(1);
    EXPECT_EQ(scale->text(), "25,5");
    EXPECT_EQ(designer->model().text("txtFirstScale"), "25.5");
}

// The check window takes typed and pasted measurements with decimal commas, and shows its
// numbers with them; its files keep the point.
TEST_F(DecimalCommaTest, TheCheckReadsPastedAndTypedDecimalCommas) {
    item("mnuToolsCheck")->trigger();
    auto* check = window->findChild<CheckWindow*>();
    ASSERT_TRUE(check);
    // As a German spreadsheet copies two columns, and one; and a file's rows with points.
    for (const char* pasted : {"Bund\tAbstand\n1\t36,369\n2\t70,698\n3\t103,099\n",
                               "36,369\n70,698\n103,099\n", "1,36.369\n2,70.698\n3,103.099\n"}) {
        check->pasteMeasurements(QString::fromLatin1(pasted));
        ASSERT_TRUE(check->check()) << check->status->text().toStdString();
        EXPECT_EQ(check->check()->frets[0].measured, 36.369) << pasted;
        EXPECT_EQ(check->measured->item(2, 1)->text(), "103,099") << pasted;
        EXPECT_EQ(check->results->item(0, 1)->text(), "36,369") << pasted;
    }
    check->measured->setItem(3, 1, new QTableWidgetItem(QStringLiteral("133,682")));
    ASSERT_TRUE(check->check()) << check->status->text().toStdString();
    ASSERT_EQ(check->check()->frets.size(), 4u);
    EXPECT_EQ(check->check()->frets[3].measured, 133.682);
    check->scaleLength->setText(QStringLiteral("648,0"));
    ASSERT_TRUE(check->check()) << check->status->text().toStdString();
    EXPECT_TRUE(check->fit->text().contains(QStringLiteral("648,0")));
    EXPECT_FALSE(check->fit->text().contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))))
        << check->fit->text().toStdString();
}

}  // namespace
}  // namespace varnel
