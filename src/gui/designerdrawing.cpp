#include "gui/designerwindow.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialogparts.h"
#include "gui/drawingview.h"
#include "text/translations.h"

// The designer's drawing pane: the board's drawing, with its zoom buttons and a check box for
// each group of layers, and the readout of the point under the cursor.

namespace varnel {

namespace {

// The layers each check box shows or hides, by the drawing's names.
struct LayerSwitch {
    const char* name;
    const char* caption;
    std::vector<std::string> layers;
};
const LayerSwitch kLayerSwitches[] = {
    {"chkLayerStrings", QT_TRANSLATE_NOOP("varnel::DesignerWindow", "Strin&gs"), {"STRINGS"}},
    {"chkLayerSlots", QT_TRANSLATE_NOOP("varnel::DesignerWindow", "S&lots"), {"SLOTS", "FRETS"}},
    {"chkLayerMarkers",
     QT_TRANSLATE_NOOP("varnel::DesignerWindow", "Mar&kers"),
     {"MARKERS", "SIDEMARKERS"}},
    {"chkLayerNumbers", QT_TRANSLATE_NOOP("varnel::DesignerWindow", "Nu&mbers"), {"NUMBERS"}},
    {"chkLayerSaddle",
     QT_TRANSLATE_NOOP("varnel::DesignerWindow", "Sa&ddle"),
     {"SADDLE", "BRIDGE"}},
};

}  // namespace

QWidget* DesignerWindow::drawingPane() {
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* tools = new QHBoxLayout;
    auto* fit = namedButton(this, "cmdFit", tr("&Fit"));
    auto* trueSize = namedButton(this, "cmdTrueSize", tr("T&rue Size"));
    tools->addWidget(fit);
    tools->addWidget(trueSize);
    drawing = new DrawingView(pane);
    drawing->setObjectName(QStringLiteral("drwBoard"));
    drawing->setAccessibleName(tr("Fretboard drawing"));
    drawing->setMinimumSize(240, 100);
    connect(fit, &QPushButton::clicked, drawing, &DrawingView::fit);
    connect(trueSize, &QPushButton::clicked, drawing, &DrawingView::showTrueSize);
    for (const LayerSwitch& layer : kLayerSwitches) {
        auto* shown = new QCheckBox(tr(layer.caption), pane);
        shown->setObjectName(QString::fromLatin1(layer.name));
        shown->setAccessibleName(tr(layer.caption).remove(QLatin1Char('&')));
        shown->setChecked(true);
        connect(shown, &QCheckBox::toggled, this, [this, &layer](bool on) {
            for (const std::string& name : layer.layers) drawing->setLayerShown(name, on);
        });
        tools->addWidget(shown);
    }
    tools->addStretch();
    layout->addLayout(tools);
    layout->addWidget(drawing, 1);
    drawing->setHoverListener([this](std::optional<Point> at) {
        const Message said = at ? m_model.describePoint(*at) : Message();
        status->setText(messageText(said.empty() ? m_model.status() : said));
    });
    return pane;
}

}  // namespace varnel
