// Seeded noise for the terrain pictures. Everything is a pure function of its
// arguments (integer hashing, no global generator), so a rerun paints the same
// pixels; the periodic variants wrap so that textures tile without seams.
#pragma once
#include <cstdint>

namespace img {

uint32_t Hash(int x, int y, uint32_t seed);
// Uniform in [0, 1).
float Rand01(int x, int y, uint32_t seed);

// Smooth value noise in [0, 1] on a lattice that repeats every `period` cells.
float ValueNoise(float x, float y, int period, uint32_t seed);
// Sum of `octaves` layers of value noise, each twice as fine and half as
// strong; (u, v) in texture units 0..1, `cells` lattice cells across at the
// coarsest layer. Tiles over 0..1. Result in [0, 1].
float Fbm(float u, float v, int cells, int octaves, uint32_t seed);

// Cellular noise on a grid of n x n jittered points that wraps; (u, v) in 0..1.
struct Cell {
    float f1, f2;  // distances (in cells) to the nearest and second nearest point
    uint32_t id;   // identity of the nearest point
};
Cell Worley(float u, float v, int n, uint32_t seed);

}  // namespace img
