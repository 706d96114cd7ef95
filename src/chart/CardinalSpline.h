#pragma once

#include <QPointF>

#include <vector>

namespace aec {

// One cubic Bézier segment from `from` to `to`.
struct BezierSegment
{
    QPointF from, control1, control2, to;
};

// A cardinal spline of the given tension through the points, as cubic Bézier segments: the
// segment from P[i] to P[i+1] has the control points P[i] + t (P[i+1] − P[i−1]) / 3 and
// P[i+1] − t (P[i+2] − P[i]) / 3, the end points standing in for their missing neighbours.
std::vector<BezierSegment> CardinalSpline(const std::vector<QPointF>& points, double tension);

} // namespace aec
