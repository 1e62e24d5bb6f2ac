// The light volume around the camera, rebuilt every playing frame: daylight
// falling down each column and dimmed by what it crosses, then the light of
// the torches inside the box and of a torch held in the hand.
#pragma once
#include <cstdint>

#include "core/world.h"

// Columns of the light box along x and z; the widest box uses 121 of them.
constexpr int LightBoxSide = 154;
// The torch list holds at most 62^3 torches; further ones give no light.
constexpr int32_t MaxTorchBlock = 238328;

// A torch found in the light box: column offsets from the camera's column, layer.
struct _TORCHBLOCK {
    int16_t x, y, z;
};

// Light of each cell of the box, [x offset + lRAM][y][z offset + lRAM]:
// 50 (darkness) ... 150 (full daylight), torches up to 130. Rebuilt by CreateLight.
extern uint8_t Luminance[LightBoxSide][WorldSizeY][LightBoxSide];
// Torches found in the box by the last CreateLight, and their count.
extern _TORCHBLOCK TorchBlock[MaxTorchBlock];
extern int32_t NumTorchBlock;
// Half-width of the light box in columns, from `RAM`; set by CreateLight.
extern int32_t lRAM;

// 20, 30, 40, 50 for rendering distance 0 ... 3, else 60.
int32_t LightHalfWidth(uint8_t ram);
// Recomputes the light box around the camera from `World`, `TimeLuminance`,
// `RAM` and the item in the hand.
void CreateLight();
