#include "worldgen/daycycle.h"

#include <cmath>

#include "core/state.h"
#include "game/input.h"

float DayLuminance(int32_t dayTime)
{
    const float diff = static_cast<float>(dayTime - 120);
    const float e = sqrtf(diff * diff) / 120.0f;
    if (e > 1.0f) return 1.0f;
    return (7.0f * e + 9.0f) / 16.0f;
}

void UpdateDayTime()
{
    // A clock that went backwards moves no time.
    const int32_t elapsed = lTime > 0 ? lTime : 0;
    // Sub-unit fractions are dropped at every step.
    int32_t SDTtmp = static_cast<int32_t>(elapsed / 3750.0 * 240) + SubDayTime;
    while (SDTtmp >= 240) {
        DayTime = static_cast<uint8_t>(DayTime + 1);
        if (DayTime == 240) DayTime = 0;
        SDTtmp -= 240;
    }
    SubDayTime = static_cast<uint8_t>(SDTtmp);
    TimeLuminance = DayLuminance(DayTime);
}
