#pragma once
// The fret slot template, laid out once: as one continuous sheet for the files, and as strips on
// pages for the printer. Both are drawn by the same strip code, so that a fret number stands
// where the printed page puts it in every file.

#include <cstdint>
#include <string>
#include <vector>

#include "core/fretboard.h"
#include "layout/drawing.h"

namespace varnel {

// The fret numbers' type.
constexpr double kFretNumberPoints = 8;

// The guide position the template draws: a stored code other than top, center or bottom is
// taken as top.
std::int16_t guidePosition(const FretboardSettings& s);

// y of the alignment guide of a template line, in the precision it is drawn in (the printed
// strips in 32-bit floats, the files' sheet in doubles).
template <typename Length>
Length guideLineY(std::int16_t guide, Length lineTop, Length lineHeight) {
    return guide == kGuideCenter   ? lineTop + lineHeight / 2
           : guide == kGuideBottom ? lineTop + lineHeight
                                   : lineTop;
}

// The whole template, not split into strips, in the current units: x from the nut towards the
// bridge, y down from the fretboard's top edge; layers SLOTS (a line per fret), NUT, GUIDE,
// EDGES (dashed, where the guide is not) and NUMBERS.
Drawing templateSheet(const FretboardSettings& s, const FretPositions& p,
                      const TextMeasure& measure);

// What the template is for: "scale 647.7 mm, 22 frets, twelfth root of 2" (or "rule of 18ths,
// factor 17.817").
Message templateDescription(const FretboardSettings& s, int frets);

// The template on pages of the frame (in the current units): strips as high as the fretboard
// is wide, a marker at every fret at its true distance from the previous one, guide and edge
// lines, optional fret numbers; a fret that does not fit starts the next strip, which repeats
// the fret before it; a strip that would end above the page's labels starts a new page. Then
// the footer, with the note under it. At the foot of every page its labels (the page's number,
// what the template is for, the program), the check rule and a check dimension measured along
// the page's first strip. A fret farther from the previous one than fits across an empty strip
// leaves no pages and is named instead.
struct TemplatePages {
    std::vector<Drawing> pages;
    int fretTooFar = 0;
    // A strip and the page's foot (its labels and rule) more than fits on the page: no pages,
    // and the foot's height.
    double footTooHigh = 0;
};
TemplatePages templatePages(const FretboardSettings& s, const FretPositions& p,
                            const PageFrame& frame, const TextMeasure& measure,
                            const std::string& note);

}  // namespace varnel
