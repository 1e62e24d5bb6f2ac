// The speed of a new world and of the per-frame light volume.
#include <benchmark/benchmark.h>

#include "core/random.h"
#include "core/state.h"
#include "core/world.h"
#include "platform/platform.h"
#include "worldgen/daycycle.h"
#include "worldgen/light.h"
#include "worldgen/newgame.h"

namespace {

constexpr int32_t BenchSeed = 1700000000;

void Generate(int32_t seed)
{
    Seed = seed;
    QSrand(static_cast<uint32_t>(seed));
    int32_t uTime = PlatformClock();
    GenerateWorld(uTime);
}

// The whole generator on a grid that is already allocated (and touched).
void BM_NewWorld(benchmark::State& state)
{
    if (!AllocWorld()) {
        state.SkipWithError("no memory for the grid");
        return;
    }
    for (auto _ : state) {
        Generate(BenchSeed);
        benchmark::DoNotOptimize(World[500][100][500]);
    }
}
BENCHMARK(BM_NewWorld)->Unit(benchmark::kMillisecond)->UseRealTime();

// One frame's light volume at each rendering distance, standing at the spawn
// of a fixed world at noon with nothing in the hand.
void BM_CreateLight(benchmark::State& state)
{
    static bool generated = false;
    if (!generated) {
        if (!AllocWorld()) {
            state.SkipWithError("no memory for the grid");
            return;
        }
        Generate(BenchSeed);
        generated = true;
    }
    RAM = static_cast<uint8_t>(state.range(0));
    DayTime = 0;
    TimeLuminance = DayLuminance(DayTime);
    xTransCamera = 500.0f;
    zTransCamera = 500.0f;
    yTransCamera = static_cast<float>(SpawnHeight()) + 1.9001f;
    SelectedCell = 0;
    Cells[0] = _INVENTORY{0, 0, 0};
    for (auto _ : state) {
        CreateLight();
        benchmark::DoNotOptimize(Luminance[lRAM][100][lRAM]);
    }
}
BENCHMARK(BM_CreateLight)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

} // namespace
