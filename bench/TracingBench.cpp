// "Full auto" over a 4000 x 3000 picture with one curve, and "Auto-find curve" with 1000 points across it.
#include "tracing/CurveFollowing.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int pictureWidth = 4000, pictureHeight = 3000;
constexpr uint32_t curveColor = 0xFFC81E1E;

double curveRow(double x) {
    return 1500 + 900 * std::sin(x / 600);
}

// A white picture with a 3-pixel curve across its whole width (or nothing when blank).
std::vector<uint32_t> curvePicture(bool blank) {
    std::vector<uint32_t> pixels(static_cast<size_t>(pictureWidth) * pictureHeight, 0xFFFFFFFF);
    for (int x = 0; x < pictureWidth && !blank; ++x) {
        int a = static_cast<int>(std::lround(curveRow(x))),
            b = static_cast<int>(std::lround(curveRow(x + 1)));
        for (int y = std::min(a, b) - 1; y <= std::max(a, b) + 1; ++y)
            pixels[static_cast<size_t>(y) * pictureWidth + x] = curveColor;
    }
    return pixels;
}

SearchSettings settings(int direction) {
    return {direction, 30, pickMiddle, {curveColor, 50}};
}

} // namespace

// Arguments: direction (0 columns upwards, 3 rows rightwards), 1 for a picture without the curve.
static void BM_FullAutoScan(benchmark::State &state) {
    const std::vector<uint32_t> pixels = curvePicture(state.range(1) != 0);
    const PixelView view{pixels.data(), pictureWidth, pictureHeight, 6, 80};
    size_t found = 0;
    for (auto _ : state) {
        FullScanResult scan = fullAutoScan(view, settings(static_cast<int>(state.range(0))));
        found = scan.points.size();
        benchmark::DoNotOptimize(scan.points.data());
    }
    state.counters["points"] = static_cast<double>(found);
}
BENCHMARK(BM_FullAutoScan)
    ->Args({searchUp, 0})
    ->Args({searchUp, 1})
    ->Args({searchRight, 0})
    ->Unit(benchmark::kMillisecond);

static void BM_FollowCurveThousandPoints(benchmark::State &state) {
    const std::vector<uint32_t> pixels = curvePicture(false);
    const PixelView view{pixels.data(), pictureWidth, pictureHeight, 6, 80};
    const int x1 = 20, x2 = pictureWidth - 20;
    TraceDefinition definition{1,
                               view.offsetX + x1,
                               view.offsetY + std::lround(curveRow(x1 + 0.5)),
                               view.offsetX + x2,
                               view.offsetY + std::lround(curveRow(x2 + 0.5)),
                               {}};
    size_t found = 0;
    for (auto _ : state) {
        TraceResult trace = followCurve(view, settings(searchUp), definition, 1000, 100);
        found = trace.points.size();
        benchmark::DoNotOptimize(trace.points.data());
    }
    state.counters["points"] = static_cast<double>(found);
}
BENCHMARK(BM_FollowCurveThousandPoints)->Unit(benchmark::kMicrosecond);
