// "Auto-find curve" and "Full auto": the checks of the defining points, following a curve between
// them, the sampling step, the failed trace, the scan of the whole picture, and degenerate pictures.
#include "tracing/CurveFollowing.h"

#include "TracingPicture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>

namespace {

constexpr double pi = 3.14159265358979323846;

// The two defining points at rows 3 and 4 (window coordinates) with texts that differ from any last pair.
TraceDefinition definition(long x1, long y1, long x2, long y2) {
    return {4, x1, y1, x2, y2, {"first|", "second|"}};
}

} // namespace

TEST(CurveFollowing, DefinitionChecksInOrder) {
    const TracePair last{"a|b|", "c|d|"};
    struct Case {
        int lastRow;
        long x1, y1, x2, y2;
        TracePair rows;
        TraceError error;
    } cases[] = {
        {0, 10, 10, 20, 20, {"x", "y"}, TraceError::unknownDefinition},
        {-1, 10, 10, 20, 20, {"x", "y"}, TraceError::unknownDefinition},
        {1, 20, 10, 20, 20, {"x", "y"}, TraceError::reversedLimits},
        {1, 30, 10, 20, 20, {"x", "y"}, TraceError::reversedLimits},
        {1, 0, 0, 0, 0, {"x", "y"}, TraceError::reversedLimits},
        {1, 0, 10, 20, 20, {"x", "y"}, TraceError::unknownDefinition},
        {1, 10, 10, 20, 0, {"x", "y"}, TraceError::unknownDefinition},
        {1, 10, 10, 20, 20, {"a|b|", "c|d|"}, TraceError::samePoints},
        {1, 10, 10, 20, 20, {"a|b|", "c|e|"}, TraceError::none},
        {1, 1, 1, 2, 1, {"", ""}, TraceError::none},
    };
    for (const Case &c : cases) {
        TraceDefinition d{c.lastRow, c.x1, c.y1, c.x2, c.y2, c.rows};
        EXPECT_EQ(checkTraceDefinition(d, last), c.error) << c.lastRow << " " << c.x1 << " " << c.x2;
    }
}

TEST(CurveFollowing, ErrorBoxesAndRowTexts) {
    TraceMessage reversed = traceErrorMessage(TraceError::reversedLimits);
    EXPECT_STREQ(reversed.caption, "Curve min/max values are incorrect");
    EXPECT_STREQ(reversed.text,
                 "When you define the limits for the curve for the \"Auto-find curve\" method,\n"
                 "the first point you select must be the lower x value and the second\n"
                 "must be the higher x value. Click the \"Clear data\" button and\n"
                 "reselect the min/max curve points.");
    EXPECT_STREQ(traceErrorMessage(TraceError::samePoints).text, "Pick 2 new points.");
    EXPECT_STREQ(traceErrorMessage(TraceError::noImage).caption, "Auto-find error");
    EXPECT_STREQ(traceErrorMessage(TraceError::noImage).text, "You need an image.");
    EXPECT_STREQ(traceErrorMessage(TraceError::unknownDefinition).text,
                 "Unknown curve definition error. Check your point definitions.");
    EXPECT_EQ(traceRowText({"12", "34", "", "1.5"}), "12|34||1.5|");
    EXPECT_EQ(traceRowText({}), "");
}

TEST(CurveFollowing, TraceFollowsASineAndEndsAtTheSecondPoint) {
    const int ox = 6, oy = 40;
    auto f = [](double x) { return 150 + 60 * std::sin(2 * pi * x / 250); };
    TracingPicture picture(500, 300, ox, oy);
    picture.drawCurve(f, 3);
    const int x1 = 50, x2 = 450;
    for (int direction : {searchUp, searchDown}) {
        TraceDefinition d = definition(ox + x1, oy + std::lround(f(x1)), ox + x2, oy + std::lround(f(x2)));
        TraceResult trace = followCurve(picture.view(), searchSettings(direction), d, 50, 20);
        ASSERT_FALSE(trace.restoreDefiningRows);
        // One point every 400 / 50 = 8 columns, the first and the last point included.
        ASSERT_EQ(trace.points.size(), 51u);
        EXPECT_EQ(trace.firstRow, 3);
        EXPECT_EQ(trace.endRow, 3 + 51);
        EXPECT_GE(trace.tableRows, trace.endRow + 2);
        EXPECT_EQ((trace.tableRows - 20) % 10, 0);
        for (size_t i = 0; i < trace.points.size(); ++i) {
            const CanvasPoint &p = trace.points[i];
            EXPECT_EQ(p.x, ox + x1 + 8 * static_cast<int>(i));
            // The column's run spans this column's and the next column's rounded curve rows.
            EXPECT_NEAR(p.y, oy + f(p.x - ox + 0.5), 1.5) << direction << " " << p.x;
        }
        EXPECT_EQ(trace.points.back().x, ox + x2);
    }
}

