// The whole "Full auto" and "Auto-find curve" commands in the window on a 4000 x 3000 picture with one
// curve: search, table writing, recalculation, markers and the copy. Needs an X display (xvfb-run).
#include "BenchApp.h"
#include "app/Ordinax.h"
#include "tracing/TracingControls.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int pictureWidth = 4000, pictureHeight = 3000;
constexpr uint32_t curveColor = 0xFF000000;

double curveRow(double x) {
    return 1500 + 900 * std::sin(x / 600);
}

// A white picture with a black curve 3 pixels thick across its whole width.
std::vector<uint32_t> curvePicture() {
    std::vector<uint32_t> pixels(static_cast<size_t>(pictureWidth) * pictureHeight, 0xFFFFFFFF);
    for (int x = 0; x < pictureWidth; ++x) {
        int a = static_cast<int>(std::lround(curveRow(x))),
            b = static_cast<int>(std::lround(curveRow(x + 1)));
        for (int y = std::min(a, b) - 1; y <= std::max(a, b) + 1; ++y)
            pixels[static_cast<size_t>(y) * pictureWidth + x] = curveColor;
    }
    return pixels;
}

// One window for all benchmarks, with the picture shown and the axes defined; null without a display.
Ordinax *calibratedWindow() {
    static Ordinax *window = nullptr;
    static bool tried = false;
    if (tried)
        return window;
    tried = true;
    FXApp *app = benchApp();
    if (!app)
        return nullptr;
    window = new Ordinax(app);
    window->create();
    window->showNewImage(curvePicture(), pictureWidth, pictureHeight);
    window->resetForNewImage();
    window->setImageControlsEnabled(true);
    auto set = [&](Table_qvx1 *table, int row, const char *value, int ix, int iy) {
        table->setCellText(row, 0, value);
        table->setCellText(row, 1, FXStringFormat("%d", window->viewOffsetX + ix));
        table->setCellText(row, 2, FXStringFormat("%d", window->viewOffsetY + iy));
    };
    set(window->xAxisTable, 0, "0", 0, pictureHeight - 1);
    set(window->yAxisTable, 0, "0", 0, pictureHeight - 1);
    set(window->xAxisTable, 1, "100", pictureWidth - 1, pictureHeight - 1);
    set(window->yAxisTable, 1, "50", 0, 0);
    window->nextPointType = 5;
    window->showPointType(5);
    return window;
}

void addCurvePoint(Ordinax *window, int ix) {
    window->writePointRow(window->nextPointRow(), window->viewOffsetX + ix,
                          window->viewOffsetY + std::lround(curveRow(ix + 0.5)));
}

} // namespace

static void BM_FullAutoCommand(benchmark::State &state) {
    Ordinax *window = calibratedWindow();
    if (!window) {
        state.SkipWithError("no X display");
        return;
    }
    window->proMode_Chk->setCheck(TRUE);
    window->fullAuto_Chk->setCheck(TRUE);
    window->syncPointSearchControls();
    for (auto _ : state)
        window->autoFindCurve();
    state.counters["points"] = window->lastPointRow() + 1;
    window->proMode_Chk->setCheck(FALSE);
    window->fullAuto_Chk->setCheck(FALSE);
    window->syncPointSearchControls();
}
BENCHMARK(BM_FullAutoCommand)->Unit(benchmark::kMillisecond);

static void BM_AutoFindCurveThousandPoints(benchmark::State &state) {
    Ordinax *window = calibratedWindow();
    if (!window) {
        state.SkipWithError("no X display");
        return;
    }
    window->numAutoFindPoints_LB->setCurrentItem(autoFindPointChoiceCount - 1);
    for (auto _ : state) {
        state.PauseTiming();
        window->moveToBackup();
        addCurvePoint(window, 20);
        addCurvePoint(window, pictureWidth - 20);
        state.ResumeTiming();
        window->autoFindCurve();
    }
    state.counters["points"] = window->lastPointRow() + 1;
}
BENCHMARK(BM_AutoFindCurveThousandPoints)->Unit(benchmark::kMillisecond);
