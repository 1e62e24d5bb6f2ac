// Worlds for the generator and light tests: a whole world from a seed, its
// fingerprint, and small hand-built pieces on an otherwise empty grid.
#pragma once
#include <cstdint>

#include "core/world.h"

// Allocates the grid if needed and generates the world of `seed` into it,
// as a new game does after seeding. Returns GenerateWorld's status.
int32_t GenerateSeed(int32_t seed);

// A 64-bit fingerprint of every cell of the grid, the same on any machine.
uint64_t GridFingerprint();

// A fresh, all-empty grid (the old one, if any, is released first).
bool FreshGrid();

// Fills layers y0 ... y1 of the columns x0 ... x1, z0 ... z1 (folded) with one cell.
void FillBox(int x0, int x1, int y0, int y1, int z0, int z1, _WORLD cell);
