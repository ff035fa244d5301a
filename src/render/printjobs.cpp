#include "render/printjobs.h"

#include "core/numtext.h"
#include "layout/chartlayout.h"
#include "layout/checkreport.h"
#include "layout/templatelayout.h"
#include "render/printlimits.h"
#include "text/translations.h"

namespace varnel {

std::string noteOf(const PrinterSurface& printer) {
    const auto note = correctionNote(printer);
    return note ? note->toStdString() : std::string();
}

std::optional<QString> replayUnlessRefused(PrinterSurface& printer,
                                           const std::optional<QString>& refusal,
                                           const std::vector<Drawing>& pages) {
    if (!refusal) replayPages(printer, pages);
    return refusal;
}

void replayPages(PrinterSurface& printer, const std::vector<Drawing>& pages) {
    for (std::size_t k = 0; k < pages.size(); ++k) {
        const Drawing& page = pages[k];
        if (k > 0) printer.newPage();
        printer.setScaleMode(page.units == Units::Inches ? PageUnit::Inches
                                                         : PageUnit::Millimetres);
        // Each item in its layer's pen and colour.
        const auto pen = [&](std::size_t index) {
            const DrawingLayer& layer = page.layers[index];
            printer.setDrawWidth(layer.penPixels);
            printer.setDrawStyle(layer.dashed ? LineStyle::Dash : LineStyle::Solid);
            return QColor(layer.colour.red, layer.colour.green, layer.colour.blue);
        };
        const auto line = [&](std::size_t layer, const Segment& g) {
            const QColor colour = pen(layer);
            printer.line(g.from.x, g.from.y, g.to.x, g.to.y, colour);
        };
        for (const DrawingLine& l : page.lines) line(l.layer, l.segment);
        for (const DrawingOutline& outline : page.outlines) {
            for (const Segment& side : sidesOf(outline)) line(outline.layer, side);
        }
        for (const DrawingCircle& c : page.circles) {
            const QColor colour = pen(c.layer);
            printer.circle(c.centre.x, c.centre.y, c.diameter, colour);
        }
        for (const DrawingArc& arc : page.arcs) printer.arc(arc, pen(arc.layer));
        for (const DrawingText& text : page.texts) {
            printer.setFont(QString::fromStdString(page.layers[text.layer].face), text.points);
            printer.text(text.topLeft.x, text.topLeft.y, QString::fromStdString(text.text));
        }
    }
    printer.setDrawStyle(LineStyle::Solid);
}

std::string percentText(double factor) {
    return formatFixed(factor * 100, 2) + " %";
}

Message correctionText(const ScaleCorrection& c) {
    return Message(
        QT_TRANSLATE_NOOP("varnel::Words", "horizontal %1, vertical %2"),
        {writtenNumber(percentText(c.horizontal)), writtenNumber(percentText(c.vertical))});
}

MessageArg lengthWithUnit(const std::string& digits, bool inches) {
    return inner(inches
                     ? Message(QT_TRANSLATE_NOOP("varnel::Words", "%1 inches"), {verbatim(digits)})
                     : Message(QT_TRANSLATE_NOOP("varnel::Words", "%1 mm"), {verbatim(digits)}));
}

std::optional<QString> correctionNote(const PrinterSurface& printer) {
    if (!printer.correction().inUse()) return std::nullopt;
    return messageText(Message(QT_TRANSLATE_NOOP("varnel::Words", "Scale corrected for %1: %2"),
                               {verbatim(printer.printerName().toStdString()),
                                inner(correctionText(printer.correction()))}));
}

namespace {

// The chart laid out on this printer, or why it cannot be printed there.
std::optional<QString> layOutChart(PrinterSurface& printer, const FretboardSettings& s,
                                   const FretPositions& p, ChartPages& chart) {
    if (auto refusal = printSettingRefusal(s, kChartSettings)) return refusal->message;
    chart = chartPages(s, p, printer.frame(Units::Inches), printer, noteOf(printer));
    return chartPageRefusal(s, chart.widestLine * kMillimetresPerInch,
                            printer.frame(Units::Millimetres).width);
}

// The template laid out on this printer, or why it cannot be printed there.
std::optional<QString> layOutTemplate(PrinterSurface& printer, const FretboardSettings& s,
                                      const FretPositions& p, TemplatePages& pages) {
    if (auto refusal = printSettingRefusal(s, kTemplateSettings)) return refusal->message;
    if (auto refusal = templatePageRefusal(printer.frame(Units::Millimetres), s)) return refusal;
    const Units units = unitsOf(s.unitsType);
    const bool inches = units == Units::Inches;
    const PageFrame frame = printer.frame(units);
    pages = templatePages(s, p, frame, printer, noteOf(printer));
    if (pages.footTooHigh > 0) {
        const double perMm = unitsPerMillimetre(units);
        return messageText(Message(
            QT_TRANSLATE_NOOP("varnel::Words",
                              "A template line of %1 mm, the space of %2 mm above it and the "
                              "page's labels and check rule (%3 mm) are more than fits on the page "
                              "(%4 mm printable). Set a smaller Space between template lines or "
                              "Vertical Line Length, or print on larger paper."),
            {verbatim(formatGeneral(s.templateLineHeight)),
             verbatim(formatGeneral(s.templateLineSpace)),
             verbatim(formatFixed(pages.footTooHigh / perMm, 1)),
             verbatim(formatFixed(frame.height / perMm, 1))}));
    }
    const int fret = pages.fretTooFar;
    if (fret == 0) return std::nullopt;
    const int decimals = inches ? 2 : 1;
    const auto length = [&](double value) {
        return lengthWithUnit(formatFixed(value, decimals), inches);
    };
    return messageText(
        Message(QT_TRANSLATE_NOOP("varnel::Words",
                                  "Fret %1 is %2 from the previous fret, more than fits across the "
                                  "printable width of %3. Print on wider paper or in landscape "
                                  "orientation."),
                {number(fret), length(p.distFromFret[static_cast<std::size_t>(fret)]),
                 length(frame.width)}));
}

}  // namespace

std::optional<QString> drawReport(PrinterSurface& printer, const ReportLayout& layOut) {
    const PageFrame frame = printer.frame(Units::Millimetres);
    if (frame.width < kReportMinimumWidthMm || frame.height < 2 * kPlotHeightMm) {
        return messageText(
            Message(QT_TRANSLATE_NOOP("varnel::Words",
                                      "The page is too small for the report: it needs %1 x %2 mm."),
                    {number(kReportMinimumWidthMm), number(2 * kPlotHeightMm)}));
    }
    replayPages(printer, layOut(frame, noteOf(printer)));
    return std::nullopt;
}

std::optional<QString> drawCheckReport(PrinterSurface& printer, const InstrumentCheck& check) {
    return drawReport(printer, [&](const PageFrame& frame, const std::string& note) {
        return checkReportPages(check, frame, printer, note);
    });
}

Document checkReportDocument(const InstrumentCheck& check) {
    return {messageText(QT_TRANSLATE_NOOP("varnel::Words", "Instrument Check")),
            [&check](PrinterSurface& printer) { return drawCheckReport(printer, check); }};
}

std::optional<QString> drawChart(PrinterSurface& printer, const FretboardSettings& s,
                                 const FretPositions& p) {
    ChartPages chart;
    return replayUnlessRefused(printer, layOutChart(printer, s, p, chart), chart.pages);
}

std::optional<QString> drawTemplate(PrinterSurface& printer, const FretboardSettings& s,
                                    const FretPositions& p) {
    TemplatePages pages;
    return replayUnlessRefused(printer, layOutTemplate(printer, s, p, pages), pages.pages);
}

}  // namespace varnel
