// The screens' one font: Carlito Italic through SDL2_ttf, antialiased, with
// every glyph rendered once into a cache texture and drawn from there.
#include "platform/platform.h"
#include "platform/sdl/sdl_internal.h"

#include "assets/embedded.h"

#include <SDL_opengl.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace {

// A character height of 13 pixels is an em of 13 pixels; SDL_ttf sizes
// fonts in points at 72 dpi, that is in pixels per em.
constexpr int FontPixels = 13;
constexpr int CacheSize = 512; // side of the glyph cache texture

struct Glyph {
    int x = 0, y = 0, width = 0, height = 0; // place in the cache
    int offsetX = 0;                          // left edge relative to the pen
    int advance = 0;
};

TTF_Font* Font = nullptr;
int LineSkip = FontPixels;
int Drop = 0; // pixels the glyphs move down so that the baseline sits where the game expects
GLuint Cache = 0;
std::unordered_map<uint32_t, Glyph> Glyphs;
int ShelfX = 0, ShelfY = 0, ShelfHeight = 0; // packing cursor of the cache

void ClearCache()
{
    Glyphs.clear();
    ShelfX = ShelfY = ShelfHeight = 0;
}

bool MakeCacheTexture()
{
    std::vector<uint8_t> empty(CacheSize * CacheSize, 0);
    glGenTextures(1, &Cache);
    glBindTexture(GL_TEXTURE_2D, Cache);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_ALPHA8, CacheSize, CacheSize, 0, GL_ALPHA, GL_UNSIGNED_BYTE,
                 empty.data());
    return Cache != 0;
}

uint32_t ReadBig(const uint8_t* p, int bytes)
{
    uint32_t v = 0;
    for (int i = 0; i < bytes; i++) v = (v << 8) | p[i];
    return v;
}

// The game lays its texts out for a text cell whose top is the font's
// Windows ascent above the baseline (OS/2 usWinAscent), a little taller
// than the ascent SDL_ttf places glyphs by. Pixels of that ascent, or 0.
int WindowsAscent(const uint8_t* font, size_t size)
{
    if (font == nullptr || size < 12) return 0;
    uint32_t tables = ReadBig(font + 4, 2);
    uint32_t unitsPerEm = 0, winAscent = 0;
    for (uint32_t i = 0; i < tables && 12 + 16 * (i + 1) <= size; i++) {
        const uint8_t* entry = font + 12 + 16 * i;
        uint32_t offset = ReadBig(entry + 8, 4);
        if (std::memcmp(entry, "head", 4) == 0 && offset + 20 <= size)
            unitsPerEm = ReadBig(font + offset + 18, 2);
        if (std::memcmp(entry, "OS/2", 4) == 0 && offset + 76 <= size)
            winAscent = ReadBig(font + offset + 74, 2);
    }
    if (unitsPerEm == 0) return 0;
    return static_cast<int>(winAscent * FontPixels / static_cast<float>(unitsPerEm) + 0.5f);
}

// Finds room for a w x h glyph, row by row; false when the cache is full.
bool Reserve(int w, int h, int& x, int& y)
{
    if (w > CacheSize || h > CacheSize) return false;
    if (ShelfX + w > CacheSize) {
        ShelfX = 0;
        ShelfY += ShelfHeight + 1;
        ShelfHeight = 0;
    }
    if (ShelfY + h > CacheSize) return false;
    x = ShelfX;
    y = ShelfY;
    ShelfX += w + 1;
    ShelfHeight = std::max(ShelfHeight, h);
    return true;
}

