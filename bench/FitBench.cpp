// A refit's numeric work on 10 000 points in 6 zones of order 6, and the engine alone at order 15.
#include "fit/FitDriver.h"
#include "fit/LeastSquares.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

// Points along a smooth curve with noise, in table order: picked left to right, or shuffled.
FitInput refitInput(int n, bool shuffled) {
    std::mt19937 random(42);
    std::uniform_real_distribution<double> noise(-0.01, 0.01);
    FitInput in;
    for (int i = 0; i < n; ++i) {
        const double x = 1 + 99.0 * i / (n - 1) + noise(random);
        in.cellX.push_back(x);
        in.cellY.push_back(50 + 20 * std::sin(x / 10) + std::sqrt(x) + noise(random));
    }
    if (shuffled) {
        std::vector<int> order(n);
        for (int i = 0; i < n; ++i)
            order[i] = i;
        std::shuffle(order.begin(), order.end(), random);
        FitInput copy = in;
        for (int i = 0; i < n; ++i) {
            in.cellX[i] = copy.cellX[order[i]];
            in.cellY[i] = copy.cellY[order[i]];
        }
    }
    in.equationCount = 6;
    in.fitOrders.assign(6, 6);
    in.overlap = 10;
    for (int k = 1; k < 6; ++k)
        in.shownLimits.push_back(1 + 99.0 * k / 6);
    in.plotCanvasWidth = 900;
    return in;
}

void BM_Refit(benchmark::State &state) {
    const FitInput in = refitInput(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state) {
        FitOutput out = runFit(in);
        if (out.status != FitStatus::Ok)
            state.SkipWithError("fit failed");
        benchmark::DoNotOptimize(out.curve.y.data());
    }
}
BENCHMARK(BM_Refit)
    ->Args({10000, 0})
    ->Args({10000, 1})
    ->ArgNames({"points", "shuffled"})
    ->Unit(benchmark::kMillisecond);

void BM_EngineOrder15(benchmark::State &state) {
    const int n = static_cast<int>(state.range(0)), m = 15;
    std::vector<double> x(n), y(n), c(m + 1);
    for (int i = 0; i < n; ++i) {
        x[i] = 0.1 + 0.9 * i / (n - 1);
        y[i] = std::exp(x[i]) * std::cos(3 * x[i]);
    }
    double r2 = 0;
    for (auto _ : state) {
        if (!fitPolynomialFree(n, m, x.data(), y.data(), c.data(), r2))
            state.SkipWithError("fit failed");
        benchmark::DoNotOptimize(c.data());
    }
}
BENCHMARK(BM_EngineOrder15)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace
