// The land of a new world: the cleared sky, the 5 x 5 tiles of woodland and
// desert, the layers of rock and soil, hills and dunes, and the two groups
// of caves. Every step draws from the world's random stream in a fixed order.
#pragma once
#include <cstdint>

// Each step that redraws the progress screen returns what RefreshProgress
// last said: PROGRESS_GO_ON, PROGRESS_QUIT or E_FAIL.

// Empties layers 101 ... 199 of the whole world.
int32_t ClearSky(int32_t& uTime);
// Draws the kind of every tile into `Biome`: the centre is always woodland
// and at least one tile is desert.
void ChooseTileKinds();
// When `Biome` has no desert, draws tiles until one other than the centre is.
// (The stream never gives 24 woodland draws in a row, but the rule stands.)
void EnsureDesertTile();
// Rock, the ragged soil band, dirt and the desert sand in layers 0 ... 100.
int32_t FillLayers(int b, int c, int32_t& uTime);
// 70 dirt hills on woodland, 100 sand dunes on desert, above layer 100.
int32_t RaiseHills(int b, int c, int32_t& uTime);
// 35 deep caves (`upper` false) or 20 upper caves reaching the surface.
int32_t CarveCaves(int b, int c, bool upper, int32_t& uTime);
// One tile, start to end: progress text, layers, hills, caves, pockets.
int32_t BuildTile(int b, int c, int32_t& uTime);