// Renders a glyph into the cache; its coverage becomes the texture's alpha.
Glyph RenderGlyph(uint32_t codepoint)
{
    Glyph glyph;
    int minX = 0, maxX = 0, minY = 0, maxY = 0, advance = 0;
    if (TTF_GlyphMetrics32(Font, codepoint, &minX, &maxX, &minY, &maxY, &advance) == 0)
        glyph.advance = advance;
    // SDL_ttf shifts a glyph that starts left of the pen into its surface.
    glyph.offsetX = std::min(0, minX);

    SDL_Surface* rendered = TTF_RenderGlyph32_Blended(Font, codepoint, SDL_Color{255, 255, 255, 255});
    if (rendered == nullptr) return glyph;
    SDL_Surface* rgba = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_RGBA32, 0);
    SDL_FreeSurface(rendered);
    if (rgba == nullptr) return glyph;

    int w = rgba->w, h = rgba->h, x = 0, y = 0;
    if (w > 0 && h > 0) {
        if (!Reserve(w, h, x, y)) {
            ClearCache(); // the cache only ever fills with unusual text
            Reserve(w, h, x, y);
        }
        std::vector<uint8_t> alpha(static_cast<size_t>(w) * h);
        SDL_LockSurface(rgba);
        for (int row = 0; row < h; row++) {
            const uint8_t* src = static_cast<const uint8_t*>(rgba->pixels) + row * rgba->pitch;
            for (int col = 0; col < w; col++) alpha[row * w + col] = src[col * 4 + 3];
        }
        SDL_UnlockSurface(rgba);
        glBindTexture(GL_TEXTURE_2D, Cache);
        glTexSubImage2D(GL_TEXTURE_2D, 0, x, y, w, h, GL_ALPHA, GL_UNSIGNED_BYTE, alpha.data());
        glyph.x = x;
        glyph.y = y;
        glyph.width = w;
        glyph.height = h;
    }
    SDL_FreeSurface(rgba);
    return glyph;
}

const Glyph& GetGlyph(uint32_t codepoint)
{
    auto found = Glyphs.find(codepoint);
    if (found != Glyphs.end()) return found->second;
    Glyph glyph = RenderGlyph(codepoint);
    return Glyphs[codepoint] = glyph;
}

// Next character of the text: UTF-8 where it is valid, otherwise the byte
// itself as Latin-1, so that no text is refused.
uint32_t NextCodepoint(const unsigned char*& p)
{
    uint32_t c = *p++;
    if (c < 0x80) return c;
    int extra = (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 : (c & 0xF8) == 0xF0 ? 3 : 0;
    if (extra == 0) return c;
    uint32_t cp = c & (0x3F >> extra);
    for (int i = 0; i < extra; i++) {
        if ((p[i] & 0xC0) != 0x80) return c;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    p += extra;
    return cp;
}

} // namespace

bool FontCreate()
{
    if (Font != nullptr) return true;
    if (!DevExists()) return false;
    if (TTF_WasInit() == 0 && TTF_Init() != 0) return false;
    EmbeddedFile file = EmbeddedFont();
    SDL_RWops* rw = SDL_RWFromConstMem(file.data, static_cast<int>(file.size));
    if (rw == nullptr) return false;
    Font = TTF_OpenFontRW(rw, 1, FontPixels);
    if (Font == nullptr) return false;
    TTF_SetFontHinting(Font, TTF_HINTING_NORMAL);
    LineSkip = TTF_FontLineSkip(Font);
    Drop = std::max(0, WindowsAscent(file.data, file.size) - TTF_FontAscent(Font));
    ClearCache();
    if (!MakeCacheTexture()) {
        FontRelease();
        return false;
    }
    return true;
}

void FontRelease()
{
    ClearCache();
    if (Cache != 0 && DevExists()) glDeleteTextures(1, &Cache);
    Cache = 0;
    if (Font != nullptr) TTF_CloseFont(Font);
    Font = nullptr;
}

void FontDrawText(const char* text, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  uint32_t argb)
{
    if (Font == nullptr || Cache == 0 || text == nullptr) return;
    if (right <= left || bottom <= top) return;
    if (!sdl::Begin2D()) return;

    glEnable(GL_SCISSOR_TEST);
    glScissor(left, sdl::ScreenHeight - bottom, right - left, bottom - top);
    int32_t x = left, y = top;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0;) {
        uint32_t c = NextCodepoint(p);
        if (c == '\n') {
            x = left;
            y += LineSkip;
            continue;
        }
        if (c == '\r') continue;
        const Glyph& g = GetGlyph(c);
        if (g.width > 0) {
            float u0 = static_cast<float>(g.x) / CacheSize, u1 = static_cast<float>(g.x + g.width) / CacheSize;
            float v0 = static_cast<float>(g.y) / CacheSize, v1 = static_cast<float>(g.y + g.height) / CacheSize;
            float x0 = static_cast<float>(x + g.offsetX), y0 = static_cast<float>(y + Drop);
            float x1 = x0 + g.width, y1 = y0 + g.height;
            sdl::DrawTexturedRect(Cache, u0, v0, u1, v1, x0, y0, x1, y1, argb);
        }
        x += g.advance;
    }
    glDisable(GL_SCISSOR_TEST);
    sdl::End2D();
}
