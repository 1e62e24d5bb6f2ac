#include "worldgen/ores.h"

#include <cstdint>

#include "core/catalogue.h"
#include "core/random.h"
#include "core/state.h"
#include "core/world.h"

namespace {

// Where a pass may add one attempt to its count, with a draw r(5) < 2.
enum ExtraDraw : uint8_t {
    EXTRA_NONE,
    EXTRA_WOODLAND, // drawn on every tile, used on woodland only
    EXTRA_DESERT,   // drawn and used on desert tiles only
};

struct PocketPass {
    uint8_t block;
    int16_t woodland, desert; // attempts by tile kind
    ExtraDraw extra;
    bool deep;                // start layer r(200) div 4 (0 ... 49), else r(97)
    uint8_t sizes;            // each side is r(sizes) + 1
    bool soil;                // marks ore that replaces dirt or sand
};

const PocketPass Passes[15] = {
    {ID_GRAVEL, 2 * 1440, 2 * 1640, EXTRA_NONE, false, 4, false},
    {ID_COAL, 2 * 1960, 2 * 900, EXTRA_NONE, false, 4, true},
    {ID_SCHEELITE, 2 * 640, 2 * 440, EXTRA_NONE, false, 3, true},
    {ID_PETROLEUM, 2 * 810, 2 * 1010, EXTRA_NONE, false, 3, true},
    {ID_CUPRITE, 2 * 1000, 2 * 900, EXTRA_NONE, false, 4, true},
    {ID_QUARTZ, 2 * 490, 2 * 300, EXTRA_NONE, false, 3, true},
    {ID_HEMATITE, 2 * 810, 2 * 740, EXTRA_NONE, false, 4, true},
    {ID_CEMENTITE, 2 * 490, 2 * 440, EXTRA_NONE, false, 3, true},
    {ID_ARGENTITE, 2 * 360, 2 * 500, EXTRA_NONE, false, 3, true},
    {ID_GOLD_ORE, 250, 440, EXTRA_NONE, true, 3, false},
    {ID_SPERRYLITE, 160, 250, EXTRA_NONE, true, 3, false},
    {ID_SAPPHIRE, 122, 150, EXTRA_WOODLAND, true, 3, false},
    {ID_RUBY, 90, 100, EXTRA_NONE, true, 3, false},
    {ID_EMERALD, 62, 75, EXTRA_WOODLAND, true, 3, false},
    {ID_DIAMOND, 40, 70, EXTRA_DESERT, true, 3, false},
};

// Fills one box with the pass's block. Open space, leaves and wood are
// never replaced, so caves stay open.
void FillPocket(const PocketPass& pass, int x, int y, int z, int sx, int sy, int sz)
{
    for (int i = x; i < x + sx; i++) {
        const int fx = FoldIndex(i);
        for (int j = y; j < y + sy; j++) {
            if (j > WorldSizeY - 1) continue;
            for (int k = z; k < z + sz; k++) {
                _WORLD& cell = World[fx][j][FoldIndex(k)];
                const uint8_t v = cell.BlockValue;
                if (v == ID_AIR || v == ID_LEAVES || v == ID_RAW_WOOD) continue;
                if (!pass.soil)
                    cell.BlockOptions = 0;
                else if (v == ID_DIRT || v == ID_SAND)
                    cell.BlockOptions = 1;
                cell.BlockValue = pass.block;
            }
        }
    }
}

} // namespace

void PlacePockets(int b, int c)
{
    const bool desert = Biome[5 * b + c] == 1;
    for (const PocketPass& pass : Passes) {
        int attempts = desert ? pass.desert : pass.woodland;
        if (pass.extra == EXTRA_WOODLAND) {
            bool extra = QRand() % 5 < 2;
            if (!desert && extra) attempts++;
        } else if (pass.extra == EXTRA_DESERT && desert) {
            if (QRand() % 5 < 2) attempts++;
        }
        for (int n = 0; n < attempts; n++) {
            int x = QRand() % 200 + 200 * b;
            int y = pass.deep ? QRand() % 200 / 4 : QRand() % 97;
            int z = QRand() % 200 + 200 * c;
            int sx = QRand() % pass.sizes + 1;
            int sy = QRand() % pass.sizes + 1;
            int sz = QRand() % pass.sizes + 1;
            FillPocket(pass, x, y, z, sx, sy, sz);
        }
    }
}
