// A full refit in the main window with all nine fit plots drawn, 10 000 points in 6 equations on a 1200 x 700
// main canvas, changed and unchanged; the drawing of the nine plots alone; one step of dragging a zone limit.
// Needs an X display (xvfb-run); without one the benchmarks are skipped.
#include "BenchApp.h"
#include "app/Ordinax.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace {

// One application and one window for every benchmark of this file, made on first use.
Ordinax *benchWindow() {
    static Ordinax *win = nullptr;
    FXApp *app = win ? nullptr : benchApp();
    if (!app)
        return win;
    win = new Ordinax(app);
    win->create();
    win->resize(1500, 1150);
    win->mainTabs->setCurrent(3, TRUE);
    for (int i = 0; i < 20; i++)
        app->runWhileEvents();

    const int n = 10000;
    Table_qvx1 *table = win->xyValuesTable;
    if (table->getNumRows() < n + 1)
        table->insertRows(table->getNumRows(), n + 1 - table->getNumRows());
    char text[64];
    for (int i = 0; i < n; i++) {
        const double x = 1 + 99.0 * i / (n - 1);
        std::snprintf(text, sizeof text, "%.6f", x);
        table->setCellText(i, 0, text);
        std::snprintf(text, sizeof text, "%.6f", 50 + 20 * std::sin(x / 10) + std::sin(i * 7.3));
        table->setCellText(i, 1, text);
    }
    win->dataSource = 1;
    win->showDataSource();
    win->numOfEquations_LB->setCurrentItem(5);
    win->applyEquationCount();
    for (int k = 0; k < 6; k++)
        win->setOrder(k, 4);
    win->showLimits(true);
    for (int i = 0; i < 20; i++)
        app->runWhileEvents();
    // No event is handled while timing, so the layout leaves the canvas at this size.
    win->fitCanvas->resize(1200, 700);
    return win;
}

// Every refit moves the first zone limit to and fro, so that the fit and all nine plots change.
void BM_RefitWithNinePlots(benchmark::State &state) {
    Ordinax *win = benchWindow();
    if (!win) {
        state.SkipWithError("no X display");
        return;
    }
    const double limit = win->upperLimits[0], shift = (win->upperLimits[1] - limit) / 10;
    int run = 0;
    for (auto _ : state) {
        win->upperLimits[0] = limit + (++run % 2) * shift;
        benchmark::DoNotOptimize(win->refit());
        win->getApp()->flush(true); // the display has drawn everything
    }
    state.counters["points"] = win->pointCount;
    state.counters["canvas_w"] = win->fitCanvas->getWidth();
    state.counters["canvas_h"] = win->fitCanvas->getHeight();
}
BENCHMARK(BM_RefitWithNinePlots)->Unit(benchmark::kMillisecond);

// The same fit again: the plots see that their pictures stay the same and paint nothing.
void BM_RefitUnchanged(benchmark::State &state) {
    Ordinax *win = benchWindow();
    if (!win) {
        state.SkipWithError("no X display");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(win->refit());
        win->getApp()->flush(true);
    }
}
BENCHMARK(BM_RefitUnchanged)->Unit(benchmark::kMillisecond);

// All nine plots painted afresh: the background changes between white and black each time.
void BM_DrawNinePlots(benchmark::State &state) {
    Ordinax *win = benchWindow();
    if (!win) {
        state.SkipWithError("no X display");
        return;
    }
    win->refit();
    const int background = win->plotBackground;
    int run = 0;
    for (auto _ : state) {
        win->plotBackground = ++run % 2 ? 2 : 0;
        win->drawFitPlot(false);
        win->getApp()->flush(true);
    }
    win->plotBackground = background;
}
BENCHMARK(BM_DrawNinePlots)->Unit(benchmark::kMillisecond);

// One motion of a dragged limit: the limit moves a pixel and the main plot is painted again.
void BM_DragLimitOnePixel(benchmark::State &state) {
    Ordinax *win = benchWindow();
    if (!win) {
        state.SkipWithError("no X display");
        return;
    }
    win->refit();
    const int start = win->fitPlot->xToPixel(win->upperLimits[2]);
    int step = 0;
    FXEvent event;
    event.win_y = win->fitCanvas->getHeight() - 3;
    event.win_x = start;
    win->handle(win->fitCanvas, FXSEL(SEL_LEFTBUTTONPRESS, CommandId::ID_FIT_PLOT), &event);
    if (win->draggedLimit != 2) {
        state.SkipWithError("the press missed the marker");
        return;
    }
    for (auto _ : state) {
        event.win_x = start + (++step % 2);
        win->handle(win->fitCanvas, FXSEL(SEL_MOTION, CommandId::ID_FIT_PLOT), &event);
        win->getApp()->flush(true);
    }
    win->draggedLimit = -1;
    win->fitCanvas->ungrab();
}
BENCHMARK(BM_DragLimitOnePixel)->Unit(benchmark::kMillisecond);

} // namespace
