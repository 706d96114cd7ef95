#include "chart/CardinalSpline.h"

#include <gtest/gtest.h>

namespace aec {
namespace {

// Points on a cubic Bézier segment.
QPointF At(const BezierSegment& s, double t)
{
    const double u = 1 - t;
    return u * u * u * s.from + 3 * u * u * t * s.control1 + 3 * u * t * t * s.control2 +
           t * t * t * s.to;
}

TEST(CardinalSpline, PassesThroughEveryPointWithOneSegmentBetweenNeighbours)
{
    const std::vector<QPointF> points = {{0, 0}, {10, 5}, {20, -3}, {30, 8}, {40, 0}};
    const auto segments = CardinalSpline(points, 0.4);
    ASSERT_EQ(segments.size(), 4u);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        EXPECT_EQ(segments[i].from, points[i]);
        EXPECT_EQ(segments[i].to, points[i + 1]);
        if (i > 0) {
            EXPECT_EQ(segments[i].from, segments[i - 1].to);
        }
    }
}

TEST(CardinalSpline, ControlPointsFollowTheNeighboursScaledByTheTension)
{
    const std::vector<QPointF> p = {{0, 0}, {10, 5}, {20, -3}, {30, 8}};
    const auto s = CardinalSpline(p, 0.4);
    // Inner segment 1: P1 + 0.4 (P2 - P0) / 3 and P2 - 0.4 (P3 - P1) / 3.
    EXPECT_NEAR(s[1].control1.x(), 10 + 0.4 * 20 / 3, 1e-12);
    EXPECT_NEAR(s[1].control1.y(), 5 + 0.4 * -3 / 3, 1e-12);
    EXPECT_NEAR(s[1].control2.x(), 20 - 0.4 * 20 / 3, 1e-12);
    EXPECT_NEAR(s[1].control2.y(), -3 - 0.4 * 3 / 3, 1e-12);
    // The end points repeat for their missing neighbours.
    EXPECT_NEAR(s[0].control1.x(), 0 + 0.4 * 10 / 3, 1e-12);
    EXPECT_NEAR(s[2].control2.y(), 8 - 0.4 * (8 - -3) / 3, 1e-12);
}

TEST(CardinalSpline, SmoothAtEveryJoinAndStraightThroughCollinearPoints)
{
    const std::vector<QPointF> wiggle = {{0, 0}, {10, 7}, {20, -4}, {30, 2}, {40, 9}};
    const auto s = CardinalSpline(wiggle, 0.4);
    for (std::size_t i = 1; i < s.size(); ++i) {
        // The tangents on both sides of a join point the same way.
        const QPointF in = s[i - 1].to - s[i - 1].control2;
        const QPointF out = s[i].control1 - s[i].from;
        EXPECT_NEAR(in.x() * out.y() - in.y() * out.x(), 0.0, 1e-9) << i;
        EXPECT_GT(in.x() * out.x() + in.y() * out.y(), 0.0) << i;
    }
    const std::vector<QPointF> line = {{0, 0}, {1, 2}, {2, 4}, {3, 6}};
    for (const BezierSegment& seg : CardinalSpline(line, 0.4))
        for (const double t : {0.25, 0.5, 0.75})
            EXPECT_NEAR(At(seg, t).y(), 2 * At(seg, t).x(), 1e-12);
}

TEST(CardinalSpline, FewerThanTwoPointsGiveNoCurve)
{
    EXPECT_TRUE(CardinalSpline({}, 0.4).empty());
    EXPECT_TRUE(CardinalSpline({{1, 1}}, 0.4).empty());
}

} // namespace
} // namespace aec
