#include "gui/printoptionsdialog.h"

#include <utility>

#include "gui/fitcaptions.h"
#include "render/printlimits.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

#include "gui/twips.h"
#include "text/qnumbertext.h"

namespace varnel {

namespace {

const char* const kHelpVertLineWidth = QT_TRANSLATE_NOOP(
    "varnel::PrintOptionsDialog",
    "Enter line width for vertical\r\ntemplate lines (fret markers)\r\nin pixels");
const char* const kHelpHorzLineWidth = QT_TRANSLATE_NOOP(
    "varnel::PrintOptionsDialog",
    "Enter line width for horizontal\r\ntemplate lines (fretboard edge)\r\nin pixels");
const char* const kHelpFontSize =
    QT_TRANSLATE_NOOP("varnel::PrintOptionsDialog", "Enter Font Size for printed fret chart");
const char* const kHelpLineHeight = QT_TRANSLATE_NOOP(
    "varnel::PrintOptionsDialog",
    "Enter length for vertical lines on template.  This corresponds to the width dimension of "
    "the fretboard");
const char* const kHelpLineSpace =
    QT_TRANSLATE_NOOP("varnel::PrintOptionsDialog", "Enter spacing between template lines");
const char* const kHelpConverted = QT_TRANSLATE_NOOP(
    "varnel::PrintOptionsDialog", "  This measurement will be converted to millimeters");
const char* const kHelpGuide = QT_TRANSLATE_NOOP(
    "varnel::PrintOptionsDialog",
    "Select position of the guideline - top, center, or bottom of each line of template");

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(FretboardSettings& target, MessageBox& messages,
                                       QWidget* parent)
    : PlainKeysDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowCloseButtonHint),
      m_target(target),
      m_messages(messages) {
    setObjectName(QStringLiteral("diaTemplateLineWidth"));
    setWindowTitle(tr("Set Printer Options"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    createControls();
}

void PrintOptionsDialog::createControls() {
    useDesignFont(*this);
    // As wide as designed; as high as its content, the help line under the buttons (sized below).
    setFixedWidth(twipsToPixelsX(*this, 6885));
    const auto place = [](QWidget* w, const char* name, double left, double top, double width,
                          double height) {
        w->setObjectName(QString::fromLatin1(name));
        placeInTwips(w, left, top, width, height);
    };
    const auto label = [this, &place](const char* name, const QString& text, Qt::Alignment align,
                                      double l, double t, double w, double h) {
        auto* lbl = new QLabel(text, this);
        lbl->setAlignment(align | Qt::AlignTop);
        lbl->setWordWrap(true);
        place(lbl, name, l, t, w, h);
        // A caption that wraps to more lines than its design box holds grows downward.
        lbl->resize(lbl->width(), std::max(lbl->height(), lbl->heightForWidth(lbl->width())));
        return lbl;
    };
    OKButton = new QPushButton(tr("OK"), this);
    place(OKButton, "OKButton", 2055, 3480, 1215, 375);
    cancelButton = new QPushButton(tr("Cancel"), this);
    place(cancelButton, "CancelButton", 3615, 3480, 1215, 375);
    txtVertLineWidth = new QLineEdit(QStringLiteral(" "), this);
    place(txtVertLineWidth, "txtVertLineWidth", 315, 810, 2535, 285);
    txtHorzLineWidth = new QLineEdit(this);
    place(txtHorzLineWidth, "txtHorzLineWidth", 315, 1800, 2535, 285);
    lblVertLineWidth =
        label("lblVertLineWidth", tr("Vertical (fret position marker) line width (pixels)"),
              Qt::AlignHCenter, 300, 360, 2535, 435);
    lblHorzLineWidth =
        label("lblHorzLineWidth", tr("Horizontal (alignment guide) line width (pixels)"),
              Qt::AlignHCenter, 435, 1320, 2295, 390);
    txtFontSize = new QLineEdit(this);
    place(txtFontSize, "txtFontSize", 3435, 2880, 495, 285);
    lblFontSize = label("lblFontSize", tr("Chart Font Size"), Qt::AlignRight, 555, 2880, 2775, 255);
    lblChart = label("lblChart", tr("Fret Spacing Chart Print Options "), Qt::AlignHCenter, 75,
                     2520, 6735, 255);
    lblTemplate = label("lblTemplate", tr("Fret Slot Cutting Template Print Options"),
                        Qt::AlignHCenter, 75, 0, 6735, 195);
    grpHorzLinePos = new QGroupBox(tr("Alignment guide position"), this);
    place(grpHorzLinePos, "grpHorzLinePos", 3315, 1320, 3255, 615);
    lblLineWidthHelp = label("lblLineWidthHelp", QString(), Qt::AlignLeft, 120, 3975, 6615, 615);
    optHorzPosTop = new QRadioButton(tr("Top"), grpHorzLinePos);
    place(optHorzPosTop, "optHorzPosTop", 240, 240, 615, 255);
    optHorzPosCenter = new QRadioButton(tr("Center"), grpHorzLinePos);
    place(optHorzPosCenter, "optHorzPosCenter", 1080, 240, 855, 255);
    optHorzPosBottom = new QRadioButton(tr("Bottom"), grpHorzLinePos);
    place(optHorzPosBottom, "optHorzPosBottom", 2160, 240, 1215, 255);
    txtVertLineLength = new QLineEdit(this);
    place(txtVertLineLength, "txtVertLineLength", 3315, 840, 1455, 285);
    lblVertLineLenght = label("lblVertLineLenght", tr("Vertical Line Length"), Qt::AlignHCenter,
                              3315, 360, 1455, 195);
    txtVertLineSpace = new QLineEdit(this);
    place(txtVertLineSpace, "txtVertLineSpace", 4875, 840, 1455, 285);
    lblVertLineSpace = label("lblVertLineSpace", tr("Space between template lines"),
                             Qt::AlignHCenter, 4875, 360, 1455, 390);
    chkPrintFretNum = new QCheckBox(tr("Print Fret Numbers"), this);
    place(chkPrintFretNum, "chkPrintFretNum", 3960, 2040, 2655, 255);
    for (const auto& [name, y] : {std::pair{"Line1", 2400}, {"Line2", 3240}}) {
        auto* rule = new QFrame(this);
        rule->setFrameShape(QFrame::HLine);
        rule->setFrameShadow(QFrame::Sunken);
        place(rule, name, 0, y - 15, 6840, 30);
    }
    // The radio buttons need no exclusive group of their own: the frame makes them exclusive,
    // and with none selected at design, a record's unknown guide position shows as none.
    for (QRadioButton* r : {optHorzPosTop, optHorzPosCenter, optHorzPosBottom}) {
        r->setAutoExclusive(true);
    }
    fitCaptions(grpHorzLinePos);
    fitCaptions(this);
    setFixedHeight(lblLineWidthHelp->geometry().bottom() + twipsToPixelsY(*this, 120));
    for (QPushButton* b : {OKButton, cancelButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    const QList<QWidget*> order = {OKButton,         cancelButton,     txtVertLineWidth,
                                   txtHorzLineWidth, txtFontSize,      optHorzPosTop,
                                   optHorzPosCenter, optHorzPosBottom, txtVertLineLength,
                                   txtVertLineSpace, chkPrintFretNum};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    txtVertLineWidth->setAccessibleName(lblVertLineWidth->text());
    txtHorzLineWidth->setAccessibleName(lblHorzLineWidth->text());
    txtFontSize->setAccessibleName(lblFontSize->text());
    txtVertLineLength->setAccessibleName(lblVertLineLenght->text());
    txtVertLineSpace->setAccessibleName(lblVertLineSpace->text());
    lblLineWidthHelp->setAccessibleName(tr("Help"));

    // Change handlers: a box's number, when it is one that fits its field, goes to its copy.
    connect(txtVertLineWidth, &QLineEdit::textChanged, this,
            [this](const QString& t) { lineWidthVert = int16FromText(t).value_or(lineWidthVert); });
    connect(txtHorzLineWidth, &QLineEdit::textChanged, this,
            [this](const QString& t) { lineWidthHorz = int16FromText(t).value_or(lineWidthHorz); });
    connect(txtFontSize, &QLineEdit::textChanged, this,
            [this](const QString& t) { chartFontSize = int16FromText(t).value_or(chartFontSize); });
    connect(txtVertLineLength, &QLineEdit::textChanged, this, [this](const QString& t) {
        templateLineHeight = finiteFloatFromText(t).value_or(templateLineHeight);
    });
    connect(txtVertLineSpace, &QLineEdit::textChanged, this, [this](const QString& t) {
        templateLineSpace = finiteFloatFromText(t).value_or(templateLineSpace);
    });
    for (QLineEdit* box : {txtVertLineLength, txtVertLineSpace}) {
        connect(box, &QLineEdit::textEdited, this, [this] { m_lengthTyped = true; });
    }
    connect(optHorzPosTop, &QRadioButton::clicked, this, [this] { hLinePos = kGuideTop; });
    connect(optHorzPosCenter, &QRadioButton::clicked, this, [this] { hLinePos = kGuideCenter; });
    connect(optHorzPosBottom, &QRadioButton::clicked, this, [this] { hLinePos = kGuideBottom; });
    connect(chkPrintFretNum, &QCheckBox::clicked, this,
            [this] { printFretNumbers = chkPrintFretNum->isChecked(); });
    connect(OKButton, &QPushButton::clicked, this, &PrintOptionsDialog::OKButton_Click);
    connect(cancelButton, &QPushButton::clicked, this, &PrintOptionsDialog::CancelButton_Click);

    for (QWidget* w : std::initializer_list<QWidget*>{
             txtVertLineWidth, txtHorzLineWidth, txtFontSize, txtVertLineLength, txtVertLineSpace,
             optHorzPosTop, optHorzPosCenter, optHorzPosBottom}) {
        w->installEventFilter(this);
        m_watched.append(w);
    }
}

PrintOptionsDialog::~PrintOptionsDialog() {
    // The controls lose the focus while they are destroyed; this dialog no longer listens.
    for (QWidget* w : m_watched) w->removeEventFilter(this);
}

void PrintOptionsDialog::load() {
    lineWidthVert = m_target.lineWidthVert;
    lineWidthHorz = m_target.lineWidthHorz;
    chartFontSize = m_target.chartFontSize;
    hLinePos = m_target.hLinePos;
    templateLineHeight = m_target.templateLineHeight;
    templateLineSpace = m_target.templateLineSpace;
    printFretNumbers = m_target.printFretNumbers;

    txtVertLineWidth->setText(QString::number(lineWidthVert));
    txtHorzLineWidth->setText(QString::number(lineWidthHorz));
    txtFontSize->setText(QString::number(chartFontSize));
    for (QRadioButton* r : {optHorzPosTop, optHorzPosCenter, optHorzPosBottom}) {
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
    }
    if (hLinePos == kGuideTop) optHorzPosTop->setChecked(true);
    if (hLinePos == kGuideCenter) optHorzPosCenter->setChecked(true);
    if (hLinePos == kGuideBottom) optHorzPosBottom->setChecked(true);
    txtVertLineLength->setText(numberText(templateLineHeight));
    txtVertLineSpace->setText(numberText(templateLineSpace));
    chkPrintFretNum->setChecked(printFretNumbers);
    show();
}

void PrintOptionsDialog::OKButton_Click() {
    // A length box still holding the focus is left first, as clicking elsewhere leaves it.
    if (QWidget* focus = focusWidget()) lostFocus(focus);
    // A length box that is empty or holds no number is refused, not taken as the last number it
    // held: "25,4" would be 25 mm, and an emptied inch box its old value converted. (The
    // integer boxes keep their last number, as they always have.)
    const std::pair<PrintSetting, QLineEdit*> boxes[] = {
        {PrintSetting::MarkerWidth, txtVertLineWidth},
        {PrintSetting::GuideWidth, txtHorzLineWidth},
        {PrintSetting::ChartFontSize, txtFontSize},
        {PrintSetting::LineHeight, txtVertLineLength},
        {PrintSetting::LineSpace, txtVertLineSpace}};
    const auto boxOf = [&boxes](PrintSetting setting) {
        for (const auto& [s, box] : boxes) {
            if (s == setting) return box;
        }
        return boxes[0].second;
    };
    for (const auto& [setting, box] : boxes) {
        const bool length =
            setting == PrintSetting::LineHeight || setting == PrintSetting::LineSpace;
        if (!length || finiteFloatFromText(box->text())) continue;
        m_messages.show(unreadableSettingRefusal(setting, box->text()).toStdString());
        box->setFocus();
        return;
    }
    FretboardSettings chosen = m_target;
    chosen.lineWidthVert = lineWidthVert;
    chosen.lineWidthHorz = lineWidthHorz;
    chosen.chartFontSize = chartFontSize;
    chosen.templateLineHeight = templateLineHeight;
    chosen.templateLineSpace = templateLineSpace;
    if (const auto refusal = printSettingRefusal(chosen, kAllPrintSettings)) {
        m_messages.show(refusal->message.toStdString());
        boxOf(refusal->setting)->setFocus();
        return;
    }
    m_target.lineWidthVert = lineWidthVert;
    m_target.lineWidthHorz = lineWidthHorz;
    m_target.chartFontSize = chartFontSize;
    m_target.hLinePos = hLinePos;
    m_target.templateLineHeight = templateLineHeight;
    m_target.templateLineSpace = templateLineSpace;
    m_target.printFretNumbers = printFretNumbers;
    close();
}

void PrintOptionsDialog::CancelButton_Click() {
    close();
}

void PrintOptionsDialog::clearHelpText() {
    lblLineWidthHelp->clear();
}

bool PrintOptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) gotFocus(watched);
    if (event->type() == QEvent::FocusOut) lostFocus(watched);
    return PlainKeysDialog::eventFilter(watched, event);
}

void PrintOptionsDialog::gotFocus(QObject* control) {
    const bool inches = m_target.unitsType == kUnitsInches;
    if (control == txtVertLineWidth) {
        lblLineWidthHelp->setText(tr(kHelpVertLineWidth));
    } else if (control == txtHorzLineWidth) {
        lblLineWidthHelp->setText(tr(kHelpHorzLineWidth));
    } else if (control == txtFontSize) {
        lblLineWidthHelp->setText(tr(kHelpFontSize));
    } else if (control == txtVertLineLength) {
        m_lengthTyped = false;
        lblLineWidthHelp->setText(tr(kHelpLineHeight) + (inches ? tr(kHelpConverted) : QString()));
    } else if (control == txtVertLineSpace) {
        m_lengthTyped = false;
        lblLineWidthHelp->setText(tr(kHelpLineSpace) + (inches ? tr(kHelpConverted) : QString()));
    } else if (control == optHorzPosTop || control == optHorzPosCenter ||
               control == optHorzPosBottom) {
        lblLineWidthHelp->setText(tr(kHelpGuide));
    }
}

void PrintOptionsDialog::lostFocus(QObject* control) {
    if (control == txtVertLineLength) convertInchEntry(txtVertLineLength, templateLineHeight);
    if (control == txtVertLineSpace) convertInchEntry(txtVertLineSpace, templateLineSpace);
    clearHelpText();
}

void PrintOptionsDialog::convertInchEntry(QLineEdit* box, float& copy) {
    if (!m_lengthTyped || m_target.unitsType != kUnitsInches) return;
    m_lengthTyped = false;
    // Only a number typed is converted: an emptied box is not its old value in inches.
    if (!finiteFloatFromText(box->text())) return;
    const auto millimetres = static_cast<float>(copy * kMillimetresPerInch);
    if (!std::isfinite(millimetres)) return;
    copy = millimetres;
    box->setText(numberText(copy));
}

}  // namespace varnel
