// Shown ranges (with data of one x or one y), plot area, ticks, mapping, summary lines and markers.
#include "plot/PlotLayout.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

namespace {

// A font 10 pixels high with 6 pixels per character.
TextMetrics font() {
    return {10, 8, [](const std::string &s) { return static_cast<int>(s.size()) * 6; }};
}

} // namespace

TEST(DisplayRange, EqualValuesAreWidenedAndBrokenRangesReplaced) {
    struct Case {
        double low, high, shownLow, shownHigh;
    } cases[] = {
        {1, 3, 1, 3},         {5, 5, 4.75, 5.25},    {-2, -2, -2.1, -1.9},
        {0, 0, -1, 1},        {3, 1, 0, 1},          {NAN, 1, 0, 1},
        {-INFINITY, 1, 0, 1}, {-1e308, 1e308, 0, 1}, {DBL_MAX, DBL_MAX, 0, 1},
        {1e99, -1e99, 0, 1},
    };
    for (const Case &c : cases) {
        const ValueRange r = displayRange(c.low, c.high);
        EXPECT_DOUBLE_EQ(r.low, c.shownLow) << c.low << " " << c.high;
        EXPECT_DOUBLE_EQ(r.high, c.shownHigh) << c.low << " " << c.high;
    }
    const ValueRange tiny = displayRange(1e-320, 1e-320);
    EXPECT_LT(tiny.low, tiny.high);
}

TEST(PlotLayout, MarginsTicksAndTitlesWithAxes) {
    const PlotLayout l = computePlotLayout(600, 400, true, {0, 10}, {0, 1}, "x", "y", font());
    // y labels "1.00" (24 px), rotated title 10 * 100 / 80 = 12 px, x label "10" (12 px).
    EXPECT_EQ(l.plotLeft, 12 + 24 + 25);
    EXPECT_EQ(l.plotRight, 600 - 9);
    EXPECT_EQ(l.plotTop, 10);
    EXPECT_EQ(l.plotBottom, 400 - 20 - 15);
    EXPECT_EQ(l.xTickCount, 10);
    EXPECT_DOUBLE_EQ(l.xTickStep, 1);
    EXPECT_EQ(l.xFormat.decimals, 0);
    EXPECT_EQ(l.yFormat.decimals, 2);
    ASSERT_EQ(l.xTicks.size(), 11u);
    ASSERT_EQ(l.yTicks.size(), 11u);
    EXPECT_EQ(l.xTicks[0].pixel, l.plotLeft);
    EXPECT_NEAR(l.xTicks[10].pixel, l.plotRight, 1);
    EXPECT_EQ(l.xTicks[10].label.text, "10");
    EXPECT_EQ(l.xTicks[10].label.top, l.plotBottom + 7);
    EXPECT_EQ(l.yTicks[0].pixel, l.plotBottom);
    EXPECT_NEAR(l.yTicks[10].pixel, l.plotTop, 1);
    EXPECT_EQ(l.yTicks[10].label.text, "1.00");
    EXPECT_EQ(l.yTicks[10].label.left + l.yTicks[10].label.width, l.plotLeft - 7);
    EXPECT_EQ(l.xTitle.left, l.plotLeft + (530 - 6) / 2);
    EXPECT_EQ(l.xTitle.top, 400 - 5 - 8);
    EXPECT_EQ(l.yTitleWidth, 12);
    EXPECT_EQ(l.yTitleTop, 10 + (355 - 6) / 2);
}

TEST(PlotLayout, XTickCountFollowsTheLabelWidth) {
    // Labels "1000000" are 42 px wide: 300 - 61 - 31 = 208 px hold 208 / 42 - 1 = 3 intervals.
    const PlotLayout l = computePlotLayout(300, 200, true, {0, 1000000}, {0, 1}, "x", "y", font());
    EXPECT_EQ(l.xTickCount, 3);
    EXPECT_EQ(l.xTicks.size(), 4u);
    const PlotLayout narrow = computePlotLayout(40, 200, true, {0, 1000000}, {0, 1}, "x", "y", font());
    EXPECT_EQ(narrow.xTickCount, 1);
    EXPECT_TRUE(std::isfinite(narrow.xPerPixel) && narrow.xPerPixel > 0);
}

TEST(PlotLayout, WithoutAxesTheAreaFillsTheCanvas) {
    const PlotLayout l = computePlotLayout(200, 200, false, {0, 1}, {0, 1}, "", "", font());
    EXPECT_EQ(l.plotLeft, 0);
    EXPECT_EQ(l.plotRight, 190);
    EXPECT_EQ(l.plotTop, 10);
    EXPECT_EQ(l.plotBottom, 200);
    EXPECT_TRUE(l.xTicks.empty() && l.yTicks.empty());
}

