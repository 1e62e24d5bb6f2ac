#include "worldgen/light.h"

#include <cmath>
#include <cstring>

#include "core/catalogue.h"
#include "core/state.h"

uint8_t Luminance[LightBoxSide][WorldSizeY][LightBoxSide];
_TORCHBLOCK TorchBlock[MaxTorchBlock];
int32_t NumTorchBlock = 0;
int32_t lRAM = 20;

// Light never falls below this once a column has gone dark.
constexpr uint8_t DarkFloor = 50;
// The daylight scan runs over a whole row of columns at once, in chunks of
// this many; the widest row (121) is padded to MaxColumns with rock.
constexpr int Lanes = 16;
constexpr int MaxColumns = 128;
// How many layers ahead of the scan the grid rows are fetched.
constexpr int PrefetchAhead = 6;

int32_t LightHalfWidth(uint8_t ram) { return ram < 4 ? 20 + 10 * ram : 60; }

// A torch's light at a distance given by its three axis components.
static float TorchLight(float dx, float dy, float dz)
{
    const float h = sqrtf(dy * dy + dx * dx);
    const float d = sqrtf(h * h + dz * dz);
    return (8.48f - d) * 11.792454f + 30.0f;
}

// The light a torch gives each cell of its 9 x 9 x 9 cube, truncated. Every
// value is positive, so "brighter replaces" is the larger of the two.
static const uint8_t (*TorchGlow())[9][9]
{
    static uint8_t glow[9][9][9];
    static bool built = false;
    if (!built) {
        for (int i = 0; i < 9; i++)
            for (int j = 0; j < 9; j++)
                for (int k = 0; k < 9; k++)
                    glow[i][j][k] = static_cast<uint8_t>(static_cast<int32_t>(
                        TorchLight(static_cast<float>(i - 4), static_cast<float>(j - 4), static_cast<float>(k - 4))));
        built = true;
    }
    return glow;
}

// One layer of daylight across a row of columns: `run` holds each column's
// running daylight (at or below the floor once the column is dark), `out`
// the row of the light box, written only when `Write`. A column goes dark
// when its running value reaches the floor; from then on open cells get
// the floor and nothing dims it further. Fixed-size chunks let the
// compiler do each chunk in a few vector operations. Returns whether the
// row holds a torch.
template <bool Write>
static bool ShadeRow(const _WORLD* cells, uint8_t* run, uint8_t* out, int chunks)
{
    uint8_t torch = 0;
    for (int c = 0; c < chunks; c++) {
        const _WORLD* cell = cells + c * Lanes;
        uint8_t* m = run + c * Lanes;
        uint8_t* o = out + c * Lanes;
        // Branch-free on purpose: each case is a 0/1 flag turned into a mask.
        for (int j = 0; j < Lanes; j++) {
            const uint8_t v = cell[j].BlockValue;
            const uint8_t lum = m[j];
            const uint8_t lightLeft = lum > DarkFloor;
            const uint8_t open = (v == ID_AIR) | (v == ID_TORCH);
            const uint8_t glass = v == ID_GLASS;
            const uint8_t leaves = v == ID_LEAVES;
            const uint8_t cactus = v == ID_CACTUS;
            // Solid blocks take 27, leaves 6, cactus 9, glass 3, open cells nothing.
            const uint8_t loss = static_cast<uint8_t>(27 - 27 * open - 24 * glass - 21 * leaves - 18 * cactus);
            const uint8_t after = static_cast<uint8_t>(lum - loss * lightLeft);
            m[j] = after;
            torch |= static_cast<uint8_t>(v == ID_TORCH);
            if (Write) {
                const uint8_t lit = open | glass | (cactus & lightLeft);
                const uint8_t value = after > DarkFloor ? after : DarkFloor;
                const uint8_t mask = static_cast<uint8_t>(-lit);
                o[j] = static_cast<uint8_t>((value & mask) | (o[j] & ~mask));
            }
        }
    }
    return torch != 0;
}

// Torch list of one x slab in the order of the column-by-column scan, for
// the slab where the list fills up: the torches kept are then the ones
// that scan meets first.
static void CollectTorchesByColumn(int i, int fx, int z0, int yLow)
{
    const int n = 2 * lRAM + 1;
    for (int k = 0; k < n; k++) {
        const int fz = FoldIndex(z0 + k);
        for (int y = WorldSizeY - 1; y >= yLow && NumTorchBlock < MaxTorchBlock; y--)
            if (World[fx][y][fz].BlockValue == ID_TORCH)
                TorchBlock[NumTorchBlock++] = _TORCHBLOCK{static_cast<int16_t>(i), static_cast<int16_t>(y),
                                                          static_cast<int16_t>(k - lRAM)};
    }
}

