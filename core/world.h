// The world grid: 1000 x 200 x 1000 two-byte cells, one contiguous block
// allocated on the first new or loaded game and kept until shutdown.
// x and z wrap with period 1000; y does not.
#pragma once
#include <cstdint>

struct _WORLD {
    uint8_t BlockValue;   // block identifier, 0 = air
    uint8_t BlockOptions; // per-block state (grass, ore in soil, torch mount, facing, chest record, brick kind)
};
static_assert(sizeof(_WORLD) == 2, "a world cell is two bytes in the save file");

constexpr int WorldSizeX = 1000;
constexpr int WorldSizeY = 200;
constexpr int WorldSizeZ = 1000;

// The grid, indexed World[x][y][z]; null until allocated. Owned here.
extern _WORLD (*World)[WorldSizeY][WorldSizeZ];

// Allocates the zeroed grid once; returns false when memory is short.
bool AllocWorld();
// Releases the grid if it exists and sets World to null.
void FreeWorld();

// The wrap correction of an index in -1000 ... 1999: +1000 below 0,
// -1000 at 1000 or above, else 0.
inline int WrapCorrection(int index)
{
    return index < 0 ? 1000 : (index >= 1000 ? -1000 : 0);
}
inline int FoldIndex(int index) { return index + WrapCorrection(index); }

// The cell at (x, y, z) with x and z folded; y must lie in 0 ... 199.
inline _WORLD& CellAt(int x, int y, int z)
{
    return World[FoldIndex(x)][y][FoldIndex(z)];
}
