// The work of one mouse motion over the picture, on a 4000 x 3000 and a 400 x 300 picture: the read-outs,
// the magnified views and the adaptive cursor, as kernels and as the window's motion handler, and the
// extended cursor's redraw. The window benchmarks need an X display (xvfb-run).
#include "BenchApp.h"
#include "app/Ordinax.h"
#include "axis/AxisChecks.h"
#include "axis/AxisTransform.h"
#include "image/CursorShapes.h"
#include "image/Magnifier.h"
#include "image/PointTypeLogic.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace {

// A picture whose pixels differ from their neighbours, as a photograph of a plot does.
std::vector<uint32_t> picture(int width, int height) {
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++)
            pixels[static_cast<size_t>(y) * width + x] =
                0xFF000000u | ((x * 5) % 256) << 16 | ((y * 7) % 256) << 8 | ((x + 3 * y) % 256);
    return pixels;
}

// Pointer positions that wander over the whole picture (image pixels).
PointerPosition wander(int i, int width, int height) {
    const long long k = i;
    return {30 + static_cast<int>(k * 7919 % (width - 60)),
            30 + static_cast<int>(k * 104729 % (height - 60))};
}

AxisTables calibration(int width, int height) {
    AxisTables tables;
    const std::string right = std::to_string(width - 1), bottom = std::to_string(height - 1);
    const std::string cells[2][2][3] = {{{"0", "0", bottom}, {"100", right, bottom}},
                                        {{"1", "0", bottom}, {"1000", "0", "0"}}};
    for (int a = 0; a < 2; a++)
        for (int r = 0; r < 2; r++)
            for (int c = 0; c < 3; c++)
                tables.cell(a, r, c) = cells[a][r][c];
    return tables;
}

} // namespace

// The display-free part of one motion: the constraint, the adaptive cursor's choice, the current-position
// values with their formatting, the angle read-out and both magnified pictures with 100 data points.
static void BM_MotionKernels(benchmark::State &state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    const std::vector<uint32_t> pixels = picture(w, h);
    AxisTables tables = calibration(w, h);
    AxisOptions options;
    options.axisScaleType[1] = 1;
    NumberFormatSettings format;
    MagnifierSource source;
    source.viewPixels = source.workPixels = pixels.data();
    source.picture = PictureGeometry{w, h, 0, 0};
    source.dataColor = 0xFF00FF00;
    source.referenceColor = 0xFFFF0000;
    source.referencePoints = {{0, h - 1}, {w - 1, h - 1}, {0, 0}};
    for (int i = 0; i < 100; i++) {
        const PointerPosition p = wander(i, w, h);
        source.dataPoints.push_back({p.x, p.y});
    }
    MagnifiedViews views;
    int i = 0, whiteCursors = 0;
    for (auto _ : state) {
        const PointerPosition p = wander(i++, w, h);
        const ConstrainedPointer held = constrainPointer(false, false, false, std::nullopt, p);
        whiteCursors += adaptiveCursorIsWhite(pixels[static_cast<size_t>(p.y) * w + p.x]);
        std::vector<AxisCellEdit> edits;
        if (validateAxisTables(tables, edits))
            for (int axis = 0; axis < 2; axis++) {
                std::optional<double> value =
                    pixelToValue(tables, options, axis, axis ? held.pointer.y : held.pointer.x);
                benchmark::DoNotOptimize(formatAxisValue(axis, value.value_or(0), format));
            }
        benchmark::DoNotOptimize(axisAngleReadout(0, 0, h - 1, p.x, p.y));
        buildMagnifiedViews(source, p.x, p.y, views);
        benchmark::DoNotOptimize(views.marked.data());
    }
    benchmark::DoNotOptimize(whiteCursors);
}
BENCHMARK(BM_MotionKernels)->Args({4000, 3000})->Args({400, 300})->Unit(benchmark::kMicrosecond);

