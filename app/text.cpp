#include "app/text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "core/state.h"
#include "platform/platform.h"

const char VersionText[] = "1.2 Alpha";

int32_t D3DPrint(int32_t x, int32_t y, uint32_t colour, const char* format, ...)
{
    if (format == nullptr) return 0;
    char text[999];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    int32_t n = static_cast<int32_t>(strlen(text));
    FontDrawText(text, x, y, x + 20 * n, y + 20, colour);
    return 0;
}

int32_t CentredX(const char* text)
{
    int32_t n = static_cast<int32_t>(strlen(text));
    return 400 - (7 * n) / 2;
}

const char* Tr(const char* english, const char* italian) { return Lang == 1 ? italian : english; }

void DrawFooter(int32_t fps)
{
    const uint32_t FooterColour = 0x7FFFFFFF;
    D3DPrint(720, 550, FooterColour, "FPS: %d", fps);
    D3DPrint(10, 560, FooterColour, "Quarrow");
    D3DPrint(10, 576, FooterColour, "%s %s", Tr("Version", "Versione"), VersionText);
}
