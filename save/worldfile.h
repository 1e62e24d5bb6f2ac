// World files "Mondo1.data" ... "Mondo4.data" and seed files beside the
// executable: saving from the pause menu and loading from the slot screen.
#pragma once
#include <cstdint>

// Loads slot `Wld`: 0 when the world is in memory and playable, E_FAIL otherwise.
int32_t LoadGame();
// Saves the world in play to slot `Wld`: 0 or E_FAIL.
int32_t SaveGame();