namespace {

// One window per picture size with the picture shown, the axes calibrated and 100 data points.
Ordinax *motionWindow(int width, int height) {
    static std::map<int, Ordinax *> windows;
    if (windows.count(width))
        return windows[width];
    FXApp *app = benchApp();
    if (!app)
        return windows[width] = nullptr;
    Ordinax *win = new Ordinax(app);
    win->create();
    win->showNewImage(picture(width, height), width, height);
    win->resetForNewImage();
    win->setImageControlsEnabled(true);
    if (win->autoFindPoint_Chk)
        win->autoFindPoint_Chk->setCheck(FALSE);
    for (int i = 0; i < 20; i++)
        app->runWhileEvents();
    auto set = [&](Table_qvx1 *table, int row, const char *value, int ix, int iy) {
        table->setCellText(row, 0, value);
        table->setCellText(row, 1, FXStringFormat("%d", win->viewOffsetX + ix));
        table->setCellText(row, 2, FXStringFormat("%d", win->viewOffsetY + iy));
    };
    set(win->xAxisTable, 0, "0", 0, height - 1);
    set(win->yAxisTable, 0, "1", 0, height - 1);
    set(win->xAxisTable, 1, "100", width - 1, height - 1);
    set(win->yAxisTable, 1, "1000", 0, 0);
    win->nextPointType = 5;
    win->showPointType(5);
    for (int i = 0; i < 100; i++) {
        const PointerPosition p = wander(i, width, height);
        win->writePointRow(win->nextPointRow(), win->viewOffsetX + p.x, win->viewOffsetY + p.y);
    }
    win->cursorColorList->setCurrentItem(cursorAdaptive);
    win->handle(win->cursorColorList, FXSEL(SEL_COMMAND, CommandId::ID_CURSOR_STYLE), nullptr);
    return windows[width] = win;
}

// Places the pointer over image pixel p and lets the window take the motions the move made.
void placePointer(Ordinax *win, PointerPosition p) {
    win->setCursorPosition(win->viewOffsetX + p.x, win->viewOffsetY + p.y);
    win->getApp()->flush(true);
}

} // namespace

// The whole motion handler while data points are picked: current position with its values, the
// "Selection" swatch, the adaptive cursor and both magnified views, until the display has drawn them.
static void BM_MotionHandler(benchmark::State &state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Ordinax *win = motionWindow(w, h);
    if (!win) {
        state.SkipWithError("no X display");
        return;
    }
    win->extendCursorAll_Chk->setCheck(FALSE);
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        placePointer(win, wander(i++, w, h));
        state.ResumeTiming();
        win->trackPointer();
        win->getApp()->flush(true);
    }
}
BENCHMARK(BM_MotionHandler)->Args({4000, 3000})->Args({400, 300})->Unit(benchmark::kMicrosecond);

// The extended cursor's redraw alone, as a motion makes it while the axes are defined: the old row and
// column put back from the clean picture, the new ones drawn, the reference markers drawn again.
static void BM_ExtendedCursorRedraw(benchmark::State &state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Ordinax *win = motionWindow(w, h);
    if (!win) {
        state.SkipWithError("no X display");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        const PointerPosition p = wander(i++, w, h);
        win->drawExtendedCursor(p.x, p.y);
        win->getApp()->flush(true);
    }
    win->drawExtendedCursor(-1, -1);
}
BENCHMARK(BM_ExtendedCursorRedraw)->Args({4000, 3000})->Args({400, 300})->Unit(benchmark::kMicrosecond);

// The motion handler while an axis end is picked with "Extend" on: the same work plus the redraw, which
// the handler makes at most once a millisecond.
static void BM_MotionHandlerWithExtendedCursor(benchmark::State &state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Ordinax *win = motionWindow(w, h);
    if (!win) {
        state.SkipWithError("no X display");
        return;
    }
    win->extendCursorAll_Chk->setCheck(TRUE);
    win->showPointType(pointMaxX);
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        placePointer(win, wander(i++, w, h));
        win->extendedCursorTime = 0;
        state.ResumeTiming();
        win->trackPointer();
        win->getApp()->flush(true);
    }
    win->extendCursorAll_Chk->setCheck(FALSE);
    win->showPointType(5);
    win->drawExtendedCursor(-1, -1);
}
BENCHMARK(BM_MotionHandlerWithExtendedCursor)
    ->Args({4000, 3000})
    ->Args({400, 300})
    ->Unit(benchmark::kMicrosecond);
