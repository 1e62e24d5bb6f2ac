// The menu screens: start menu, options, quit confirmation, pause menu and
// world-slot selection. Each has a drawing branch of the draw step and an
// input branch of the input step.
#pragma once
#include <cstdint>

void DrawStartMenu();
void DrawOptionsMenu();
void DrawQuitMenu();
void DrawPauseMenu();
void DrawWorldSlotMenu();

// Input handlers; each returns 0, the world-slot one E_FAIL when a new world failed.
int32_t KeysStartMenu();
int32_t KeysOptionsMenu();
int32_t KeysQuitMenu();
int32_t KeysPauseMenu();
int32_t KeysWorldSlotMenu();

// Whether the file of world slot 1..4 exists beside the executable.
bool SlotFileExists(int slot);
