// Pictures in memory for the image tool: an RGBA pixel grid that knows whether
// it is written with alpha, plus the colour arithmetic every painter shares.
#pragma once
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

namespace img {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};

constexpr bool operator==(Rgba x, Rgba y) { return x.r == y.r && x.g == y.g && x.b == y.b && x.a == y.a; }

inline uint8_t Clamp8(float v) { return static_cast<uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f)); }

// "6a4a2c" -> colour; anything malformed is a programming error caught by the
// art loader before it gets here.
Rgba Hex(std::string_view hex);

inline Rgba Mix(Rgba a, Rgba b, float t)
{
    return {Clamp8(a.r + (b.r - a.r) * t), Clamp8(a.g + (b.g - a.g) * t), Clamp8(a.b + (b.b - a.b) * t),
            Clamp8(a.a + (b.a - a.a) * t)};
}

// Brightness shift in 0..255 units, keeping the hue.
inline Rgba Shift(Rgba c, float d) { return {Clamp8(c.r + d), Clamp8(c.g + d), Clamp8(c.b + d), c.a}; }

inline Rgba Scale(Rgba c, float f) { return {Clamp8(c.r * f), Clamp8(c.g * f), Clamp8(c.b * f), c.a}; }

// Colour from a ramp of stops spread evenly over t = 0..1.
Rgba Ramp(const std::vector<Rgba>& stops, float t);

struct Image {
    int w = 0, h = 0;
    bool alpha = false;  // written as RGBA when set, RGB otherwise
    std::vector<Rgba> px;

    Image() = default;
    Image(int width, int height, Rgba fill = {}, bool withAlpha = false)
        : w(width), h(height), alpha(withAlpha), px(static_cast<size_t>(width) * height, fill) {}

    Rgba& at(int x, int y) { return px[static_cast<size_t>(y) * w + x]; }
    Rgba at(int x, int y) const { return px[static_cast<size_t>(y) * w + x]; }
    // Wrapping read, for textures that tile.
    Rgba wrap(int x, int y) const { return at(((x % w) + w) % w, ((y % h) + h) % h); }
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
};

void FillRect(Image& im, int x0, int y0, int w, int h, Rgba c);
// Source-over blend of `c` onto the pixel.
void BlendPixel(Image& im, int x, int y, Rgba c);
// Copies `src` enlarged by an integer factor, blending it over what is there.
void BlitScaled(Image& dst, const Image& src, int x0, int y0, int factor);
// Copies `src` reduced by an integer factor (box filter), opaque.
void BlitReduced(Image& dst, const Image& src, int x0, int y0, int factor);

}  // namespace img
