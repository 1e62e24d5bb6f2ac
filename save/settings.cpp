#include "save/settings.h"

#include <cstdio>

#include "core/state.h"
#include "save/paths.h"

static const char SettingsFileName[] = "Settings.data";

int32_t LoadOptions()
{
    char path[1100];
    if (!BuildExePath(SettingsFileName, path, sizeof path)) return 0;
    FILE* file = fopen(path, "rb");
    if (file == nullptr) return 0;
    uint8_t bytes[2];
    size_t got = fread(bytes, 1, 2, file);
    fclose(file);
    // A short file keeps the defaults rather than half-reading garbage.
    if (got != 2) return 0;
    RAM = static_cast<uint8_t>(bytes[0] - 1);
    Lang = static_cast<uint8_t>(bytes[1] - 1);
    if (RAM > 4) RAM = 0;
    if (Lang > 1) Lang = 0;
    return 0;
}

int32_t SaveOptions()
{
    char path[1100];
    if (!BuildExePath(SettingsFileName, path, sizeof path)) return 0;
    FILE* file = fopen(path, "wb");
    if (file == nullptr) return 0;
    uint8_t bytes[2] = {static_cast<uint8_t>(RAM + 1), static_cast<uint8_t>(Lang + 1)};
    fwrite(bytes, 1, 2, file);
    fclose(file);
    return 0;
}
