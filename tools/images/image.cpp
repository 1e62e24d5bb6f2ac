#include "image.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace img {

static int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

Rgba Hex(std::string_view hex)
{
    if (hex.size() != 6 && hex.size() != 8) throw std::runtime_error("bad colour '" + std::string(hex) + "'");
    uint8_t v[4] = {0, 0, 0, 255};
    for (size_t i = 0; i < hex.size() / 2; i++) {
        int hi = HexDigit(hex[2 * i]), lo = HexDigit(hex[2 * i + 1]);
        if (hi < 0 || lo < 0) throw std::runtime_error("bad colour '" + std::string(hex) + "'");
        v[i] = static_cast<uint8_t>(hi * 16 + lo);
    }
    return {v[0], v[1], v[2], v[3]};
}

Rgba Ramp(const std::vector<Rgba>& stops, float t)
{
    if (stops.size() == 1) return stops[0];
    t = std::clamp(t, 0.0f, 1.0f) * static_cast<float>(stops.size() - 1);
    size_t i = std::min(static_cast<size_t>(t), stops.size() - 2);
    return Mix(stops[i], stops[i + 1], t - static_cast<float>(i));
}

void FillRect(Image& im, int x0, int y0, int w, int h, Rgba c)
{
    for (int y = y0; y < y0 + h; y++)
        for (int x = x0; x < x0 + w; x++)
            if (im.inside(x, y)) im.at(x, y) = c;
}

void BlendPixel(Image& im, int x, int y, Rgba c)
{
    if (!im.inside(x, y)) return;
    Rgba& d = im.at(x, y);
    float a = c.a / 255.0f, da = d.a / 255.0f;
    float oa = a + da * (1 - a);
    if (oa <= 0) {
        d = {0, 0, 0, 0};
        return;
    }
    auto ch = [&](uint8_t s, uint8_t t) { return Clamp8((s * a + t * da * (1 - a)) / oa); };
    d = {ch(c.r, d.r), ch(c.g, d.g), ch(c.b, d.b), Clamp8(oa * 255)};
}

void BlitScaled(Image& dst, const Image& src, int x0, int y0, int factor)
{
    for (int y = 0; y < src.h * factor; y++)
        for (int x = 0; x < src.w * factor; x++) {
            Rgba c = src.at(x / factor, y / factor);
            if (!src.alpha) c.a = 255;
            BlendPixel(dst, x0 + x, y0 + y, c);
        }
}

void BlitReduced(Image& dst, const Image& src, int x0, int y0, int factor)
{
    int n = factor * factor;
    for (int y = 0; y < src.h / factor; y++)
        for (int x = 0; x < src.w / factor; x++) {
            int r = 0, g = 0, b = 0;
            for (int v = 0; v < factor; v++)
                for (int u = 0; u < factor; u++) {
                    Rgba c = src.at(x * factor + u, y * factor + v);
                    r += c.r, g += c.g, b += c.b;
                }
            if (dst.inside(x0 + x, y0 + y))
                dst.at(x0 + x, y0 + y) = {static_cast<uint8_t>((r + n / 2) / n), static_cast<uint8_t>((g + n / 2) / n),
                                          static_cast<uint8_t>((b + n / 2) / n), 255};
        }
}

}  // namespace img
