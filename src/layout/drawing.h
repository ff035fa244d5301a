#pragma once
// A document laid out once, in its own unit (millimetres or inches; x to the right, y down),
// for every surface to replay: the printer's pages, the screen and the files. Its lines and
// texts lie on named layers, and the layers carry the style.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "core/fretboard.h"
#include "core/geometry.h"
#include "core/message.h"

namespace varnel {

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour&) const = default;
};

// A printer pixel where a surface has no dots of its own (files, PDFs): 1/600 inch.
constexpr double kPixelInches = 1.0 / 600;

// The dash of a dashed line, chosen to show as dashes on paper. Only a one-pixel pen shows
// dashes on a printer.
constexpr double kDashMillimetres = 2.0;
constexpr double kDashGapMillimetres = 1.0;

// The type faces documents are set in.
inline const std::string kNumberFace = "DejaVu Sans";
inline const std::string kChartFace = "Courier";

// A cut line in the files: a hairline (an SVG's stroke), for lasers and plotters.
constexpr double kHairlineMm = 0.025;

// A layer as every surface names and draws it: its name in files ("FRETS"), its colour, its pen
// width in printer pixels (a hairline in SVG files when it is cut), whether its lines are
// dashed, and the face of its texts.
struct DrawingLayer {
    std::string name;
    Colour colour;
    int penPixels = 1;
    bool dashed = false;
    std::string face = kNumberFace;
    bool cut = false;
};

struct DrawingLine {
    std::size_t layer = 0;
    Segment segment;
};

// A closed outline through its points, the last joined to the first.
struct DrawingOutline {
    std::size_t layer = 0;
    std::vector<Point> points;
};

struct DrawingCircle {
    std::size_t layer = 0;
    Point centre;
    double diameter = 0;
};

// An arc of a circle, from one angle to a larger one in degrees, the angle growing from +x
// towards +y (clockwise on a page, whose y points down).
struct DrawingArc {
    std::size_t layer = 0;
    Point centre;
    double radius = 0;
    double startDegrees = 0;
    double endDegrees = 0;
    Point at(double degrees) const;
};

// A line of text: its top left corner, and its type size in points.
struct DrawingText {
    std::size_t layer = 0;
    Point topLeft;
    double points = 0;
    std::string text;
};

// A sheet, or one printed page with its origin at the printable area's top left corner. Files,
// whose y points up, put a point at yUp - y.
struct Drawing {
    Units units = Units::Millimetres;
    std::string title;
    double yUp = 0;
    std::vector<DrawingLayer> layers;
    std::vector<DrawingLine> lines;
    std::vector<DrawingOutline> outlines;
    std::vector<DrawingCircle> circles;
    std::vector<DrawingArc> arcs;
    std::vector<DrawingText> texts;

    std::size_t addLayer(DrawingLayer layer) {
        layers.push_back(std::move(layer));
        return layers.size() - 1;
    }
    void line(std::size_t layer, Point from, Point to) { lines.push_back({layer, {from, to}}); }
    void outline(std::size_t layer, std::vector<Point> points) {
        outlines.push_back({layer, std::move(points)});
    }
    void circle(std::size_t layer, Point centre, double diameter) {
        circles.push_back({layer, centre, diameter});
    }
    void arc(std::size_t layer, Point centre, double radius, double startDegrees,
             double endDegrees) {
        arcs.push_back({layer, centre, radius, startDegrees, endDegrees});
    }
    void text(std::size_t layer, Point topLeft, double points, std::string text) {
        texts.push_back({layer, topLeft, points, std::move(text)});
    }
    // The same drawing, empty: its unit, title and layers.
    Drawing blank() const;
    // The drawing moved by (dx, dy).
    Drawing moved(double dx, double dy) const;
    // Adds another drawing's items, on this one's layers of the same index.
    void append(const Drawing& other);
};

// Only what lies on the named layers, which keep their order and style.
Drawing keepLayers(const Drawing& drawing, const std::vector<std::string>& names);

