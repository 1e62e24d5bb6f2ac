#include "worldgen/terrain.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/catalogue.h"
#include "core/random.h"
#include "core/state.h"
#include "core/world.h"
#include "worldgen/ores.h"
#include "worldgen/progress.h"

// Tiles are 200 x 200 columns; tile (b, c) starts at x = 200b, z = 200c.
constexpr int TileSize = 200;

int32_t ClearSky(int32_t& uTime)
{
    // Layers 101 ... 199 of one x are one contiguous stretch of the grid.
    const size_t bytes = sizeof(_WORLD) * (WorldSizeY - 101) * WorldSizeZ;
    for (int x = 0; x < WorldSizeX; x++) {
        if (int32_t status = RefreshProgressBy(uTime, (WorldSizeY - 101) * WorldSizeZ)) return status;
        memset(&World[x][101][0], 0, bytes);
    }
    return PROGRESS_GO_ON;
}

void ChooseTileKinds()
{
    for (int b = 0; b < 5; b++)
        for (int c = 0; c < 5; c++)
            Biome[5 * b + c] = (b == 2 && c == 2) ? 0 : static_cast<uint8_t>(QRand() & 1);
    EnsureDesertTile();
}

void EnsureDesertTile()
{
    for (int t = 0; t < 25; t++)
        if (Biome[t] == 1) return;
    // A pick of the centre, where the player starts, is undone and drawn again.
    do {
        Biome[12] = 0;
        int r1 = QRand();
        int r2 = QRand();
        Biome[5 * (r1 % 5) + r2 % 5] = 1;
    } while (Biome[12] != 0);
}

static void FillRow(_WORLD* row, uint8_t value)
{
    for (int j = 0; j < TileSize; j++) row[j] = _WORLD{value, 0};
}

int32_t FillLayers(int b, int c, int32_t& uTime)
{
    const bool desert = Biome[5 * b + c] == 1;
    const int z0 = TileSize * c;
    // The draws go column by column (z, then y upward); the writes go row by
    // row so that z stays the contiguous index. Each x keeps its column draws
    // here until its rows are written.
    uint8_t band[5][TileSize];   // layers 61 ... 65
    _WORLD layer99[TileSize];
    for (int x = TileSize * b; x < TileSize * (b + 1); x++) {
        if (int32_t status = RefreshProgressBy(uTime, TileSize * 101)) return status;
        for (int j = 0; j < TileSize; j++) {
            band[0][j] = (QRand() & 7) == 0 ? ID_DIRT : ID_GABBRO;
            band[1][j] = (QRand() & 3) == 0 ? ID_DIRT : ID_GABBRO;
            band[2][j] = (QRand() & 1) == 0 ? ID_GABBRO : ID_DIRT;
            band[3][j] = (QRand() & 3) == 0 ? ID_GABBRO : ID_DIRT;
            band[4][j] = (QRand() & 7) == 0 ? ID_GABBRO : ID_DIRT;
            if (desert)
                layer99[j] = QRand() % 2 == 1 ? _WORLD{ID_SAND, 1} : _WORLD{ID_DIRT, 0};
            else
                layer99[j] = _WORLD{ID_DIRT, 0};
        }
        for (int y = 0; y <= 60; y++) FillRow(&World[x][y][z0], ID_GABBRO);
        for (int y = 61; y <= 65; y++) {
            _WORLD* row = &World[x][y][z0];
            for (int j = 0; j < TileSize; j++) row[j] = _WORLD{band[y - 61][j], 0};
        }
        for (int y = 66; y <= 98; y++) FillRow(&World[x][y][z0], ID_DIRT);
        memcpy(&World[x][99][z0], layer99, sizeof layer99);
        FillRow(&World[x][100][z0], desert ? ID_SAND : ID_DIRT);
    }
    return PROGRESS_GO_ON;
}

// Whether the point at height offset `dy` from a sphere's centre lies inside
// it, for a column whose horizontal distance squared (as computed from the
// two-axis distance) is `hh`. The radius is compared in double, as drawn.
static inline bool InsideSphere(float hh, int dy, double radius)
{
    float d = sqrtf(hh + static_cast<float>(dy * dy));
    return d <= radius;
}

// One hill or dune: the part above layer 100 of a sphere centred at
// (cx, cy, cz), filling only cells that hold neither dirt nor sand.
static int32_t BuildMound(int cx, int cy, int cz, int R, uint8_t material, int32_t& uTime)
{
    const int k = R / 100;
    const double radius = R / 100.0;
    const int top = cy + k + 1;
    for (int x = cx - k - 1; x <= cx + k + 1; x++) {
        if (int32_t status = RefreshProgressBy(uTime, (2 * k + 3) * (top - 100))) return status;
        const int fx = FoldIndex(x);
        const int dx = x - cx;
        for (int z = cz - k - 1; z <= cz + k + 1; z++) {
            const int dz = z - cz;
            const float h = sqrtf(static_cast<float>(dz * dz + dx * dx));
            const float hh = h * h;
            // Above the centre the sphere narrows upward, so the column's
            // filled cells run from layer 101 to its highest inside cell.
            if (!InsideSphere(hh, 101 - cy, radius)) continue;
            int high = 101;
            while (high < top && InsideSphere(hh, high + 1 - cy, radius)) high++;
            const int fz = FoldIndex(z);
            for (int y = 101; y <= high; y++) {
                _WORLD& cell = World[fx][y][fz];
                if (cell.BlockValue != ID_DIRT && cell.BlockValue != ID_SAND) cell.BlockValue = material;
            }
        }
    }
    return PROGRESS_GO_ON;
}

