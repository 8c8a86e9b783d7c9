// Setting up the nine fit plots and building their drawing lists for 10 000 points in 6 zones.
#include "plot/FitPlots.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

FitPlotSetup setupOf(int n) {
    PlotSeriesData points, curve;
    for (int i = 0; i < n; ++i) {
        points.x.push_back(1 + 99.0 * i / (n - 1));
        points.y.push_back(50 + 20 * std::sin(points.x.back() / 10));
        points.colours.push_back(0xFF0000FF);
    }
    for (int j = 0; j < n; ++j) {
        curve.x.push_back(points.x[j]);
        curve.y.push_back(points.y[j] + 0.1);
    }
    FitPlotSetup setup;
    setup.series =
        std::make_shared<const std::vector<PlotSeriesData>>(std::vector<PlotSeriesData>{points, curve});
    setup.summaryText = "y = 1.0E+00*A1 + 2.0E+00   1.0 - 17.5  R^2 = 0.999000   Max. diff. = 1.5%\n";
    setup.xMin = 1;
    setup.xMax = 100;
    setup.yMin = 30;
    setup.yMax = 70;
    for (int k = 1; k <= 6; ++k)
        setup.upperLimits.push_back(1 + 99.0 * k / 6);
    return setup;
}

void BM_NineFitPlotScenes(benchmark::State &state) {
    const FitPlotSetup setup = setupOf(static_cast<int>(state.range(0)));
    const TextMetrics font{14, 11, [](const std::string &s) { return static_cast<int>(s.size()) * 7; }};
    for (auto _ : state) {
        const FitPlotModels plots = fitPlotModels(setup);
        size_t items = buildPlotScene(plots.main, 1200, 700, font).items.size();
        items += buildPlotScene(plots.half, 600, 350, font).items.size();
        for (const PlotModel &zoom : plots.zooms)
            items += buildPlotScene(zoom, zoomViewSize, zoomViewSize, font).items.size();
        benchmark::DoNotOptimize(items);
    }
}
BENCHMARK(BM_NineFitPlotScenes)->Arg(10000)->ArgName("points")->Unit(benchmark::kMillisecond);

} // namespace
