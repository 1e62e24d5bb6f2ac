#include "render/scene.h"

#include <cmath>

#include "core/state.h"
#include "core/world.h"
#include "platform/platform.h"
#include "render/device.h"
#include "worldgen/light.h"

// The clear colour of the playing and death screens: the sky at this time of day.
uint32_t SkyColour()
{
    uint32_t red = static_cast<uint32_t>(static_cast<int32_t>(std::pow(TimeLuminance, 2.35f) * R)) & 0xFF;
    uint32_t green = static_cast<uint32_t>(static_cast<int32_t>(std::pow(TimeLuminance, 2.4f) * G)) & 0xFF;
    uint32_t blue = static_cast<uint32_t>(static_cast<int32_t>(std::pow(TimeLuminance, 2.25f) * B)) & 0xFF;
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

bool WorldPlayable() { return World != nullptr && Init == 0; }

void PreparePlayingScene()
{
    // A generation abandoned by closing the window leaves a world that must not be read.
    if (!WorldPlayable()) return;
    CreateLight();
}

void DrawPlayingScene() { DevClear(SkyColour()); }
