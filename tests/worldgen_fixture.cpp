#include "tests/worldgen_fixture.h"

#include "core/random.h"
#include "core/state.h"
#include "platform/platform.h"
#include "worldgen/newgame.h"

int32_t GenerateSeed(int32_t seed)
{
    if (!AllocWorld()) return -1;
    Seed = seed;
    QSrand(static_cast<uint32_t>(seed));
    int32_t uTime = PlatformClock();
    return GenerateWorld(uTime);
}

uint64_t GridFingerprint()
{
    // FNV-1a over little-endian words of four cells.
    const uint8_t* bytes = reinterpret_cast<const uint8_t*>(World);
    const size_t size = sizeof(_WORLD) * WorldSizeX * WorldSizeY * WorldSizeZ;
    uint64_t hash = 14695981039346656037ull;
    for (size_t i = 0; i < size; i += 8) {
        uint64_t word = 0;
        for (int b = 7; b >= 0; b--) word = word << 8 | bytes[i + b];
        hash = (hash ^ word) * 1099511628211ull;
    }
    return hash;
}

bool FreshGrid()
{
    FreeWorld();
    return AllocWorld();
}

void FillBox(int x0, int x1, int y0, int y1, int z0, int z1, _WORLD cell)
{
    for (int x = x0; x <= x1; x++)
        for (int y = y0; y <= y1; y++)
            for (int z = z0; z <= z1; z++) CellAt(x, y, z) = cell;
}
