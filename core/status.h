// Status codes shared by every operation of the game: 0 is success, E_FAIL
// the generic failure; a negative status from the draw or input step ends
// the program.
#pragma once
#include <cstdint>

constexpr int32_t S_OK = 0;
constexpr int32_t E_FAIL = static_cast<int32_t>(0x80004005u);

inline bool Failed(int32_t status) { return status < 0; }
