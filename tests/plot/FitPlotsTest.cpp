// The drawing list of a plot, the set-up of the nine fit plots, and picking and moving limits on the plot.
#include "plot/FitPlots.h"

#include "fit/FitData.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TextMetrics font() {
    return {10, 8, [](const std::string &s) { return static_cast<int>(s.size()) * 6; }};
}

std::shared_ptr<const std::vector<PlotSeriesData>> twoSeries() {
    PlotSeriesData points{{0, 5, 10, 20}, {0, 2, 100, 1}, {0xFF0000FF, 0, 0xFF00FF00, 0xFF0000FF}};
    PlotSeriesData curve{{0, 5, 10}, {0, 0.5, 1}, {}};
    return std::make_shared<const std::vector<PlotSeriesData>>(std::vector<PlotSeriesData>{points, curve});
}

PlotModel model() {
    PlotModel m;
    m.series = twoSeries();
    m.lineWidths = {0, 1};
    m.pointSizes = {6, 0};
    m.outlinePoints = true;
    m.xRange = {0, 10};
    m.yRange = {0, 1};
    m.xTitle = "x";
    m.yTitle = "y";
    m.summaryText = "sum\n";
    m.markerSize = 15;
    m.markers = {5};
    return m;
}

std::vector<PlotItem> ofKind(const PlotScene &scene, PlotItem::Kind kind) {
    std::vector<PlotItem> items;
    std::copy_if(scene.items.begin(), scene.items.end(), std::back_inserter(items),
                 [&](const PlotItem &item) { return item.kind == kind; });
    return items;
}

size_t indexOf(const PlotScene &scene, PlotItem::Kind kind) {
    for (size_t i = 0; i < scene.items.size(); ++i)
        if (scene.items[i].kind == kind)
            return i;
    return scene.items.size();
}

} // namespace

TEST(PlotScene, DrawsFrameMarkersTicksSeriesAndSummaryInOrder) {
    const PlotScene scene = buildPlotScene(model(), 600, 400, font());
    ASSERT_TRUE(scene.drawable);
    const PlotLayout &l = scene.layout;
    EXPECT_EQ(scene.items[0].kind, PlotItem::Frame);
    EXPECT_EQ(scene.items[0].x, l.plotLeft);
    EXPECT_EQ(scene.items[0].width, l.plotRight - l.plotLeft);
    EXPECT_LT(indexOf(scene, PlotItem::Triangle), indexOf(scene, PlotItem::RotatedText));
    EXPECT_LT(indexOf(scene, PlotItem::RotatedText), indexOf(scene, PlotItem::Disc));
    EXPECT_EQ(scene.items.back().kind, PlotItem::Text);
    EXPECT_EQ(scene.items.back().text, "sum");
    EXPECT_EQ(scene.items.back().x, l.plotLeft + 2);
    EXPECT_EQ(scene.items[scene.items.size() - 2].kind, PlotItem::Box);

    const auto triangles = ofKind(scene, PlotItem::Triangle);
    ASSERT_EQ(triangles.size(), 1u);
    EXPECT_EQ(triangles[0].triangle.x[0], l.xToPixel(5));
    EXPECT_EQ(triangles[0].triangle.y[0], 400 - 15);

    // Three points lie in the x range (x = 20 does not), each on an outline disc 2 pixels larger; the one
    // at y = 100 is drawn far above the plot area, not clipped.
    const auto discs = ofKind(scene, PlotItem::Disc);
    ASSERT_EQ(discs.size(), 6u);
    EXPECT_EQ(discs[0].width, 8);
    EXPECT_EQ(discs[0].colour, plotBlack);
    EXPECT_EQ(discs[1].width, 6);
    EXPECT_EQ(discs[1].colour, 0xFF0000FFu);
    EXPECT_EQ(discs[1].x, l.plotLeft - 3);
    EXPECT_EQ(discs[3].colour, plotRed); // no own colour: the series colour
    EXPECT_LT(discs[5].y, l.plotTop - 1000);

    // The curve is a line between consecutive points; the points series has line width 0.
    std::vector<PlotItem> seriesLines;
    for (const PlotItem &item : ofKind(scene, PlotItem::Line))
        if (item.colour == plotRed)
            seriesLines.push_back(item);
    ASSERT_EQ(seriesLines.size(), 2u);
    EXPECT_EQ(seriesLines[0].x, l.plotLeft);
    EXPECT_EQ(seriesLines[1].x2, l.xToPixel(10));
}

