// The playing view: what is prepared before the scene begins and what is
// drawn inside it.
#pragma once
#include <cstdint>

// Sky colour of the clear, from the daylight factor.
uint32_t SkyColour();
// Before the scene begins: camera and light volume.
void PreparePlayingScene();
// Inside the scene: clear to the sky, then the world and its overlays.
void DrawPlayingScene();
// Whether a finished world is in memory (not one abandoned half-made).
bool WorldPlayable();
