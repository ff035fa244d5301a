#include "printjobs.h"

#include "version.h"

#include <cmath>

#include "chart.h"
#include "numtext.h"
#include "printlimits.h"

namespace varnel {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kCyan(0, 255, 255);

QString fretNumberText(int fret) {
    return fret == 0 ? QStringLiteral("N") : QString::number(fret);
}

// The working values of one template run, in the page unit.
struct TemplateGeometry {
    float h;   // line height
    float s;   // line gap
    float w;   // marker width
    double W;  // printable width
};

TemplateGeometry setUpTemplate(PrinterSurface& printer, const FretboardSettings& s) {
    printer.setFontName(kFretNumberFont);
    printer.setFontSize(kFretNumberPoints);
    TemplateGeometry g{};
    if (s.unitsType == kUnitsMillimetres) {
        printer.setScaleMode(PageUnit::Millimetres);
        g.h = s.templateLineHeight;
        g.s = s.templateLineSpace;
    } else {
        printer.setScaleMode(PageUnit::Inches);
        g.h = static_cast<float>(s.templateLineHeight / kMillimetresPerInch);
        g.s = static_cast<float>(s.templateLineSpace / kMillimetresPerInch);
    }
    g.w = static_cast<float>(printer.scaleX(s.lineWidthVert));
    g.W = printer.scaleWidth();
    return g;
}

// Fret i fits at x when the printable width, less its number's width and a marker width, lies
// strictly beyond x; both sides compared as 32-bit floats.
bool fits(PrinterSurface& printer, const TemplateGeometry& g, int fret, double x) {
    const auto limit = static_cast<float>(g.W - (printer.textWidth(QString::number(fret)) + g.w));
    return limit > static_cast<float>(x);
}

float calcFretNumberY(PrinterSurface& printer, std::int16_t hLinePos, float lineTop,
                      float lineHeight) {
    const float g = calcGuideLineY(hLinePos, lineTop, lineHeight);
    const auto t = static_cast<float>(printer.textHeight(QStringLiteral("1")));
    return hLinePos == kGuideBottom ? g - t : g + 0.1f * t;
}

void printFretNumber(PrinterSurface& printer, std::int16_t hLinePos, int fret, double x,
                     float lineTop, float lineHeight) {
    printer.currentX = x + 0.1 * printer.textWidth(QStringLiteral("1"));
    printer.currentY = calcFretNumberY(printer, hLinePos, lineTop, lineHeight);
    printer.print(fretNumberText(fret));
}

}  // namespace

QString footerText() {
    return QStringLiteral("\r\nPrinted by Varnel v.") + QLatin1String(kFooterVersionText);
}

void printFooter(PrinterSurface& printer, double y) {
    printer.currentY = y;
    printer.setFontSize(kFooterPoints);
    printer.print(footerText());
    if (const auto note = correctionNote(printer)) printer.print(*note);
}

QString percentText(double factor) {
    return QString::fromStdString(formatFixed(factor * 100, 2)) + QStringLiteral(" %");
}

QString correctionText(const ScaleCorrection& c) {
    return QStringLiteral("horizontal %1, vertical %2")
        .arg(percentText(c.horizontal), percentText(c.vertical));
}

std::optional<QString> correctionNote(const PrinterSurface& printer) {
    if (!printer.correction().inUse()) return std::nullopt;
    return QStringLiteral("Scale corrected for %1: %2")
        .arg(printer.printerName(), correctionText(printer.correction()));
}

void printChart(PrinterSurface& printer, const FretboardSettings& s, const FretPositions& p) {
    printer.setFontName(kChartFont);
    printer.setFontSize(s.chartFontSize);
    printer.print(QString::fromLatin1(buildFretChart(s, p)));
    printFooter(printer, printer.currentY);
}

float calcGuideLineY(std::int16_t hLinePos, float lineTop, float lineHeight) {
    switch (hLinePos) {
        case kGuideTop:
            return lineTop;
        case kGuideCenter:
            return lineTop + lineHeight / 2;
        case kGuideBottom:
            return lineTop + lineHeight;
        default:
            return 0;
    }
}

