#pragma once
// A document laid out once, in its own unit (millimetres or inches; x to the right, y down),
// for every surface to replay: the printer's pages, the screen and the files. Its lines and
// texts lie on named layers, and the layers carry the style.

#include <cstddef>
#include <string>
#include <vector>

#include "fanned.h"

namespace varnel {

struct Colour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Colour&) const = default;
};

// A printer pixel where a surface has no dots of its own (files, PDFs): 1/600 inch.
constexpr double kPixelInches = 1.0 / 600;

// A layer as every surface names and draws it: its name in files ("FRETS"), its colour, and its
// pen width in printer pixels.
struct DrawingLayer {
    std::string name;
    Colour colour;
    int penPixels = 1;
};

struct DrawingLine {
    std::size_t layer = 0;
    Segment segment;
};

// A line of text: its top left corner, and its type size (the em) in the drawing's unit.
struct DrawingText {
    std::size_t layer = 0;
    Point topLeft;
    double size = 0;
    std::string text;
};

struct Drawing {
    bool inches = false;
    std::vector<DrawingLayer> layers;
    std::vector<DrawingLine> lines;
    std::vector<DrawingText> texts;
};

// The box every line lies within.
struct Extent {
    double left, right, top, bottom;
};
Extent extentOf(const Drawing& drawing);

// Points of type to the drawing's unit, and back.
double pointsToUnit(double points, bool inches);
double unitToPoints(double length, bool inches);

}  // namespace varnel
