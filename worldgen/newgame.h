// A new game: resets the player and the game state, seeds the random stream,
// allocates the grid on the first game, generates the world while the
// progress screen shows, and places the player above the spawn column.
#pragma once
#include <cstdint>

// 0 on success and when the window was closed during generation; E_FAIL
// when the block geometry or the grid could not be made or a redraw failed.
int32_t InitGame();

// The whole generator on the allocated grid, from the stream as seeded:
// sky, tile kinds, the 25 tiles, then trees and cacti. Returns what
// RefreshProgress last said: PROGRESS_GO_ON, PROGRESS_QUIT or E_FAIL.
int32_t GenerateWorld(int32_t& uTime);

// Highest non-empty layer 0 ... 198 of the spawn column (500, 500), -1 for
// none; the player starts 5 above it. Layer 199 is not looked at.
int SpawnHeight();
