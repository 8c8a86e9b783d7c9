// The search along a row or column: the back-off at the first position, the run limit S, the three
// pick locations, window coordinates, and searches at or beyond the picture's edges.
#include "tracing/PointSearch.h"

#include "TracingPicture.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// A picture offset inside the window, so that every expected position is checked in window coordinates.
constexpr int ox = 5, oy = 7;

} // namespace

TEST(PointSearch, ClickOnThreePixelHorizontalCurveFindsItsMiddle) {
    TracingPicture picture(40, 80, ox, oy);
    picture.fill(0, 49, 39, 51);
    for (int direction : {searchUp, searchDown})
        for (int clickRow : {49, 50, 51}) {
            auto hit = searchAtClick(picture.view(), searchSettings(direction), ox + 20, oy + clickRow);
            ASSERT_TRUE(hit) << direction << " " << clickRow;
            EXPECT_EQ(hit->x, ox + 20);
            EXPECT_EQ(hit->y, oy + 50);
            EXPECT_DOUBLE_EQ(hit->yExact, oy + 50);
        }
}

TEST(PointSearch, ClickNearCurveScansOnlyTheSearchLength) {
    TracingPicture picture(40, 120, ox, oy);
    picture.fill(0, 49, 39, 51);
    // Up from 80 reaches 51 (S = 30 examines 80 .. 51); from 81 it stops before the curve.
    EXPECT_TRUE(searchAtClick(picture.view(), searchSettings(searchUp), ox + 3, oy + 80));
    EXPECT_FALSE(searchAtClick(picture.view(), searchSettings(searchUp), ox + 3, oy + 81));
    // The end position itself is never examined, but a run found before it may extend past it.
    EXPECT_FALSE(searchAlong(picture.view(), searchSettings(searchUp), oy + 70, oy + 51, ox + 3, 0));
    auto hit = searchAlong(picture.view(), searchSettings(searchUp), oy + 70, oy + 50, ox + 3, 0);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->y, oy + 50);
    // Searching down, away from the curve, finds nothing.
    EXPECT_FALSE(searchAtClick(picture.view(), searchSettings(searchDown), ox + 3, oy + 60));
}

TEST(PointSearch, ClickOnTheCurveBacksOffHalfTheLengthLessOne) {
    // With S = 30 a click on the curve resumes 14 pixels below the click: a mark there is taken
    // instead of the curve, one pixel further down it is not reached.
    for (int markRow : {64, 65}) {
        TracingPicture picture(40, 120, ox, oy);
        picture.fill(0, 49, 39, 51);
        picture.fill(0, markRow, 39, markRow);
        auto hit = searchAtClick(picture.view(), searchSettings(searchUp), ox + 20, oy + 50);
        ASSERT_TRUE(hit);
        EXPECT_EQ(hit->y, oy + (markRow == 64 ? 64 : 50));
    }
}

TEST(PointSearch, HorizontalRuns) {
    struct Case {
        int direction, firstColumn, lastColumn, expected;
    } cases[] = {
        {searchRight, 19, 21, 20},
        {searchLeft, 19, 21, 20},
        {searchRight, 19, 22, 20},
        // Scanning left the far edge is taken one pixel short, which shifts even runs to the right.
        {searchLeft, 19, 22, 21},
        {searchLeft, 19, 19, 19},
        {searchRight, 19, 19, 19},
    };
    for (const Case &c : cases) {
        TracingPicture picture(60, 20, ox, oy);
        picture.fill(c.firstColumn, 0, c.lastColumn, 19);
        int clickColumn = c.direction == searchRight ? 10 : 30;
        auto hit = searchAtClick(picture.view(), searchSettings(c.direction), ox + clickColumn, oy + 4);
        ASSERT_TRUE(hit) << c.direction << " " << c.lastColumn;
        EXPECT_EQ(hit->x, ox + c.expected) << c.direction << " " << c.lastColumn;
        EXPECT_EQ(hit->y, oy + 4);
        EXPECT_DOUBLE_EQ(hit->yExact, oy + 4);
    }
}

TEST(PointSearch, PickLocationsInAVerticalRun) {
    // A symbol whose column run spans rows 111 (top) to 120 (bottom).
    TracingPicture picture(10, 200);
    picture.fill(4, 111, 4, 120);
    struct Case {
        int direction, location;
        double v;
    } cases[] = {
        {searchUp, pickMiddle, 115.5},
        {searchUp, pickTriangle, 117},
        {searchUp, pickInvertedTriangle, 114},
        {searchDown, pickMiddle, 115.5},
        {searchDown, pickTriangle, 117},
        {searchDown, pickInvertedTriangle, 114},
        {searchUp, 7, 115.5},
    };
    for (const Case &c : cases) {
        int from = c.direction == searchUp ? 125 : 105;
        int to = c.direction == searchUp ? 95 : 135;
        auto hit = searchAlong(picture.view(), searchSettings(c.direction, 30, c.location), from, to, 4, 0);
        ASSERT_TRUE(hit);
        EXPECT_DOUBLE_EQ(hit->yExact, c.v) << c.direction << " " << c.location;
        EXPECT_EQ(hit->y, static_cast<int>(c.v));
        EXPECT_EQ(hit->x, 4);
    }
}