// How a surface sets type: a text's width and the height of a line, in inches, of a face at a
// size in points (a printer answers with its own font metrics, files with nominal ones), and
// the language its words are written in (the user's on paper and on screen; files keep English,
// so that a file says the same in every workshop).
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual std::string words(const Message& message) const { return message.english(); }
    // Numbers already written (a table's cell, a tick's label), with the decimal separator of
    // the surface's language.
    virtual std::string numbers(std::string written) const { return written; }
    virtual double textWidthInches(const std::string& face, double points,
                                   const std::string& text) const = 0;
    virtual double lineHeightInches(const std::string& face, double points) const = 0;
};

// The characters of a UTF-8 text, as a fixed-pitch table counts them ("Résidu" is six), and its
// first `count` characters.
int textColumns(std::string_view text);
std::string firstColumns(const std::string& text, int count);

// A fixed-pitch table's columns: the widths its numbers need (negative: left-aligned), each
// widened to its heading where a language's heading is longer.
std::vector<int> columnWidths(std::vector<int> widths, const std::vector<std::string>& headings);
// A row of a fixed-pitch table: each text right-aligned in its column's width of characters
// (left-aligned for a negative width), a space between columns; a longer text is not cut.
std::string tableRow(const std::vector<std::string>& texts, const std::vector<int>& widths);

// A text's width, and a line's height, of a face at a size, in a unit.
double textWidthIn(Units units, const TextMeasure& measure, const std::string& face, double points,
                   const std::string& text);
double lineHeightIn(Units units, const TextMeasure& measure, const std::string& face,
                    double points);

// The faces' nominal metrics, for surfaces without fonts of their own (SVG, DXF): a digit's
// advance and a line's height as fractions of the type size.
class NominalMeasure : public TextMeasure {
  public:
    double textWidthInches(const std::string& face, double points,
                           const std::string& text) const override;
    double lineHeightInches(const std::string& face, double points) const override;
};

// The printable area of a page, in a document's unit: its size and a printer pixel along x.
struct PageFrame {
    double width = 0;
    double height = 0;
    double pixel = 0;
};

// Paged text: lines set one below the other from the top of a page; a line that would end below
// the page starts the next one. The pages grow as lines are set.
class TextFlow {
  public:
    TextFlow(std::vector<Drawing>& pages, const Drawing& blank, double pageHeight)
        : m_pages(pages), m_blank(blank), m_pageHeight(pageHeight) {}
    double x = 0;
    double y = 0;
    // One line at (x, y) (an empty one only moves down) with its height in the unit.
    void line(std::size_t layer, double points, double height, std::string text);
    // The same, its height that of the layer's face at that size.
    void line(std::size_t layer, double points, const TextMeasure& measure, std::string text);
    // Words set in lines no wider than `width` (a longer word alone on its line): a sentence
    // that a language makes longer wraps rather than running off the page.
    void paragraph(std::size_t layer, double points, const TextMeasure& measure,
                   const std::string& text, double width);

  private:
    std::vector<Drawing>& m_pages;
    const Drawing& m_blank;
    double m_pageHeight;
};

// "Printed by Varnel v.1.0" one line below the flow's place, in 8-point type of the layer's
// face, and the note (a printer's scale correction, or empty) under it.
constexpr double kFooterPoints = 8;
std::string footerText();
void appendFooter(TextFlow& flow, std::size_t layer, const TextMeasure& measure,
                  const std::string& note);

// An outline's sides, the last from its last point back to its first.
std::vector<Segment> sidesOf(const DrawingOutline& outline);

// The parts of an arc whose points lie between two x, in order (more than one where the arc
// leaves the band and comes back).
std::vector<DrawingArc> arcBetween(const DrawingArc& arc, double x0, double x1);

// The box every line, outline, circle and arc lies within.
struct Extent {
    double left, right, top, bottom;
};
Extent extentOf(const Drawing& drawing);

// Points of type, and inches, to the drawing's unit.
double pointsToUnit(double points, Units units);
double inchesToUnit(double length, Units units);

}  // namespace varnel
