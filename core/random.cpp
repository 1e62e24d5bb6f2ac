#include "core/random.h"

// The stream's state; reset by QSrand at the start of every new world.
static uint32_t RandomNext = 1;

void QSrand(uint32_t seed) { RandomNext = seed; }

int QRand()
{
    RandomNext = RandomNext * 1103515245u + 12345u;
    return static_cast<int>((RandomNext / 65536u) % 32768u);
}