int32_t RaiseHills(int b, int c, int32_t& uTime)
{
    const bool desert = Biome[5 * b + c] == 1;
    const int count = desert ? 100 : 70;
    const int cy = desert ? 84 : 76;
    const int base = desert ? 2000 : 2800;
    const uint8_t material = desert ? ID_SAND : ID_DIRT;
    for (int n = 0; n < count; n++) {
        int cx = QRand() % 200 + TileSize * b;
        int cz = QRand() % 200 + TileSize * c;
        int R = 2 * (QRand() % 701) + base;
        if (int32_t status = BuildMound(cx, cy, cz, R, material, uTime)) return status;
    }
    return PROGRESS_GO_ON;
}

// Empties z = z0 ... z1 of one row (indices in -1000 ... 1999); the run is
// shorter than the world, so it wraps at most once.
static void ClearRun(_WORLD* row, int z0, int z1)
{
    if (z0 >= WorldSizeZ) {
        z0 -= WorldSizeZ;
        z1 -= WorldSizeZ;
    } else if (z1 < 0) {
        z0 += WorldSizeZ;
        z1 += WorldSizeZ;
    }
    if (z0 < 0) {
        for (int z = z0 + WorldSizeZ; z < WorldSizeZ; z++) row[z].BlockValue = 0;
        z0 = 0;
    }
    if (z1 >= WorldSizeZ) {
        for (int z = 0; z <= z1 - WorldSizeZ; z++) row[z].BlockValue = 0;
        z1 = WorldSizeZ - 1;
    }
    for (int z = z0; z <= z1; z++) row[z].BlockValue = 0;
}

// One ball of a cave: cells within R / 100 of (sx, sy, sz) become empty,
// their options byte untouched.
static int32_t CarveBall(int sx, int sy, int sz, int R, int32_t& uTime)
{
    const int k = R / 100;
    const double radius = R / 100.0;
    const int y0 = sy - k - 1 < 0 ? 0 : sy - k - 1;
    const int y1 = sy + k + 1 > WorldSizeY - 1 ? WorldSizeY - 1 : sy + k + 1;
    if (y0 > y1) return PROGRESS_GO_ON;
    for (int x = sx - k - 1; x <= sx + k + 1; x++) {
        if (int32_t status = RefreshProgressBy(uTime, (y1 - y0 + 1) * (2 * k + 3))) return status;
        const int fx = FoldIndex(x);
        const int dx = x - sx;
        for (int y = y0; y <= y1; y++) {
            const int dy = y - sy;
            const float h = sqrtf(static_cast<float>(dy * dy + dx * dx));
            const float hh = h * h;
            // The ball's cells in this row form one run centred on sz.
            if (!InsideSphere(hh, 0, radius)) continue;
            int m = 0;
            while (m <= k && InsideSphere(hh, m + 1, radius)) m++;
            ClearRun(World[fx][y], sz - m, sz + m);
        }
    }
    return PROGRESS_GO_ON;
}

int32_t CarveCaves(int b, int c, bool upper, int32_t& uTime)
{
    const int count = upper ? 20 : 35;
    for (int n = 0; n < count; n++) {
        int cx = QRand() % 200 + TileSize * b;
        int cz = QRand() % 200 + TileSize * c;
        int cy = upper ? QRand() % 50 + 50 : QRand() % 50;
        int R = QRand() % 501 + 200;
        int balls = QRand() % 11 + 10;
        for (int i = 0; i < balls; i++) {
            int sx = cx - 25 + QRand() % 51;
            int sy = cy - 25 + QRand() % 51;
            int sz = cz - 25 + QRand() % 51;
            if (int32_t status = CarveBall(sx, sy, sz, R, uTime)) return status;
        }
    }
    return PROGRESS_GO_ON;
}

int32_t BuildTile(int b, int c, int32_t& uTime)
{
    snprintf(LoadingText, sizeof LoadingText, "%d %%", 4 * (5 * b + c));
    if (int32_t status = FillLayers(b, c, uTime)) return status;
    if (int32_t status = RaiseHills(b, c, uTime)) return status;
    if (int32_t status = CarveCaves(b, c, false, uTime)) return status;
    if (int32_t status = CarveCaves(b, c, true, uTime)) return status;
    PlacePockets(b, c);
    return PROGRESS_GO_ON;
}
