// Start-up cost of the embedded resources: what the window pays before it shows.
#include "toolkit/ImageList.h"
#include "toolkit/Resources.h"

#include <benchmark/benchmark.h>

static void BM_LoadFlagImages(benchmark::State& state)
{
    for (auto _ : state) {
        TImageList list;
        LoadFlagImages(list);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(BM_LoadFlagImages);

static void BM_LoadAboutPicture(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadResourceImage(QStringLiteral("ABOUT")).width());
}
BENCHMARK(BM_LoadAboutPicture);

// A sound is looked up each time it plays.
static void BM_FindSound(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(FindResourceData(QStringLiteral("zvuk1"), QStringLiteral("WAVE")).size());
}
BENCHMARK(BM_FindSound);

static void BM_LoadCursor(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadResourceCursor(QStringLiteral("HORZSPLIT")).hotSpot());
}
BENCHMARK(BM_LoadCursor);
