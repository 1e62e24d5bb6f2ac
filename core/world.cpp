#include "core/world.h"

#include <cstdlib>

_WORLD (*World)[WorldSizeY][WorldSizeZ] = nullptr;

bool AllocWorld()
{
    if (World != nullptr) return true;
    // calloc hands out zero pages lazily, so the 400 MB cost nothing until written.
    World = static_cast<_WORLD (*)[WorldSizeY][WorldSizeZ]>(calloc(WorldSizeX, sizeof *World));
    return World != nullptr;
}

void FreeWorld()
{
    if (World == nullptr) return;
    free(World);
    World = nullptr;
}
