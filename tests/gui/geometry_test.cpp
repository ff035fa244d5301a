// No caption covers or clips another control, in every window and dialog, at the scale the
// test runs at (CTest runs it at 100 %, 150 % and 200 %: QT_SCALE_FACTOR).
#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

#include "gui/calibrationdialog.h"
#include "gui/configdialogs.h"
#include "gui/printoptionsdialog.h"
#include "gui/readmeviewer.h"
#include "uitest.h"

namespace varnel {
namespace {

using test::WindowTest;

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

TEST_F(WindowTest, NoCaptionCoversOrClipsAnotherControl) {
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
}

}  // namespace
}  // namespace varnel
