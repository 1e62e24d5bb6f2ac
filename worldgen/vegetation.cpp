#include "worldgen/vegetation.h"

#include <cstring>

#include "app/frame.h"
#include "core/catalogue.h"
#include "core/random.h"
#include "core/state.h"
#include "core/world.h"

constexpr int TileSize = 200;
constexpr int TreesPerTile = 1000;
constexpr int CactiPerTile = 59;

int GroundHeight(int x, int z)
{
    for (int y = WorldSizeY - 1; y >= 0; y--)
        if (World[x][y][z].BlockValue != ID_AIR) return y;
    return -1;
}

// Whether the 5 x 5 columns around (x, z) are empty from layer y0 to y1,
// all of it inside the world.
static bool CrownSpaceFree(int x, int z, int y0, int y1)
{
    if (y1 > WorldSizeY - 1) return false;
    for (int y = y0; y <= y1; y++)
        for (int i = x - 2; i <= x + 2; i++)
            for (int k = z - 2; k <= z + 2; k++)
                if (CellAt(i, y, k).BlockValue != ID_AIR) return false;
    return true;
}

// Whether column (x, z) is empty from layer y0 to y1, all inside the world.
static bool ColumnFree(int x, int z, int y0, int y1)
{
    if (y1 > WorldSizeY - 1) return false;
    for (int y = y0; y <= y1; y++)
        if (World[x][y][z].BlockValue != ID_AIR) return false;
    return true;
}

static void Put(int x, int y, int z, uint8_t block) { CellAt(x, y, z).BlockValue = block; }

// Leaves over the square of half-width `r` around (x, z), without its four
// corners when `corners` is false.
static void LeafSquare(int x, int y, int z, int r, bool corners)
{
    for (int i = -r; i <= r; i++)
        for (int k = -r; k <= r; k++)
            if (corners || (i != -r && i != r) || (k != -r && k != r)) Put(x + i, y, z + k, ID_LEAVES);
}

static void Trunk(int x, int z, int y0, int y1)
{
    for (int y = y0; y <= y1; y++) World[x][y][z].BlockValue = ID_RAW_WOOD;
}

// p = 0 ... 3: a trunk of 9 (10 when p = 3) under a crown of layered squares.
static bool PlantTallTree(int x, int l, int z, int p)
{
    const int e = p == 3 ? 1 : 0;
    if (!CrownSpaceFree(x, z, l + 4 + e, l + 10 + e)) return false;
    if (!ColumnFree(x, z, l + 1, l + 3 + e)) return false;
    World[x][l][z].BlockOptions = 0;
    LeafSquare(x, l + 4 + e, z, 1, true);
    LeafSquare(x, l + 6 + e, z, 1, true);
    LeafSquare(x, l + 8 + e, z, 1, true);
    Put(x - 2, l + 4 + e, z, ID_LEAVES);
    Put(x + 2, l + 4 + e, z, ID_LEAVES);
    Put(x, l + 4 + e, z - 2, ID_LEAVES);
    Put(x, l + 4 + e, z + 2, ID_LEAVES);
    LeafSquare(x, l + 5 + e, z, 1, false);
    LeafSquare(x, l + 9 + e, z, 1, false);
    Put(x, l + 10 + e, z, ID_LEAVES);
    Trunk(x, z, l + 1, l + 9 + e);
    return true;
}

// p = 4, 5: a trunk of 5 under a rounded crown.
static bool PlantShortTree(int x, int l, int z)
{
    if (!CrownSpaceFree(x, z, l + 3, l + 6)) return false;
    if (!ColumnFree(x, z, l + 1, l + 2)) return false;
    World[x][l][z].BlockOptions = 0;
    LeafSquare(x, l + 3, z, 2, false);
    LeafSquare(x, l + 4, z, 2, false);
    LeafSquare(x, l + 5, z, 1, true);
    LeafSquare(x, l + 6, z, 1, false);
    Trunk(x, z, l + 1, l + 5);
    return true;
}

// p < 2: a plain column of 4; p = 2 ... 4: 5 high with one arm; p = 5: 6
// high with two arms. The arm direction is drawn only once the cactus
// stands.
static bool PlantCactus(int x, int l, int z, int p)
{
    // The column test also keeps the cactus inside the world; generated
    // sand never lies that high, but a hand-built world might.
    if (!ColumnFree(x, z, l + 1, p >= 2 ? l + 5 : l + 4)) return false;
    if (p == 5 && !CrownSpaceFree(x, z, l + 3, l + 6)) return false;
    for (int y = l + 1; y <= l + 4; y++) World[x][y][z].BlockValue = ID_CACTUS;
    if (p < 2) return true;
    World[x][l + 5][z].BlockValue = ID_CACTUS;
    // Arm directions 0 ... 3: -z, -x, +x, +z.
    static const int StepX[4] = {0, -1, 1, 0};
    static const int StepZ[4] = {-1, 0, 0, 1};
    const int a = QRand() % 4;
    const int ax = StepX[a], az = StepZ[a];
    if (p <= 4) {
        Put(x + ax, l + 4, z + az, ID_CACTUS);
        return true;
    }
    World[x][l + 6][z].BlockValue = ID_CACTUS;
    Put(x + ax, l + 3, z + az, ID_CACTUS);
    Put(x + 2 * ax, l + 3, z + 2 * az, ID_CACTUS);
    Put(x + 2 * ax, l + 4, z + 2 * az, ID_CACTUS);
    Put(x + 2 * ax, l + 5, z + 2 * az, ID_CACTUS);
    Put(x - ax, l + 4, z - az, ID_CACTUS);
    Put(x - 2 * ax, l + 4, z - 2 * az, ID_CACTUS);
    Put(x - 2 * ax, l + 5, z - 2 * az, ID_CACTUS);
    return true;
}

int32_t PlantTile(int b, int c, int32_t& uTime)
{
    const bool desert = Biome[5 * b + c] == 1;
    const int target = desert ? CactiPerTile : TreesPerTile;
    int placed = 0;
    while (placed < target) {
        if (int32_t status = RefreshProgress(uTime)) return status;
        const int x = QRand() % 200 + TileSize * b;
        const int z = QRand() % 200 + TileSize * c;
        const int p = QRand() % 6;
        const int l = GroundHeight(x, z);
        if (l < 0) continue;
        const uint8_t ground = World[x][l][z].BlockValue;
        bool done;
        if (desert)
            done = ground == ID_SAND && PlantCactus(x, l, z, p);
        else
            done = ground == ID_DIRT && (p <= 3 ? PlantTallTree(x, l, z, p) : PlantShortTree(x, l, z));
        if (done) placed++;
    }
    return PROGRESS_GO_ON;
}

int32_t PlantVegetation(int32_t& uTime)
{
    strcpy(LoadingText, Lang == 1 ? "Formazione degli alberi..." : "Making trees...");
    for (int b = 0; b < 5; b++)
        for (int c = 0; c < 5; c++)
            if (int32_t status = PlantTile(b, c, uTime)) return status;
    return PROGRESS_GO_ON;
}