TEST(PlotScene, ColoursOnBlackAndWithoutSeriesOrCanvas) {
    PlotModel m = model();
    m.background = plotBlack;
    m.useCurveColour = true;
    m.curveColour = 0xFF00FF00;
    const PlotScene black = buildPlotScene(m, 600, 400, font());
    EXPECT_EQ(black.axisColour, plotWhite);
    EXPECT_EQ(black.items[0].colour, plotWhite);
    EXPECT_EQ(ofKind(black, PlotItem::Disc)[3].colour, 0xFF00FF00u);
    EXPECT_EQ(ofKind(black, PlotItem::Box).back().colour, plotBlack);

    m.series = nullptr;
    const PlotScene empty = buildPlotScene(m, 600, 400, font());
    EXPECT_TRUE(empty.items.empty());
    EXPECT_EQ(empty.layout.xToPixel(0), empty.layout.plotLeft); // the mapping is still set
    EXPECT_FALSE(buildPlotScene(model(), 0, 400, font()).drawable);
    EXPECT_TRUE(buildPlotScene(model(), 600, 0, font()).items.empty());
}

TEST(PlotScene, AllPointsAtOneXOrOneYAreDrawnInsideThePlot) {
    PlotModel m = model();
    m.series = std::make_shared<const std::vector<PlotSeriesData>>(
        std::vector<PlotSeriesData>{{{4, 4, 4}, {1, 2, 3}, {}}, {{4, 4}, {2, 2}, {}}});
    m.xRange = {4, 4};
    m.yRange = {1, 3};
    m.markers.clear();
    PlotScene scene = buildPlotScene(m, 400, 300, font());
    auto discs = ofKind(scene, PlotItem::Disc);
    ASSERT_EQ(discs.size(), 6u);
    for (const PlotItem &disc : discs) {
        EXPECT_GT(disc.x, scene.layout.plotLeft);
        EXPECT_LT(disc.x, scene.layout.plotRight);
    }
    m.xRange = {1, 3};
    m.yRange = {2, 2};
    m.yFromVisibleX = true;
    scene = buildPlotScene(m, 400, 300, font());
    EXPECT_LT(scene.layout.yLow, scene.layout.yHigh);
}

TEST(PlotScene, YRangeFromTheVisiblePoints) {
    PlotModel m = model();
    m.yFromVisibleX = true;
    m.xRange = {4, 12};
    PlotScene scene = buildPlotScene(m, 600, 400, font());
    EXPECT_DOUBLE_EQ(scene.layout.yLow, 0.5);
    EXPECT_DOUBLE_EQ(scene.layout.yHigh, 100);
    m.xRange = {30, 40}; // nothing visible: the given range stays
    scene = buildPlotScene(m, 600, 400, font());
    EXPECT_DOUBLE_EQ(scene.layout.yLow, 0);
    EXPECT_DOUBLE_EQ(scene.layout.yHigh, 1);
}

TEST(FitPlots, ZoomViewsShowAQuarterOfTheZonesAroundEachLimit) {
    const std::vector<double> limits = {4, 8, 12};
    struct Case {
        int k;
        double low, high;
    } cases[] = {{0, 0, 1}, {1, 3, 5}, {2, 7, 9}, {3, 11, 12}, {9, 11, 12}};
    for (const Case &c : cases) {
        const ValueRange r = zoomViewRange(c.k, 0, limits);
        EXPECT_DOUBLE_EQ(r.low, c.low) << c.k;
        EXPECT_DOUBLE_EQ(r.high, c.high) << c.k;
    }
    const ValueRange one = zoomViewRange(1, 2, {10});
    EXPECT_DOUBLE_EQ(one.low, 8);
    EXPECT_DOUBLE_EQ(one.high, 10);
}

