// Time of day: advanced by real time while the game is played (a day of 240
// units of 3750 ms), and the daylight factor that the sky, the fog and the
// light volume take from it.
#pragma once
#include <cstdint>

// Advances `DayTime`/`SubDayTime` by this input step's `lTime` and sets
// `TimeLuminance`. Called by the playing state's input step.
void UpdateDayTime();
// Daylight factor of a time of day: 1.0 at 0, 0.5625 at 120, and 1.0 for
// any value farther than 120 from 120.
float DayLuminance(int32_t dayTime);
