#include "noise.h"

#include <cmath>

namespace img {

uint32_t Hash(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float Rand01(int x, int y, uint32_t seed) { return static_cast<float>(Hash(x, y, seed) >> 8) / 16777216.0f; }

static int Wrap(int i, int n) { return ((i % n) + n) % n; }

static float Smooth(float t) { return t * t * (3 - 2 * t); }

float ValueNoise(float x, float y, int period, uint32_t seed)
{
    int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    float tx = Smooth(x - static_cast<float>(x0)), ty = Smooth(y - static_cast<float>(y0));
    auto corner = [&](int dx, int dy) {
        return Rand01(Wrap(x0 + dx, period), Wrap(y0 + dy, period), seed);
    };
    float top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tx;
    float bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

float Fbm(float u, float v, int cells, int octaves, uint32_t seed)
{
    float sum = 0, weight = 1, total = 0;
    int period = cells;
    for (int o = 0; o < octaves; o++) {
        sum += ValueNoise(u * static_cast<float>(period), v * static_cast<float>(period), period, seed + 101u * o) * weight;
        total += weight;
        weight *= 0.5f;
        period *= 2;
    }
    return sum / total;
}

Cell Worley(float u, float v, int n, uint32_t seed)
{
    float x = u * static_cast<float>(n), y = v * static_cast<float>(n);
    int cx = static_cast<int>(std::floor(x)), cy = static_cast<int>(std::floor(y));
    Cell best{1e9f, 1e9f, 0};
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) {
            int gx = cx + dx, gy = cy + dy;
            int wx = Wrap(gx, n), wy = Wrap(gy, n);
            float px = static_cast<float>(gx) + 0.15f + 0.7f * Rand01(wx, wy, seed);
            float py = static_cast<float>(gy) + 0.15f + 0.7f * Rand01(wx, wy, seed + 7u);
            float d = std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
            if (d < best.f1) {
                best.f2 = best.f1;
                best.f1 = d;
                best.id = Hash(wx, wy, seed + 13u);
            } else if (d < best.f2) {
                best.f2 = d;
            }
        }
    return best;
}

}  // namespace img
