// The world generator's random stream: the classic portable linear
// congruential generator, so that a seed gives the same world on any machine.
#pragma once
#include <cstdint>

// Seeds the stream (the world's `Seed`).
void QSrand(uint32_t seed);
// Next draw, 0 ... 32767.
int QRand();
