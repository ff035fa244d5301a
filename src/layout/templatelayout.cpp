#include "layout/templatelayout.h"

#include "core/numtext.h"
#include "layout/pagelabels.h"

namespace varnel {

namespace {

enum TemplateLayer : std::size_t { kNut, kSlots, kGuide, kEdges, kNumbers };

Drawing blankTemplate(const FretboardSettings& s) {
    Drawing d;
    d.units = unitsOf(s.unitsType);
    // The nut on a layer of its own: a cutter that cuts the slots leaves it alone.
    d.layers = {{"NUT", {0, 0, 0}, s.lineWidthVert},
                {"SLOTS", {0, 0, 0}, s.lineWidthVert},
                {"GUIDE", {0, 0, 0}, s.lineWidthHorz},
                {"EDGES", {0, 255, 255}, s.lineWidthHorz, true},
                {"NUMBERS", {0, 0, 0}, 1}};
    return d;
}

std::string fretNumberText(int fret) {
    return fret == 0 ? "N" : std::to_string(fret);
}

// Where a strip's rules and numbers stand: its top and bottom edges, its guide, and the top of
// its fret numbers (just under the guide, or above a bottom guide).
struct Strip {
    double top, bottom, guide, numberTop;
};

// The top of a fret number: just under the guide, or above a bottom guide.
template <typename Length>
Length fretNumberTop(std::int16_t guide, Length guideY, Length textHeight) {
    return guide == kGuideBottom ? guideY - textHeight : guideY + Length(0.1) * textHeight;
}

void appendRules(Drawing& d, const Strip& strip, std::int16_t guide, double length) {
    d.line(kGuide, {0, strip.guide}, {length, strip.guide});
    if (guide != kGuideTop) d.line(kEdges, {0, strip.top}, {length, strip.top});
    if (guide != kGuideBottom) d.line(kEdges, {0, strip.bottom}, {length, strip.bottom});
}

void appendFret(Drawing& d, const Strip& strip, double x, int fret, double numberDx, bool numbers) {
    d.line(fret == 0 ? kNut : kSlots, {x, strip.top}, {x, strip.bottom});
    if (numbers)
        d.text(kNumbers, {x + numberDx, strip.numberTop}, kFretNumberPoints, fretNumberText(fret));
}

}  // namespace

std::int16_t guidePosition(const FretboardSettings& s) {
    return s.hLinePos == kGuideCenter || s.hLinePos == kGuideBottom ? s.hLinePos : kGuideTop;
}

Drawing templateSheet(const FretboardSettings& s, const FretPositions& p,
                      const TextMeasure& measure) {
    Drawing d = blankTemplate(s);
    d.title = "Fret slot template, " + std::to_string(p.count()) + " frets, nut at x = 0 (" +
              unitSymbol(d.units) + ")";
    const double width = s.templateLineHeight * unitsPerMillimetre(d.units);
    d.yUp = width;
    const std::int16_t guide = guidePosition(s);
    const double guideY = guideLineY(guide, 0.0, width);
    const double t =
        inchesToUnit(measure.lineHeightInches(kNumberFace, kFretNumberPoints), d.units);
    const double one =
        inchesToUnit(measure.textWidthInches(kNumberFace, kFretNumberPoints, "1"), d.units);
    const Strip strip{0, width, guideY, fretNumberTop(guide, guideY, t)};
    d.lines.reserve(p.distFromNut.size() + 3);
    d.texts.reserve(s.printFretNumbers ? p.distFromNut.size() : 0);
    appendRules(d, strip, guide, p.distFromNut[static_cast<std::size_t>(p.count())]);
    for (int i = 0; i <= p.count(); ++i) {
        appendFret(d, strip, i == 0 ? 0 : p.distFromNut[static_cast<std::size_t>(i)], i, 0.1 * one,
                   s.printFretNumbers);
    }
    return d;
}

Message templateDescription(const FretboardSettings& s, int frets) {
    return boardLabel(s.scaleLen, s.scaleLen, unitsOf(s.unitsType), static_cast<std::size_t>(frets),
                      methodDescription(s));
}

TemplatePages templatePages(const FretboardSettings& s, const FretPositions& p,
                            const PageFrame& frame, const TextMeasure& measure,
                            const std::string& note) {
    Drawing blank = blankTemplate(s);
    const std::size_t footerLayer = blank.addLayer({"FOOTER", {0, 0, 0}, 1});
    const std::size_t labels = blank.addLayer(labelLayer());
    const Units units = blank.units;
    // The labels and the rule at the foot of each page; the strips end above them.
    const std::string description = measure.words(templateDescription(s, p.count()));
    const auto pageText = [&measure](std::size_t k, std::size_t n) {
        return measure.words(
            Message(QT_TRANSLATE_NOOP("varnel::Words", "page %1 of %2"), {number(k), number(n)}));
    };
    const auto appendFoot = [&](Drawing* page, double top, const std::string& pageLabel,
                                const Message& check) {
        const double gap = unitsPerMillimetre(units);
        const double row = appendLabelRow(
            page, labels, top + gap, frame.width, {pageLabel, description, programText()},
            {pageText(999, 999), description, programText()}, measure, units);
        return gap + row + gap +
               appendCheckRule(page, labels, top + gap + row + gap, frame.width, check, measure,
                               units);
    };
    const double footHeight = appendFoot(nullptr, 0, {}, "check");  // any check: its height
    const double stripsEnd = frame.height - footHeight;
    // The strip's height and gap and the marker's width as 32-bit floats, the page's width as
    // it is: the wrapping below compares in floats.
    const auto inUnit = [units](float mm) {
        return units == Units::Inches ? static_cast<float>(mm / kMillimetresPerInch) : mm;
    };
    const float h = inUnit(s.templateLineHeight);
    const float gap = inUnit(s.templateLineSpace);
    const auto w = static_cast<float>(frame.pixel * s.lineWidthVert);
    const double W = frame.width;
    const auto numberWidth = [&](const std::string& text) {
        return inchesToUnit(measure.textWidthInches(kNumberFace, kFretNumberPoints, text), units);
    };
    const auto t = static_cast<float>(
        inchesToUnit(measure.lineHeightInches(kNumberFace, kFretNumberPoints), units));
    const double numberDx = 0.1 * numberWidth("1");
    // Fret i fits at x when the printable width, less its number's width and a marker width,
    // lies strictly beyond x; both sides compared as 32-bit floats.
    const auto fits = [&](int fret, double x) {
        const auto limit = static_cast<float>(W - (numberWidth(std::to_string(fret)) + w));
        return limit > static_cast<float>(x);
    };
    TemplatePages out;
    if (gap + h > stripsEnd) {
        out.footTooHigh = footHeight;
        return out;
    }
    for (int i = 1; i <= p.count(); ++i) {
        // On an empty strip the fret follows the repeated one, which stands at x = w.
        if (!fits(i, w + p.distFromFret[static_cast<std::size_t>(i)])) {
            out.fretTooFar = i;
            return out;
        }
    }
    const std::int16_t guide = guidePosition(s);
    out.pages.push_back(blank);
    // The frets of each page's first strip, the first and the last: its check dimension.
    std::vector<std::pair<int, int>> checked{{0, 0}};
    float lineTop = -h;
    double markerX = 0;
    int markersOnLine = 0;
    int linesOnPage = 0;
    Strip strip{};
    for (int i = 0; i <= p.count(); ++i) {
        if (markersOnLine == 0) {
            markerX = w;
            lineTop = lineTop + h + gap;
            // A strip that would end in the labels starts the next page, one line gap below
            // its top.
            if (linesOnPage > 0 && lineTop + h > stripsEnd) {
                out.pages.push_back(blank);
                checked.emplace_back(i, i);
                lineTop = gap;
                linesOnPage = 0;
            }
            ++linesOnPage;
            const float guideY = guideLineY(guide, lineTop, h);
            strip = {lineTop, lineTop + h, guideY, fretNumberTop(guide, guideY, t)};
            appendRules(out.pages.back(), strip, guide, W);
        } else {
            markerX += p.distFromFret[static_cast<std::size_t>(i)];
            if (!fits(i, markerX)) {
                // The next strip starts again with the fret before this one.
                i -= 2;
                markersOnLine = 0;
                continue;
            }
        }
        appendFret(out.pages.back(), strip, markerX, i, numberDx, s.printFretNumbers);
        if (linesOnPage == 1) checked.back().second = i;
        ++markersOnLine;
    }
    TextFlow footer(out.pages, blank, stripsEnd);
    footer.y = lineTop + h;
    appendFooter(footer, footerLayer, measure, note);
    const std::size_t n = out.pages.size();
    for (std::size_t k = 0; k < n; ++k) {
        Message check;
        if (k < checked.size() && checked[k].second > checked[k].first) {
            const auto [from, to] = checked[k];
            check =
                checkDimension(fretName(from), fretName(to),
                               p.distFromNut[static_cast<std::size_t>(to)] -
                                   (from == 0 ? 0 : p.distFromNut[static_cast<std::size_t>(from)]),
                               units);
        }
        appendFoot(&out.pages[k], stripsEnd, pageText(k + 1, n), check);
    }
    return out;
}

}  // namespace varnel
