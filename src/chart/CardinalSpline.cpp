#include "chart/CardinalSpline.h"

namespace aec {

std::vector<BezierSegment> CardinalSpline(const std::vector<QPointF>& p, double tension)
{
    std::vector<BezierSegment> segments;
    if (p.size() < 2)
        return segments;
    const std::size_t last = p.size() - 1;
    segments.reserve(last);
    const double t = tension / 3.0;
    for (std::size_t i = 0; i < last; ++i) {
        const QPointF& before = p[i == 0 ? 0 : i - 1];
        const QPointF& after = p[i + 1 == last ? last : i + 2];
        segments.push_back(
            {p[i], p[i] + t * (p[i + 1] - before), p[i + 1] - t * (after - p[i]), p[i + 1]});
    }
    return segments;
}

} // namespace aec
