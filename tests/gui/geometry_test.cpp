// No caption covers or clips another control, in every window and dialog, in English and in
// each translation, at the scale the test runs at (CTest runs it at 100 %, 150 % and 200 %:
// QT_SCALE_FACTOR).
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTranslator>
#include <array>
#include <map>
#include <string_view>

#include "core/input.h"
#include "gui/calibrationdialog.h"
#include "gui/checkwindow.h"
#include "gui/configdialogs.h"
#include "gui/designerwindow.h"
#include "gui/fitcaptions.h"
#include "gui/printoptionsdialog.h"
#include "gui/readmeviewer.h"
#include "layout/templatelayout.h"
#include "recordingprinter.h"
#include "render/calibration.h"
#include "text/translations.h"
#include "uitest.h"

namespace varnel {
namespace {

using test::WindowTest;

// The key a caption's "&" marks, in lower case; none without one.
QChar keyOf(const QString& text) {
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

// The captions among these that share a key with another.
QStringList sharedKeys(const QStringList& captions) {
    QStringList shared;
    std::map<QChar, QString> taken;
    for (const QString& caption : captions) {
        const QChar key = keyOf(caption);
        if (key.isNull()) continue;
        if (taken.contains(key)) shared << taken[key] + " / " + caption;
        taken[key] = caption;
    }
    return shared;
}

QStringList actionCaptions(const QList<QAction*>& actions) {
    QStringList out;
    for (QAction* a : actions) {
        if (!a->isSeparator()) out << a->text();
    }
    return out;
}

// Every pair of visible controls side by side in one parent, and every caption's room.
QStringList overlaps(QWidget* top) {
    QStringList found;
    QList<QWidget*> parents = {top};
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isWindow() || w == top) parents << w;
    }
    for (QWidget* parent : parents) {
        QList<QWidget*> children;
        for (QWidget* c : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (c->isVisible() && !c->isWindow() && !c->objectName().isEmpty()) children << c;
        }
        for (qsizetype i = 0; i < children.size(); ++i) {
            QWidget* a = children[i];
            const bool caption = qobject_cast<QLabel*>(a) || qobject_cast<QRadioButton*>(a) ||
                                 qobject_cast<QCheckBox*>(a);
            const auto* label = qobject_cast<QLabel*>(a);
            const bool clipped = label && label->wordWrap()
                                     ? a->height() < label->heightForWidth(a->width())
                                     : a->width() < a->sizeHint().width() ||
                                           a->height() < a->minimumSizeHint().height();
            if (caption && clipped) found << a->objectName() + " clipped";
            // A frame's title must fit across it.
            if (const auto* frame = qobject_cast<QGroupBox*>(a);
                frame && frame->fontMetrics().horizontalAdvance(frame->title()) > frame->width())
                found << a->objectName() + " title clipped";
            for (qsizetype j = i + 1; j < children.size(); ++j) {
                if (a->geometry().intersects(children[j]->geometry())) {
                    const auto rect = [](QWidget* w) {
                        const QRect r = w->geometry();
                        return QStringLiteral("(%1,%2 %3x%4)")
                            .arg(r.x())
                            .arg(r.y())
                            .arg(r.width())
                            .arg(r.height());
                    };
                    found << a->objectName() + rect(a) + " covers " + children[j]->objectName() +
                                 rect(children[j]);
                }
            }
        }
    }
    return found;
}

// The windows in English and in each translation.
class CaptionTest : public WindowTest, public ::testing::WithParamInterface<const char*> {
  protected:
    void SetUp() override {
        if (english()) return WindowTest::SetUp();
        const QLocale language(QString::fromLatin1(GetParam()));
        QLocale::setDefault(language);
        ASSERT_TRUE(m_translator.load(language, QStringLiteral("varnel"), QStringLiteral("_"),
                                      QStringLiteral(":/i18n")));
        QCoreApplication::installTranslator(&m_translator);
        WindowTest::SetUp();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QCoreApplication::removeTranslator(&m_translator);
        QLocale::setDefault(QLocale::c());
    }
    bool english() const { return std::string_view(GetParam()) == "en"; }
    QTranslator m_translator;
};

// Nothing clipped or covered in any window, and in each language the menus and the designer
// translated, with no key shared by controls shown together.
TEST_P(CaptionTest, NoCaptionCoversOrClipsAnotherControl) {
    EXPECT_EQ(overlaps(window.get()).join("; ").toStdString(), "");
    for (const char* menu : {"mnuFileSave", "mnuFileOpen", "mnuPrefrencesLineWidth"}) {
        item(menu)->trigger();
    }
    test::RecordingMessageBox quiet;
    QList<QWidget*> windows = {window->findChild<SaveConfigDialog*>(),
                               window->findChild<RetrieveConfigDialog*>(),
                               window->findChild<PrintOptionsDialog*>()};
    CalibrationDialog calibration({190, 280}, kUnitsMillimetres, {}, quiet, [](auto&) {});
    calibration.load();
    windows << &calibration;
    for (QWidget* w : windows) {
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(overlaps(w).join("; ").toStdString(), "") << w->objectName().toStdString();
    }
    // The menus: translated, each with keys of its own, and none shared with the buttons.
    QStringList top;
    for (QAction* menu : window->menuBar()->actions()) {
        top << menu->text();
        EXPECT_EQ(sharedKeys(actionCaptions(menu->menu()->actions())).join("; ").toStdString(), "");
        for (QMenu* sub : menu->menu()->findChildren<QMenu*>())
            EXPECT_EQ(sharedKeys(actionCaptions(sub->actions())).join("; ").toStdString(), "");
    }
    EXPECT_EQ(top.contains("&File"), english()) << top.join(" ").toStdString();
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        top << button->text();
        EXPECT_GE(button->width(), detail::buttonWidthNeeded(button))
            << button->text().toStdString();
    }
    // (In English, Alt+P is both "&Preferences" and "&Print Chart", as the design has it.)
    if (!english()) {
        EXPECT_EQ(sharedKeys(top).join("; ").toStdString(), "");
    }
    // The designer: its tabs and captions translated, its keys its own on every tab.
    typeInto(fretsBox(), "24");
    item("mnuToolsFanned")->trigger();
    auto* designer = window->findChild<DesignerWindow*>();
    ASSERT_TRUE(designer);
    auto* tabs = designer->findChild<QTabWidget*>("tabInputs");
    ASSERT_TRUE(tabs);
    // ("Intonation" is German too.)
    const std::array<const char*, 3> tabNames = {"Strings and Scale", "Tuning", "Workshop"};
    for (std::size_t i = 0; i < tabNames.size(); ++i) {
        EXPECT_EQ(tabs->tabText(static_cast<int>(i)) == QLatin1String(tabNames[i]), english()) << i;
    }
    EXPECT_EQ(designer->windowTitle() == "Fretboard Designer", english());
    // At its opening size on a laptop's screen.
    designer->fitInto(QRect(0, 0, 1366, 728));
    EXPECT_EQ(overlaps(designer).join("; ").toStdString(), "");
    for (int i = 0; i < tabs->count(); ++i) {
        QStringList shown;
        for (QAbstractButton* b : designer->findChildren<QAbstractButton*>()) {
            if (b->text().isEmpty() || tabs->tabBar()->isAncestorOf(b)) continue;
            bool elsewhere = false;
            for (int j = 0; j < tabs->count(); ++j)
                elsewhere = elsewhere || (j != i && tabs->widget(j)->isAncestorOf(b));
            if (!elsewhere) shown << b->text();
        }
        for (QLabel* label : designer->findChildren<QLabel*>()) {
            if (label->buddy() && tabs->widget(i)->isAncestorOf(label)) shown << label->text();
        }
        EXPECT_EQ(sharedKeys(shown).join("; ").toStdString(), "") << "tab " << i;
    }
    // Check an Instrument: its fit and findings in the language.
    item("mnuToolsCheck")->trigger();
    auto* check = window->findChild<CheckWindow*>();
    ASSERT_TRUE(check);
    check->pasteMeasurements(QStringLiteral("1\t36.369\n2\t70.698\n3\t103.099\n"));
    ASSERT_TRUE(check->check());
    EXPECT_EQ(check->fit->text().startsWith(QLatin1String("Best: twelfth root\n")), english())
        << check->fit->text().toStdString();
    EXPECT_EQ(check->fit->text().contains(QLatin1String("where the frets want it")), english())
        << check->fit->text().toStdString();
    QApplication::processEvents();  // the layout takes the new text
    EXPECT_EQ(overlaps(check).join("; ").toStdString(), "");
    // A refusal of the measurements, in the language.
    check->pasteMeasurements(QStringLiteral("1\t36\n2\t30\n3\t100\n"));
    EXPECT_EQ(check->status->text() ==
                  QLatin1String("Fret 2 is measured no farther from the nut than fret 1."),
              english())
        << check->status->text().toStdString();
    // Every column's header readable in full.
    const QHeaderView* header = check->results->horizontalHeader();
    for (int c = 0; c < header->count(); ++c) {
        const QString label = check->results->horizontalHeaderItem(c)->text();
        EXPECT_GE(header->sectionSize(c), header->fontMetrics().horizontalAdvance(label))
            << label.toStdString();
    }
    QStringList checkKeys;
    for (QPushButton* button : check->findChildren<QPushButton*>()) checkKeys << button->text();
    EXPECT_EQ(sharedKeys(checkKeys).join("; ").toStdString(), "");
    check->close();
    // The main window's messages, as its message box says them.
    FretboardSettings record;
    record.nFrets = 22;
    record.scaleLen = 647.7;
    const QString verify = messageText(verifyMessage(record));
    EXPECT_EQ(verify == "Number of frets: 22  Scale Length: 647.7 mm", english())
        << verify.toStdString();
    // (The main window writes its numbers with a point in every language.)
    EXPECT_TRUE(verify.contains(QLatin1String("647.7"))) << verify.toStdString();
    // A printed page's words in the language, its numbers in the locale's way.
    test::RecordingPrinter printer;
    const std::vector<Drawing> pages =
        templatePages(record, calcFretPositions(record), printer.frame(unitsOf(record.unitsType)),
                      printer, "")
            .pages;
    ASSERT_FALSE(pages.empty());
    std::string labels;
    for (const DrawingText& t : pages.front().texts) labels += t.text + "\n";
    EXPECT_EQ(labels.find("scale 647.7 ") != std::string::npos, english()) << labels;
    EXPECT_EQ(labels.find("647,7 ") != std::string::npos, !english()) << labels;
    // And the calibration page's.
    test::RecordingPrinter calibrationPrinter;
    printCalibrationPage(calibrationPrinter, kUnitsMillimetres, paperDescription(PageSetup{}));
    QStringList calibrationTexts;
    for (const test::RecordedText& t : calibrationPrinter.texts) calibrationTexts << t.text;
    const QString calibrationPage = calibrationTexts.join('\n');
    EXPECT_EQ(calibrationPage.contains(QLatin1String("Paper: the printer's own paper, portrait")),
              english())
        << calibrationPage.toStdString();
    EXPECT_EQ(calibrationPage.contains(QLatin1String("Horizontal ruler: ")), english())
        << calibrationPage.toStdString();
    // A caption's key is not shown inside a sentence.
    auto* frets = designer->findChild<QLineEdit*>("txtFrets");
    ASSERT_TRUE(frets);
    frets->setText(QString());
    EXPECT_FALSE(designer->status->text().contains(QLatin1Char('&')))
        << designer->status->text().toStdString();
    frets->setText(QStringLiteral("24"));
    // A refusal in the status line, in the language, its numbers in the locale's way.
    auto* slotWidth = designer->findChild<QLineEdit*>("txtSlotWidth");
    ASSERT_TRUE(slotWidth);
    slotWidth->setText(QStringLiteral("50"));
    const QString refusal = designer->status->text();
    EXPECT_TRUE(refusal.contains(QLatin1String("50"))) << refusal.toStdString();
    EXPECT_EQ(refusal.startsWith(QLatin1String("The slot width, 50, must be narrower than the "
                                               "narrowest fret spacing, ")),
              english())
        << refusal.toStdString();
    EXPECT_EQ(refusal.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))), english())
        << refusal.toStdString();
    designer->close();
}

INSTANTIATE_TEST_SUITE_P(Languages, CaptionTest, ::testing::Values("en", "de", "fr", "es"));

}  // namespace
}  // namespace varnel