TEST(CurveFollowing, PointCountSetsTheSamplingStep) {
    TracingPicture picture(500, 200);
    picture.fill(0, 99, 499, 101);
    TraceResult trace =
        followCurve(picture.view(), searchSettings(searchUp), definition(100, 100, 400, 100), 10, 8);
    ASSERT_EQ(trace.points.size(), 11u);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(trace.points[i].x, 100 + 30 * i);
        EXPECT_EQ(trace.points[i].y, 100);
    }
    // A trace shorter than the point count records every column; a count below 1 counts as 1.
    EXPECT_EQ(followCurve(picture.view(), searchSettings(searchUp), definition(100, 100, 104, 100), 1000, 8)
                  .points.size(),
              5u);
    EXPECT_EQ(followCurve(picture.view(), searchSettings(searchUp), definition(100, 100, 400, 100), 0, 8)
                  .points.size(),
              2u);
}

TEST(CurveFollowing, RowByRowTraceOfASteepLine) {
    const int ox = 3, oy = 9;
    auto f = [](double y) { return 50 + y / 2; };
    TracingPicture picture(300, 300, ox, oy);
    for (int y = 0; y < 300; ++y) {
        int x = static_cast<int>(std::lround(f(y)));
        picture.fill(x - 1, y, x + 1, y);
    }
    for (int direction : {searchLeft, searchRight}) {
        TraceDefinition d = definition(ox + 70, oy + 40, ox + 140, oy + 180);
        TraceResult trace = followCurve(picture.view(), searchSettings(direction), d, 20, 10);
        // One point every 140 / 20 = 7 rows from the first point's row to the second's.
        ASSERT_EQ(trace.points.size(), 21u) << direction;
        for (size_t i = 0; i < trace.points.size(); ++i) {
            const CanvasPoint &p = trace.points[i];
            EXPECT_EQ(p.y, oy + 40 + 7 * static_cast<int>(i));
            EXPECT_NEAR(p.x, ox + f(p.y - oy), 1) << direction << " " << p.y;
        }
    }
}

TEST(CurveFollowing, TraceThatFindsFewerThanTwoPointsRestoresTheDefiningRows) {
    TracingPicture thick(400, 200);
    thick.fill(0, 80, 399, 119); // 40 rows: thicker than S
    TracingPicture stub(400, 200);
    stub.fill(0, 99, 100, 101); // the curve ends at the first point
    TracingPicture nearTop(400, 200);
    nearTop.fill(0, 10, 399, 12); // within S of the top edge: the trace stops after its first point
    struct Case {
        const TracingPicture *picture;
        int defineY;
        int recorded;
    } cases[] = {{&thick, 100, 0}, {&stub, 100, 1}, {&nearTop, 11, 1}};
    for (const Case &c : cases) {
        TraceResult trace = followCurve(c.picture->view(), searchSettings(searchUp),
                                        definition(100, c.defineY, 300, c.defineY), 50, 8);
        EXPECT_TRUE(trace.restoreDefiningRows);
        EXPECT_TRUE(trace.points.empty());
        EXPECT_EQ(trace.endRow, trace.firstRow + c.recorded) << c.defineY;
    }
    // A rejected definition traces nothing.
    TraceResult rejected =
        followCurve(stub.view(), searchSettings(searchUp), definition(300, 100, 100, 100), 50, 8);
    EXPECT_TRUE(rejected.restoreDefiningRows);
    EXPECT_EQ(rejected.endRow, rejected.firstRow);
    EXPECT_EQ(rejected.tableRows, 8);
    TraceDefinition noRows = definition(100, 100, 300, 100);
    noRows.lastRow = INT_MIN;
    EXPECT_TRUE(followCurve(stub.view(), searchSettings(searchUp), noRows, 50, 8).restoreDefiningRows);
}

