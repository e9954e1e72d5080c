// Start-up cost of the stored skin: inflating the package and loading it whole.
#include "skin/SkinData.h"

#include <benchmark/benchmark.h>

namespace {

void BM_InflateStoredSkin(benchmark::State& state)
{
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(OrangeSkinCompressedData());
    for (auto _ : state)
        benchmark::DoNotOptimize(stored.Decompress());
}
BENCHMARK(BM_InflateStoredSkin)->Unit(benchmark::kMillisecond);

void BM_LoadStoredSkin(benchmark::State& state)
{
    TskCompressedStoredSkin stored;
    stored.SetCompressedData(OrangeSkinCompressedData());
    TskSkinData skin;
    for (auto _ : state) {
        skin.LoadCompressedStoredSkin(&stored);
        benchmark::DoNotOptimize(skin.CtrlList().size());
    }
}
BENCHMARK(BM_LoadStoredSkin)->Unit(benchmark::kMillisecond);

}  // namespace