// Daylight down every column of the box, layer by layer from the top, all
// columns of one x at a time so that the grid is read along its rows.
static void CastDaylight(int X, int Y, int Z)
{
    const int n = 2 * lRAM + 1;
    const int chunks = (n + Lanes - 1) / Lanes;
    const uint8_t start = static_cast<uint8_t>(static_cast<int32_t>(TimeLuminance * 150));
    const int yLow = Y - lRAM > 0 ? Y - lRAM : 0;
    const int yWrite = Y + lRAM;

    // The row of columns may wrap past z = 999: copy it in one or two pieces.
    const int z0 = Z - lRAM;
    const int firstStart = FoldIndex(z0);
    const int firstLength = n < WorldSizeZ - firstStart ? n : WorldSizeZ - firstStart;
    const int secondLength = n - firstLength;

    alignas(16) _WORLD cells[MaxColumns];
    alignas(16) uint8_t run[MaxColumns];
    for (_WORLD& cell : cells) cell = _WORLD{ID_GABBRO, 0}; // the padding past n is never lit
    bool full = false;

    for (int i = -lRAM; i <= lRAM; i++) {
        const int fx = FoldIndex(X + i);
        memset(run, start, sizeof run);
        const int32_t slabStart = NumTorchBlock;
        bool overflow = false;
        for (int y = WorldSizeY - 1; y >= yLow; y--) {
            const _WORLD* row = World[fx][y];
            // Rows lie 2000 bytes apart, too far for the hardware to guess:
            // ask for the row a few layers down while this one is shaded.
            if (y - PrefetchAhead >= yLow) {
                const char* ahead = reinterpret_cast<const char*>(World[fx][y - PrefetchAhead] + firstStart);
                for (int byte = 0; byte < 2 * n + 64; byte += 64) __builtin_prefetch(ahead + byte);
            }
            memcpy(cells, row + firstStart, sizeof(_WORLD) * firstLength);
            if (secondLength > 0) memcpy(cells + firstLength, row, sizeof(_WORLD) * secondLength);
            const bool torch = y <= yWrite ? ShadeRow<true>(cells, run, Luminance[i + lRAM][y], chunks)
                                           : ShadeRow<false>(cells, run, nullptr, chunks);
            if (!torch || full) continue;
            for (int j = 0; j < n; j++) {
                if (cells[j].BlockValue != ID_TORCH) continue;
                if (NumTorchBlock == MaxTorchBlock) {
                    overflow = true;
                    break;
                }
                TorchBlock[NumTorchBlock++] = _TORCHBLOCK{static_cast<int16_t>(i), static_cast<int16_t>(y),
                                                          static_cast<int16_t>(j - lRAM)};
            }
        }
        if (overflow) {
            NumTorchBlock = slabStart;
            CollectTorchesByColumn(i, fx, z0, yLow);
            full = true;
        }
    }
}

// Each listed torch brightens the cells of its 9 x 9 x 9 cube inside the box.
static void LightTorches()
{
    const uint8_t (*glow)[9][9] = TorchGlow();
    for (int32_t t = 0; t < NumTorchBlock; t++) {
        const int ti = TorchBlock[t].x, ty = TorchBlock[t].y, tk = TorchBlock[t].z;
        const int x0 = ti - 4 > -lRAM ? ti - 4 : -lRAM, x1 = ti + 4 < lRAM ? ti + 4 : lRAM;
        const int y0 = ty - 4 > 0 ? ty - 4 : 0, y1 = ty + 4 < WorldSizeY - 1 ? ty + 4 : WorldSizeY - 1;
        const int z0 = tk - 4 > -lRAM ? tk - 4 : -lRAM, z1 = tk + 4 < lRAM ? tk + 4 : lRAM;
        for (int x = x0; x <= x1; x++)
            for (int y = y0; y <= y1; y++) {
                uint8_t* row = Luminance[x + lRAM][y] + lRAM;
                const uint8_t* g = glow[x - ti + 4][y - ty + 4];
                for (int z = z0; z <= z1; z++)
                    if (g[z - tk + 4] > row[z]) row[z] = g[z - tk + 4];
            }
    }
}

// A torch in the hand lights the cells within 5 of the camera's column and
// layer, by the distance from the eye itself.
static void LightHeldTorch(int X, int Y, int Z)
{
    for (int i = -5; i <= 5; i++) {
        if (i < -lRAM || i > lRAM) continue;
        for (int y = Y - 5; y <= Y + 5; y++) {
            if (y < 0 || y > WorldSizeY - 1) continue;
            for (int k = -5; k <= 5; k++) {
                if (k < -lRAM || k > lRAM) continue;
                const float v = TorchLight(static_cast<float>(X + i) - xTransCamera,
                                           static_cast<float>(y) - yTransCamera,
                                           static_cast<float>(Z + k) - zTransCamera);
                uint8_t& cell = Luminance[i + lRAM][y][k + lRAM];
                if (v > cell) cell = static_cast<uint8_t>(static_cast<int32_t>(v));
            }
        }
    }
}

// The camera's column folded into the world, whatever the camera's position.
static int WrapColumn(int index)
{
    index %= WorldSizeX;
    return index < 0 ? index + WorldSizeX : index;
}

void CreateLight()
{
    const int X = static_cast<int>(xTransCamera);
    const int Y = static_cast<int>(yTransCamera);
    const int Z = static_cast<int>(zTransCamera);
    lRAM = LightHalfWidth(RAM);
    NumTorchBlock = 0;
    if (Y - lRAM <= WorldSizeY - 1) CastDaylight(WrapColumn(X), Y, WrapColumn(Z));
    LightTorches();
    if (Cells[SelectedCell].BlockValue == ID_TORCH) LightHeldTorch(X, Y, Z);
}
