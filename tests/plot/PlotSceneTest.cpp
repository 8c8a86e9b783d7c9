// The drawing list built into a scene that held an earlier plot.
#include "plot/PlotScene.h"

#include <gtest/gtest.h>

namespace {

TextMetrics font() {
    return {10, 8, [](const std::string &s) { return static_cast<int>(s.size()) * 6; }};
}

PlotModel plotOf(int points) {
    PlotSeriesData data;
    for (int i = 0; i < points; ++i) {
        data.x.push_back(i);
        data.y.push_back(i * i);
    }
    PlotModel model;
    model.series = std::make_shared<const std::vector<PlotSeriesData>>(std::vector<PlotSeriesData>{data});
    model.pointSizes = {6};
    model.xRange = {0, 1.0 * points};
    model.yRange = {0, 1.0 * points * points};
    model.summaryText = "one\ntwo";
    return model;
}

bool sameItems(const PlotScene &a, const PlotScene &b) {
    if (a.items.size() != b.items.size())
        return false;
    for (size_t i = 0; i < a.items.size(); ++i) {
        const PlotItem &p = a.items[i], &q = b.items[i];
        if (p.kind != q.kind || p.colour != q.colour || p.x != q.x || p.y != q.y || p.x2 != q.x2 ||
            p.y2 != q.y2 || p.width != q.width || p.text != q.text)
            return false;
    }
    return true;
}

} // namespace

TEST(PlotScene, BuildingIntoAUsedSceneGivesWhatAFreshBuildGives) {
    PlotScene reused = buildPlotScene(plotOf(500), 400, 300, font());
    for (int points : {20, 0}) {
        PlotModel model = plotOf(points);
        if (points == 0)
            model.series = nullptr;
        buildPlotScene(model, 300, 200, font(), reused);
        const PlotScene fresh = buildPlotScene(model, 300, 200, font());
        EXPECT_TRUE(sameItems(reused, fresh)) << points;
        EXPECT_EQ(reused.layout.canvasWidth, 300);
        EXPECT_EQ(reused.layout.plotRight, fresh.layout.plotRight);
    }
}
