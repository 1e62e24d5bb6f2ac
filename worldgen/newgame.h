// A new game: resets the player and the game state, seeds the random stream,
// allocates the grid on the first game, generates the world while the
// progress screen shows, and places the player above the spawn column.
#pragma once
#include <cstdint>

// 0 on success and when the window was closed during generation; E_FAIL
// when the block geometry could not be built or a redraw failed.
int32_t InitGame();