TEST(FitPlots, SetUpOfTheNinePlots) {
    FitPlotSetup setup;
    setup.fitType = XvsY;
    setup.plotBackground = 2;
    setup.pointSizeIndex = 2;
    setup.summaryText = "text";
    setup.series = twoSeries();
    setup.xMin = 0;
    setup.xMax = 12;
    setup.yMin = -1;
    setup.yMax = 3;
    setup.upperLimits = {4, 8, 12};
    FitPlotModels plots = fitPlotModels(setup);
    EXPECT_EQ(plots.main.background, plotBlack);
    EXPECT_EQ(plots.main.xTitle, "x");
    EXPECT_EQ(plots.main.yTitle, "y");
    EXPECT_EQ(plots.main.curveColour, 0xFF00FF00u);
    EXPECT_EQ(plots.main.pointSizes, (std::vector<int>{12, 0}));
    EXPECT_EQ(plots.main.lineWidths, (std::vector<int>{0, 1}));
    EXPECT_EQ(plots.main.markers, (std::vector<double>{4, 8}));
    EXPECT_EQ(plots.main.markerSize, 15);
    EXPECT_EQ(plots.main.textPosition, 0);
    EXPECT_TRUE(plots.main.outlinePoints);
    EXPECT_EQ(plots.half.pointSizes[0], 6);
    EXPECT_TRUE(plots.half.markers.empty());
    ASSERT_EQ(plots.zooms.size(), 4u);
    EXPECT_EQ(plots.zooms[2].summaryText, "#2");
    EXPECT_FALSE(plots.zooms[2].showAxes);
    EXPECT_TRUE(plots.zooms[2].yFromVisibleX);
    EXPECT_EQ(plots.zooms[2].textPosition, 2);
    EXPECT_DOUBLE_EQ(plots.zooms[2].xRange.low, 7);
    EXPECT_DOUBLE_EQ(plots.zooms[2].yRange.low, -1);
    EXPECT_EQ(plots.zooms[2].xTitle, "");

    setup.fitType = Lmp;
    plots = fitPlotModels(setup);
    EXPECT_EQ(plots.main.xTitle, "LMP/1000");
    EXPECT_EQ(plots.main.yTitle, "ln(Stress)");
    EXPECT_EQ(plots.main.curveColour, plotWhite);
    EXPECT_EQ(plots.main.textPosition, 3);
    setup.plotBackground = 1;
    EXPECT_EQ(fitPlotModels(setup).main.curveColour, plotBlack);
    EXPECT_EQ(fitPlotModels(setup).main.background, 0xFFC8C8C8u);

    setup.empty = true;
    plots = fitPlotModels(setup);
    EXPECT_FALSE(plots.main.series);
    EXPECT_EQ(plots.zooms.size(), 4u);
    EXPECT_FALSE(plots.zooms[0].series);
    setup.upperLimits = {12}; // one equation: no markers, zoom views #0 and #1
    setup.empty = false;
    plots = fitPlotModels(setup);
    EXPECT_TRUE(plots.main.markers.empty());
    EXPECT_EQ(plots.zooms.size(), 2u);
    EXPECT_EQ(pointDiameter(7), 9);
}

TEST(LimitDrag, PressPicksTheFirstLimitNearThePointerInTheBottomStrip) {
    const std::vector<int> pixels = {100, 120};
    EXPECT_EQ(limitAtPress(110, 390, 400, pixels), 0);
    EXPECT_EQ(limitAtPress(114, 399, 400, pixels), 0);
    EXPECT_EQ(limitAtPress(130, 385, 400, pixels), 1);
    EXPECT_EQ(limitAtPress(134, 390, 400, pixels), 1);
    EXPECT_EQ(limitAtPress(135, 390, 400, pixels), -1);
    EXPECT_EQ(limitAtPress(130, 384, 400, pixels), -1); // more than 15 pixels above the bottom
    EXPECT_EQ(limitAtPress(86, 390, 400, pixels), 0);
    EXPECT_EQ(limitAtPress(85, 390, 400, pixels), -1);
    EXPECT_EQ(limitAtPress(100, 390, 400, {}), -1);
}

TEST(LimitDrag, MovedLimitKeepsItsMarginsAlsoAfterRounding) {
    PlotLayout l;
    l.plotLeft = 50;
    l.plotRight = 450;
    l.xLow = 0;
    l.xPerPixel = 0.125; // 8 pixels per unit
    const std::vector<double> limits = {10, 20.5, 100};
    const LimitRounding none, whole{true, 1, 100};
    EXPECT_DOUBLE_EQ(movedLimitValue(0, 195, limits, l, none).value(), 18.125);
    EXPECT_DOUBLE_EQ(movedLimitValue(0, 195, limits, l, whole).value(), 18);
    EXPECT_DOUBLE_EQ(movedLimitValue(0, 199, limits, l, none).value(), 18.625);
    // 18.625 rounds to 19, whose pixel 202 is within 15 pixels of the next limit at 214.
    EXPECT_FALSE(movedLimitValue(0, 199, limits, l, whole));
    EXPECT_FALSE(movedLimitValue(0, 200, limits, l, none));
    EXPECT_FALSE(movedLimitValue(0, 64, limits, l, none));
    EXPECT_FALSE(movedLimitValue(2, 300, limits, l, none)); // the top limit is not movable
    EXPECT_EQ(limitPixels(limits, l), (std::vector<int>{130, 214}));
}