TEST(CurveFollowing, DegeneratePicturesAndFarCoordinatesEndTheTrace) {
    const int sizes[][2] = {{1, 1}, {1, 300}, {300, 1}, {2, 2}, {0, 0}};
    for (const auto &size : sizes)
        for (uint32_t ground : {white, curveRed})
            for (int direction : {searchUp, searchDown, searchLeft, searchRight}) {
                TracingPicture picture(size[0], size[1], 0, 0, ground);
                TraceResult trace = followCurve(picture.view(), searchSettings(direction),
                                                definition(1, 1, 250, 200), 1000, 8);
                EXPECT_TRUE(trace.restoreDefiningRows);
            }
    TracingPicture picture(300, 300);
    picture.fill(0, 149, 299, 151);
    // A second point far right of the picture: the sampling step is so long that only the first
    // point is recorded before the trace leaves the picture.
    TraceResult far =
        followCurve(picture.view(), searchSettings(searchUp), definition(10, 150, LONG_MAX, 150), 10, 8);
    EXPECT_TRUE(far.restoreDefiningRows);
    EXPECT_EQ(far.endRow, far.firstRow + 1);
    for (int direction : {searchLeft, searchRight}) {
        TraceResult rows =
            followCurve(picture.view(), searchSettings(direction), definition(10, LONG_MAX, 20, 1), 10, 8);
        EXPECT_TRUE(rows.restoreDefiningRows);
    }
}

TEST(CurveFollowing, FullAutoFindsTheLowestRunOfEachColumn) {
    const int ox = 6, oy = 40;
    auto lower = [](double x) { return 200 + 30 * std::sin(x / 40); };
    auto upper = [](double x) { return 80 + 20 * std::cos(x / 30); };
    TracingPicture picture(400, 300, ox, oy);
    picture.drawCurve(lower, 3);
    picture.drawCurve(upper, 3);
    for (int direction : {searchUp, searchDown}) {
        FullScanResult scan = fullAutoScan(picture.view(), searchSettings(direction));
        EXPECT_EQ(scan.lineCount, 398);
        ASSERT_EQ(scan.points.size(), 398u);
        for (size_t i = 0; i < scan.points.size(); ++i) {
            EXPECT_EQ(scan.points[i].x, ox + 1 + static_cast<int>(i));
            EXPECT_NEAR(scan.points[i].y, oy + lower(scan.points[i].x - ox + 0.5), 1.5);
        }
    }
}

TEST(CurveFollowing, FullAutoByRowsYieldsAtMostOnePointPerRow) {
    TracingPicture picture(300, 200);
    for (int y = 0; y < 200; ++y) {
        picture.fill(100 + y / 3, y, 102 + y / 3, y);
        picture.fill(250, y, 252, y); // a second line further right is never taken
    }
    picture.fill(0, 50, 299, 52); // a horizontal band: its rows hold runs longer than S only
    for (int direction : {searchLeft, searchRight}) {
        FullScanResult scan = fullAutoScan(picture.view(), searchSettings(direction));
        EXPECT_EQ(scan.lineCount, 198);
        std::set<int> rows;
        for (const CanvasPoint &p : scan.points) {
            EXPECT_TRUE(rows.insert(p.y).second) << p.y;
            EXPECT_EQ(p.x, 101 + p.y / 3) << p.y;
        }
        EXPECT_EQ(rows.size(), 198u - 3);
        EXPECT_EQ(rows.count(51), 0u);
    }
}

TEST(CurveFollowing, FullAutoOnUniformAndDegeneratePictures) {
    const int sizes[][2] = {{400, 300}, {1, 1}, {1, 40}, {40, 1}, {2, 2}, {3, 3}, {0, 0}};
    for (const auto &size : sizes)
        for (uint32_t ground : {white, curveRed})
            for (int direction : {searchUp, searchRight}) {
                TracingPicture picture(size[0], size[1], 6, 40, ground);
                FullScanResult scan = fullAutoScan(picture.view(), searchSettings(direction));
                // Every line starts on a matching pixel, whose back-off leaves the picture.
                EXPECT_TRUE(scan.points.empty()) << size[0] << "x" << size[1];
                int lines = direction == searchUp ? size[0] - 2 : size[1] - 2;
                EXPECT_EQ(scan.lineCount, std::max(0, lines));
            }
    // A curve lying on the bottom row is therefore not found by the column scan.
    TracingPicture bottom(50, 50);
    bottom.fill(0, 48, 49, 49);
    EXPECT_TRUE(fullAutoScan(bottom.view(), searchSettings(searchUp)).points.empty());
}
