// The settings file "Settings.data" beside the executable: two bytes,
// RAM + 1 and Lang + 1, read once at start-up and written once at shutdown.
#pragma once
#include <cstdint>

// Reads RAM and Lang if the file can be read; defaults stay otherwise. Always 0.
int32_t LoadOptions();
// Writes the two bytes; a failed write is ignored. Always 0.
int32_t SaveOptions();
