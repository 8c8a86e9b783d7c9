// Splitting clipboard text for a table paste: 100 000 lines must stay linear.
#include "tables/NumberText.h"

#include <benchmark/benchmark.h>

#include <string>

static void BM_SplitPasteText(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    std::string text;
    for (int i = 0; i < lines; ++i) text += std::to_string(i) + ",25\t" + std::to_string(i * 3) + ",5\r\n";
    for (auto _ : state) benchmark::DoNotOptimize(splitPasteText(text, lines));
    state.SetComplexityN(lines);
}
BENCHMARK(BM_SplitPasteText)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);
