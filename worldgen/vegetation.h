// Trees and cacti, planted once all 25 tiles have their land: exactly 1000
// trees on every woodland tile and 59 cacti on every desert tile, by
// attempts that retry until the count is reached.
#pragma once
#include <cstdint>

// The whole sweep, tile by tile, with its progress text. Returns what
// RefreshProgress last said: PROGRESS_GO_ON, PROGRESS_QUIT or E_FAIL.
int32_t PlantVegetation(int32_t& uTime);
// Plants the trees or cacti of tile (b, c) by `Biome`.
int32_t PlantTile(int b, int c, int32_t& uTime);
// Highest non-empty layer of column (x, z) (unfolded, inside the world),
// searching from 199 down; -1 for an empty column.
int GroundHeight(int x, int z);
