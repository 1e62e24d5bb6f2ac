// The input step of the playing state: time of day and the ways out of play.
#pragma once
#include <cstdint>

int32_t KeysPlaying();
