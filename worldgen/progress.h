// The generator's side of the cooperative redraw: its loops count the
// redraw points a whole row at a time instead of cell by cell, so the cost
// stays off the inner loops while the clock is still read as often.
#pragma once
#include <cstdint>

#include "app/frame.h"

// Same as `calls` consecutive RefreshProgress calls, with the one clock
// check (if any falls due) made at the last of them.
inline int32_t RefreshProgressBy(int32_t& uTime, int32_t calls)
{
    if (calls <= 0) return PROGRESS_GO_ON;
    ProgressCountdown -= calls - 1;
    return RefreshProgress(uTime);
}
