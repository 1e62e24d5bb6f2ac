// The progress screen drawn while a long operation (new world, loading,
// saving) runs: the menu background, a pulsing "Loading" line and a second
// line naming the work or its progress.
#pragma once
#include <cstdint>

// Fade level (alpha of both lines) and direction; kept for the whole run.
extern int32_t ProgressFade;
extern uint8_t ProgressFadeUp;

// One step of the pulse; called once per drawn progress frame.
void StepProgressFade();
void DrawProgressScreen();
