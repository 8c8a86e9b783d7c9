// Erasing overlays costs what was logged, not the picture: 1000 markers on a large and a small picture.
#include "image/Markers.h"
#include "image/OverlayLog.h"

#include <benchmark/benchmark.h>

#include <algorithm>

static void BM_EraseThousandMarkers(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    std::vector<uint32_t> clean(static_cast<size_t>(w) * h, 0xFF808080), screen = clean;
    PictureGeometry picture{w, h, 0, 0};
    std::vector<PixelPaint> markers;
    for (int i = 0; i < 1000; ++i)
        appendMarker(markers, picture, 5 + (i * 7919) % (w - 10), 5 + (i * 104729) % (h - 10), markerColor(1),
                     dataMarkerSize, false);
    applyPaints(screen.data(), w, h, markers);
    OverlayLog log;
    log.reset(w, h);
    std::vector<PixelPaint> restore;
    for (auto _ : state) {
        state.PauseTiming();
        log.add(markers);
        restore.clear();
        state.ResumeTiming();
        log.erase(clean.data(), w, h, restore);
        applyPaints(screen.data(), w, h, restore);
        benchmark::DoNotOptimize(screen.data());
    }
    state.counters["pixels"] = static_cast<double>(restore.size());
}
BENCHMARK(BM_EraseThousandMarkers)->Args({4000, 3000})->Args({400, 300})->Unit(benchmark::kMicrosecond);

// For comparison: putting back the whole picture, which the log avoids.
static void BM_RestoreWholePicture(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    std::vector<uint32_t> clean(static_cast<size_t>(w) * h, 0xFF808080), screen(clean.size());
    for (auto _ : state) {
        std::copy(clean.begin(), clean.end(), screen.begin());
        benchmark::DoNotOptimize(screen.data());
    }
}
BENCHMARK(BM_RestoreWholePicture)->Args({4000, 3000})->Args({400, 300})->Unit(benchmark::kMicrosecond);
