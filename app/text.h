// Text on screen: the printf-style printer every screen uses, the centring
// rule, the pair of English and Italian texts, and the screen footer.
#pragma once
#include <cstdint>

// Formats and draws a text with its top-left at (x, y) in an ARGB colour,
// clipped to a rectangle 20 pixels per character wide and 20 high. A null
// format draws nothing. Always 0.
int32_t D3DPrint(int32_t x, int32_t y, uint32_t colour, const char* format, ...)
    __attribute__((format(printf, 4, 5)));

// The x of a text centred on the screen, assuming 7 pixels per character.
int32_t CentredX(const char* text);

// English or Italian by the current language.
const char* Tr(const char* english, const char* italian);

// The footer every drawn screen prints: FPS, the game's name, its version.
void DrawFooter(int32_t fps);

// The version text of the title and the footer.
extern const char VersionText[];