TEST(PointSearch, RunOfSPixelsOrMoreIsNotTheCurve) {
    for (int thickness : {28, 29, 30, 31, 45}) {
        TracingPicture picture(20, 200, ox, oy);
        picture.fill(0, 100, 19, 100 + thickness - 1);
        bool shorterThanS = thickness < 30;
        EXPECT_EQ(bool(searchAtClick(picture.view(), searchSettings(searchUp), ox + 5, oy + 140)),
                  shorterThanS)
            << thickness;
        EXPECT_EQ(bool(searchAtClick(picture.view(), searchSettings(searchDown), ox + 5, oy + 80)),
                  shorterThanS)
            << thickness;
        // A click inside the band backs off below it or into it, and meets the same run.
        EXPECT_EQ(
            bool(searchAtClick(picture.view(), searchSettings(searchUp), ox + 5, oy + 100 + thickness / 2)),
            shorterThanS)
            << thickness;
    }
}

TEST(PointSearch, CurveTouchingThePictureEdgeIsNotFound) {
    TracingPicture picture(30, 60, ox, oy);
    picture.fill(0, 57, 29, 59); // the bottom three rows
    picture.fill(0, 0, 2, 59);   // the left three columns
    // The run reaches the edge, or the back-off of a click on it leaves the picture.
    EXPECT_FALSE(searchAtClick(picture.view(), searchSettings(searchDown), ox + 15, oy + 40));
    EXPECT_FALSE(searchAtClick(picture.view(), searchSettings(searchUp), ox + 15, oy + 58));
    EXPECT_FALSE(searchAtClick(picture.view(), searchSettings(searchLeft), ox + 20, oy + 30));
    EXPECT_FALSE(searchAtClick(picture.view(), searchSettings(searchRight), ox + 1, oy + 30));
    // Scanning into the picture from outside it ends at once.
    EXPECT_FALSE(searchAlong(picture.view(), searchSettings(searchUp), oy + 70, oy + 30, ox + 15, 0));
}

TEST(PointSearch, DegeneratePicturesAndPositionsNeverReadOutside) {
    const int sizes[][2] = {{1, 1}, {1, 50}, {50, 1}, {2, 2}, {0, 0}};
    for (const auto &size : sizes)
        for (uint32_t ground : {white, curveRed}) {
            TracingPicture picture(size[0], size[1], ox, oy, ground);
            for (int direction : {0, 1, 2, 3, -1, 9})
                for (int x : {INT_MIN, -1, 0, ox, ox + 1, ox + 25, INT_MAX})
                    for (int y : {INT_MIN, 0, oy, oy + 25, INT_MAX}) {
                        auto hit = searchAtClick(picture.view(), searchSettings(direction), x, y);
                        if (hit) {
                            EXPECT_TRUE(picture.view().contains(hit->x, hit->y));
                        }
                    }
        }
    // A single row still holds a horizontal run.
    TracingPicture row(50, 1, ox, oy);
    row.fill(20, 0, 22, 0);
    auto hit = searchAtClick(row.view(), searchSettings(searchRight), ox + 10, oy);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->x, ox + 21);
    EXPECT_FALSE(searchAtClick(row.view(), searchSettings(searchUp), ox + 21, oy));
    EXPECT_FALSE(searchAtClick(PixelView{}, searchSettings(searchUp), 0, 0));
}

TEST(PointSearch, OddSettingsStayBounded) {
    TracingPicture picture(20, 60);
    picture.fill(0, 30, 19, 32);
    // Lengths 1 and 2 back off nothing; length 1 rejects every run.
    EXPECT_FALSE(searchAtClick(picture.view(), searchSettings(searchUp, 1), 5, 31));
    EXPECT_FALSE(searchAtClick(picture.view(), searchSettings(searchUp, 0), 5, 31));
    EXPECT_FALSE(searchAtClick(picture.view(), searchSettings(searchUp, 2), 5, 31));
    auto hit = searchAtClick(picture.view(), searchSettings(searchUp, 4), 5, 32);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->y, 31);
    EXPECT_FALSE(searchAtClick(picture.view(), searchSettings(searchUp, INT_MAX), 5, 31));
    // An unknown direction searches up.
    hit = searchAtClick(picture.view(), searchSettings(17), 5, 40);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->y, 31);
}
