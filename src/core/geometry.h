#pragma once
// Plane geometry in a drawing's or a board's unit: points, segments and the few constructions
// the fretboard and its drawings are made of.

#include <cmath>

namespace varnel {

struct Point {
    double x = 0;
    double y = 0;
};
struct Segment {
    Point from;
    Point to;
};

// The point at the fraction t of the way along a segment.
inline Point along(const Segment& s, double t) {
    return {s.from.x + t * (s.to.x - s.from.x), s.from.y + t * (s.to.y - s.from.y)};
}

inline Point mid(const Point& a, const Point& b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

inline double distance(const Point& a, const Point& b) {
    return std::hypot(b.x - a.x, b.y - a.y);
}

// Where the line through a and b meets the line through c and e.
inline Point meet(const Point& a, const Point& b, const Point& c, const Point& e) {
    const double rx = b.x - a.x, ry = b.y - a.y, sx = e.x - c.x, sy = e.y - c.y;
    const double t = ((c.x - a.x) * sy - (c.y - a.y) * sx) / (rx * sy - ry * sx);
    return {a.x + t * rx, a.y + t * ry};
}

// Where the line through a segment crosses the x axis.
inline Point onXAxis(const Segment& s) {
    return meet(s.from, s.to, {0, 0}, {1, 0});
}

// The distance of a point from the line through a segment.
inline double offLine(const Segment& s, const Point& p) {
    const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    return std::fabs(dx * (p.y - s.from.y) - dy * (p.x - s.from.x)) / std::hypot(dx, dy);
}

// The distance of a point from a segment (from its nearer end beyond them).
inline double distanceToSegment(const Segment& s, const Point& p) {
    const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    const double lengthSquared = dx * dx + dy * dy;
    if (!(lengthSquared > 0)) return distance(s.from, p);
    const double t = ((p.x - s.from.x) * dx + (p.y - s.from.y) * dy) / lengthSquared;
    return distance(along(s, t < 0 ? 0 : t > 1 ? 1 : t), p);
}

}  // namespace varnel
