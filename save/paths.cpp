#include "save/paths.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"

bool BuildExePath(const char* name, char* path, size_t size)
{
    char exe[1000] = "";
    PlatformExePath(exe, sizeof exe);
    char* slash = strrchr(exe, '/');
    if (slash != nullptr) slash[1] = '\0';
    else exe[0] = '\0';
    int written = snprintf(path, size, "%s%s", exe, name);
    return written >= 0 && static_cast<size_t>(written) < size;
}
