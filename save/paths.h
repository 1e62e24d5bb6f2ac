// Paths of the game's own files, which live beside the executable.
#pragma once
#include <cstddef>

// Writes the executable's directory (with its trailing '/') followed by
// `name` into `path`; false when it does not fit.
bool BuildExePath(const char* name, char* path, size_t size);
