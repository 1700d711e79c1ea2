#include <gtest/gtest.h>

#include "chart/utils/TeeProcs.h"

namespace {

TEST(HitTests, LineNearnessAndTheSegmentsEnds) {
    // Horizontal segment (10,10)-(20,10).
    EXPECT_TRUE(PointInLine({10, 10}, 10, 10, 20, 10));
    EXPECT_TRUE(PointInLine({20, 10}, 10, 10, 20, 10));
    EXPECT_TRUE(PointInLine({15, 10}, 10, 10, 20, 10));
    EXPECT_FALSE(PointInLine({15, 11}, 10, 10, 20, 10));
    EXPECT_FALSE(PointInLine({21, 10}, 10, 10, 20, 10));
    EXPECT_FALSE(PointInLine({9, 10}, 20, 10, 10, 10));
    // Within the tolerance past either end, on either axis, and no further.
    EXPECT_TRUE(PointInLineTolerance({23, 10}, 10, 10, 20, 10, 3));
    EXPECT_FALSE(PointInLineTolerance({24, 10}, 10, 10, 20, 10, 3));
    EXPECT_TRUE(PointInLineTolerance({7, 10}, 20, 10, 10, 10, 3));
    EXPECT_FALSE(PointInLineTolerance({6, 10}, 20, 10, 10, 10, 3));
    EXPECT_TRUE(PointInLineTolerance({5, 2}, 5, 5, 5, 15, 3));
    EXPECT_FALSE(PointInLineTolerance({5, 1}, 5, 5, 5, 15, 3));
    EXPECT_FALSE(PointInLineTolerance({5, 19}, 5, 15, 5, 5, 3));
    // A diagonal: off by one pixel is still near, off by two is not.
    EXPECT_TRUE(PointInLine({5, 5}, 0, 0, 10, 10));
    EXPECT_FALSE(PointInLine({5, 7}, 0, 0, 10, 10));
    EXPECT_FALSE(PointInLine({11, 11}, 0, 0, 10, 10));
    // A segment of no length is hit nowhere.
    EXPECT_FALSE(PointInLine({3, 3}, 3, 3, 3, 3));
    // Far-off positions do not overflow.
    EXPECT_TRUE(PointInLine({0, 0}, -2000000000, 0, 2000000000, 0));
    EXPECT_FALSE(PointInLine({0, 1}, -2000000000, -2000000000, 2000000000, 2000000000));
}

TEST(HitTests, PolygonEdgesLeftAndTopInRightAndBottomOut) {
    const TPoint square[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(PointInPolygon({5, 5}, square, 3));
    EXPECT_TRUE(PointInPolygon({0, 5}, square, 3));
    EXPECT_FALSE(PointInPolygon({10, 5}, square, 3));
    EXPECT_TRUE(PointInPolygon({5, 0}, square, 3));
    EXPECT_FALSE(PointInPolygon({5, 10}, square, 3));
    EXPECT_TRUE(PointInPolygon({0, 0}, square, 3));
    EXPECT_FALSE(PointInPolygon({-1, 5}, square, 3));
    EXPECT_FALSE(PointInPolygon({5, 5}, square, -1));
    EXPECT_FALSE(PointInPolygon({0, 0}, square, 0));

    // Even-odd: the notch of a U shape is outside.
    const TPoint u[] = {{0, 0}, {3, 0}, {3, 6}, {6, 6}, {6, 0}, {9, 0}, {9, 9}, {0, 9}};
    EXPECT_FALSE(PointInPolygon({4, 3}, u, 7));
    EXPECT_TRUE(PointInPolygon({1, 3}, u, 7));
    EXPECT_TRUE(PointInPolygon({7, 3}, u, 7));
    EXPECT_TRUE(PointInPolygon({4, 7}, u, 7));
}

TEST(HitTests, TrianglesPointTheirApexAtTheMiddle) {
    // Base from (0,20) to (10,20), apex (5,0).
    EXPECT_TRUE(PointInTriangle({5, 10}, 0, 10, 20, 0));
    EXPECT_TRUE(PointInTriangle({5, 1}, 0, 10, 20, 0));
    EXPECT_FALSE(PointInTriangle({1, 2}, 0, 10, 20, 0));
    EXPECT_FALSE(PointInTriangle({5, 21}, 0, 10, 20, 0));
    // Base from (0,0) to (0,10), apex (20,5).
    EXPECT_TRUE(PointInHorizTriangle({10, 5}, 0, 10, 0, 20));
    EXPECT_TRUE(PointInHorizTriangle({19, 5}, 0, 10, 0, 20));
    EXPECT_FALSE(PointInHorizTriangle({18, 1}, 0, 10, 0, 20));
    EXPECT_FALSE(PointInHorizTriangle({-1, 5}, 0, 10, 0, 20));
}

TEST(HitTests, EllipseInsideItsRectangle) {
    const TRect r(0, 0, 20, 10);  // centre (10,5), half axes 10 and 5
    EXPECT_TRUE(PointInEllipse({10, 5}, r));
    EXPECT_TRUE(PointInEllipse({0, 5}, r));
    EXPECT_TRUE(PointInEllipse({10, 0}, r));
    EXPECT_TRUE(PointInEllipse({20, 5}, r));
    EXPECT_FALSE(PointInEllipse({1, 1}, r));
    EXPECT_FALSE(PointInEllipse({10, 11}, r));
    // Without width or height there is no inside at all, not even the centre.
    for (int y = -2; y <= 12; ++y) {
        EXPECT_FALSE(PointInEllipse({5, y}, TRect(5, 0, 5, 10))) << y;
        EXPECT_FALSE(PointInEllipse({5, y}, TRect(5, 0, 6, 10))) << y;
    }
    EXPECT_FALSE(PointInEllipse({10, 5}, TRect(0, 5, 20, 5)));
}

}  // namespace
