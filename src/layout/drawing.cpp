#include "drawing.h"

#include <algorithm>

namespace varnel {

namespace {

constexpr double kPointsPerInch = 72;

}  // namespace

Extent extentOf(const Drawing& drawing) {
    Extent e{1e300, -1e300, 1e300, -1e300};
    for (const DrawingLine& line : drawing.lines) {
        for (const Point& p : {line.segment.from, line.segment.to}) {
            e.left = std::min(e.left, p.x);
            e.right = std::max(e.right, p.x);
            e.top = std::min(e.top, p.y);
            e.bottom = std::max(e.bottom, p.y);
        }
    }
    return e;
}

double pointsToUnit(double points, bool inches) {
    return points / kPointsPerInch * (inches ? 1.0 : kMillimetresPerInch);
}

double unitToPoints(double length, bool inches) {
    return length / (inches ? 1.0 : kMillimetresPerInch) * kPointsPerInch;
}

}  // namespace varnel