TEST(PlotLayout, MappingBetweenValuesAndPixels) {
    PlotLayout l = computePlotLayout(600, 400, true, {0, 10}, {-1, 1}, "x", "y", font());
    EXPECT_EQ(l.xToPixel(0), l.plotLeft);
    EXPECT_EQ(l.yToPixel(-1), l.plotBottom);
    EXPECT_NEAR(l.yToPixel(1), l.plotTop, 1);
    EXPECT_DOUBLE_EQ(l.pixelToX(l.plotLeft), 0);
    EXPECT_DOUBLE_EQ(l.xResolution(), 10.0 / 530);
    EXPECT_EQ(l.xToPixel(1e300), maxPlotCoordinate);
    EXPECT_EQ(l.yToPixel(1e300), l.plotBottom - maxPlotCoordinate);
    EXPECT_EQ(l.xToPixel(NAN), -maxPlotCoordinate);
    EXPECT_EQ(l.yToPixel(NAN), -maxPlotCoordinate);
    // Before the first draw the mapping is the identity and never divides by zero.
    const PlotLayout none;
    EXPECT_EQ(none.xToPixel(5), 5);
    EXPECT_DOUBLE_EQ(none.pixelToX(5), 5);
}

TEST(PlotLayout, DataOfOneXOrOneYHasAProperScale) {
    for (ValueRange x : {ValueRange{3, 3}, ValueRange{0, 0}, ValueRange{0, 1}})
        for (ValueRange y : {ValueRange{7, 7}, ValueRange{0, 0}, ValueRange{0, 1}}) {
            const PlotLayout l = computePlotLayout(400, 300, true, x, y, "x", "y", font());
            EXPECT_TRUE(l.xHigh > l.xLow && l.yHigh > l.yLow);
            EXPECT_TRUE(std::isfinite(l.xPerPixel) && l.xPerPixel > 0);
            EXPECT_TRUE(std::isfinite(l.yPerPixel) && l.yPerPixel > 0);
            EXPECT_TRUE(std::isfinite(l.xTickStep) && l.xTickStep > 0 && l.yTickStep > 0);
            // The one value lies in the middle of its axis.
            if (x.low == x.high) {
                EXPECT_NEAR(l.xToPixel(x.low), (l.plotLeft + l.plotRight) / 2, 1);
            }
            if (y.low == y.high) {
                EXPECT_NEAR(l.yToPixel(y.low), (l.plotTop + l.plotBottom) / 2, 1);
            }
        }
    const PlotLayout flat = computePlotLayout(400, 300, true, {3, 3}, {7, 7}, "x", "y", font());
    EXPECT_DOUBLE_EQ(flat.xLow, 2.85);
    EXPECT_DOUBLE_EQ(flat.yHigh, 7.35);
}

TEST(PlotLayout, TinyCanvasesStayFinite) {
    for (int size : {0, 1, 10}) {
        const PlotLayout l = computePlotLayout(size, size, true, {0, 1}, {0, 1}, "x", "y", font());
        EXPECT_TRUE(std::isfinite(l.xPerPixel) && std::isfinite(l.yPerPixel));
        EXPECT_GE(l.xTickCount, 1);
    }
    const PlotLayout noFont = computePlotLayout(100, 100, true, {0, 1}, {0, 1}, "x", "y", TextMetrics());
    EXPECT_EQ(noFont.xTickCount, 10);
}

TEST(SummaryTextLines, PlacedByPosition) {
    const PlotLayout l = computePlotLayout(600, 400, true, {0, 10}, {0, 1}, "x", "y", font());
    const std::string text = "ab\ncdef\n";
    auto lines = summaryTextLines(text, 0, l, font());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "ab");
    EXPECT_EQ(lines[0].left, l.plotLeft);
    EXPECT_EQ(lines[0].top, l.plotTop);
    EXPECT_EQ(lines[0].width, 12 + 4);
    EXPECT_EQ(lines[1].top, l.plotTop + 10);
    lines = summaryTextLines(text, 2, l, font());
    EXPECT_EQ(lines[0].left, l.plotLeft + (530 - 28) / 2);
    EXPECT_EQ(lines[1].left, lines[0].left);
    lines = summaryTextLines(text, 3, l, font());
    EXPECT_EQ(lines[1].top + 10, l.plotBottom);
    EXPECT_EQ(summaryTextLines("a\n\nb", 0, l, font()).size(), 3u);
    EXPECT_TRUE(summaryTextLines("", 0, l, font()).empty());
}

TEST(MarkerTriangle, ApexAboveTheBottomEdge) {
    const MarkerTriangle t = markerTriangle(100, 15, 400);
    EXPECT_EQ(t.x[0], 100);
    EXPECT_EQ(t.y[0], 385);
    EXPECT_EQ(t.x[1], 93);
    EXPECT_EQ(t.x[2], 107);
    EXPECT_EQ(t.y[1], 399);
    EXPECT_EQ(t.y[2], 399);
}
