#include "TBitmap.h"
#include "TResourceStream.h"
#include "T_AM2000_MenuItemCache.h"

#include "TStopwatch.h"

#include <benchmark/benchmark.h>
#include <cstdio>

// Building the stock item table as the program does at start (221 rows in key order,
// their shortcut texts from the platform's key names, the two glyph strips read and
// made ready for drawing) against its peer: reading the two glyph strips alone.
namespace {

void BuildTable()
{
    const T_AM2000_MenuItemCache table;
    benchmark::DoNotOptimize(table.GlyphCount());
}

void ReadStrips()
{
    for (const T_AM2000_GlyphStripResource& strip : T_AM2000_MenuItemCache::StockGlyphStrips()) {
        TResourceStream stream(strip.name);
        TBitmap bitmap;
        bitmap.LoadFromStream(stream);
        benchmark::DoNotOptimize(bitmap.ScanLine(0));
    }
}

void BM_StockTableBuild(benchmark::State& state)
{
    for (auto _ : state)
        BuildTable();
}
BENCHMARK(BM_StockTableBuild)->Unit(benchmark::kMicrosecond);

void BM_StockGlyphStripsRead(benchmark::State& state)
{
    for (auto _ : state)
        ReadStrips();
}
BENCHMARK(BM_StockGlyphStripsRead)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    constexpr int rounds = 50;
    const double table = TStopwatch::Best(rounds, BuildTable);
    const double strips = TStopwatch::Best(rounds, ReadStrips);
    std::printf("Stock item table at start, whole table / its two glyph strips alone: %.2f\n",
                table / strips);
    return 0;
}