std::optional<QString> chartRefusal(PrinterSurface& printer, const FretboardSettings& s,
                                    const FretPositions& p) {
    if (auto refusal = printSettingRefusal(s, kChartSettings)) return refusal->message;
    printer.setFontName(kChartFont);
    printer.setFontSize(s.chartFontSize);
    return chartPageRefusal(printer, s, QString::fromLatin1(buildFretChart(s, p)));
}

std::optional<QString> templateRefusal(PrinterSurface& printer, const FretboardSettings& s,
                                       const FretPositions& p) {
    if (auto refusal = printSettingRefusal(s, kTemplateSettings)) return refusal->message;
    const TemplateGeometry g = setUpTemplate(printer, s);
    if (auto refusal = templatePageRefusal(printer, s)) return refusal;
    const bool mm = s.unitsType == kUnitsMillimetres;
    for (int i = 1; i <= p.count(); ++i) {
        const double d = p.distFromFret[static_cast<std::size_t>(i)];
        // On an empty line the fret follows the repeated one, which stands at x = w.
        if (!fits(printer, g, i, g.w + d)) {
            const QString unit = mm ? QStringLiteral(" mm") : QStringLiteral(" inches");
            const int decimals = mm ? 1 : 2;
            return QStringLiteral(
                       "Fret %1 is %2 from the previous fret, more than fits across the printable "
                       "width of %3. Print on wider paper or in landscape orientation.")
                .arg(i)
                .arg(QString::fromStdString(formatFixed(d, decimals)) + unit)
                .arg(QString::fromStdString(formatFixed(g.W, decimals)) + unit);
        }
    }
    return std::nullopt;
}

void printTemplate(PrinterSurface& printer, const FretboardSettings& s, const FretPositions& p) {
    const TemplateGeometry g = setUpTemplate(printer, s);
    const double pageHeight = printer.scaleHeight();
    const std::int16_t guide = guidePosition(s);
    float lineTop = -g.h;
    double markerX = 0;
    int markersOnLine = 0;
    int linesOnPage = 0;
    const int last = p.count();
    for (int i = 0; i <= last; ++i) {
        if (markersOnLine == 0) {
            markerX = g.w;
            lineTop = lineTop + g.h + g.s;
            // A strip that would end below the printable area starts the next page, one line
            // gap below its top.
            if (linesOnPage > 0 && lineTop + g.h > pageHeight) {
                printer.newPage();
                lineTop = g.s;
                linesOnPage = 0;
            }
            ++linesOnPage;
            printer.setDrawWidth(s.lineWidthHorz);
            const float guideY = calcGuideLineY(guide, lineTop, g.h);
            printer.line(0, guideY, g.W, guideY, kBlack);
            printer.setDrawStyle(LineStyle::Dash);
            printer.setDrawWidth(s.lineWidthHorz);
            if (guide != kGuideTop) printer.line(0, lineTop, g.W, lineTop, kCyan);
            if (guide != kGuideBottom) printer.line(0, lineTop + g.h, g.W, lineTop + g.h, kCyan);
            printer.setDrawStyle(LineStyle::Solid);
            printer.setDrawWidth(s.lineWidthVert);
            printer.line(markerX, lineTop, markerX, lineTop + g.h, kBlack);
            if (s.printFretNumbers) printFretNumber(printer, guide, i, markerX, lineTop, g.h);
            ++markersOnLine;
        } else {
            markerX += p.distFromFret[static_cast<std::size_t>(i)];
            if (fits(printer, g, i, markerX)) {
                printer.line(markerX, lineTop, markerX, lineTop + g.h, kBlack);
                if (s.printFretNumbers) printFretNumber(printer, guide, i, markerX, lineTop, g.h);
                ++markersOnLine;
            } else {
                // The next line starts again with the fret before this one.
                i -= 2;
                markersOnLine = 0;
            }
        }
    }
    printFooter(printer, lineTop + g.h);
}

}  // namespace varnel
