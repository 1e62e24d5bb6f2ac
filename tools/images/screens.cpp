#include "screens.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "noise.h"

namespace img {

namespace {

struct Glyph {
    char c;
    const char* rows[7];
};

const Glyph Font[] = {
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'D', {"###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'N', {"#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {'/', {"....#", "...#.", "...#.", "..#..", ".#...", ".#...", "#...."}},
};

const Glyph* Find(char c)
{
    for (const Glyph& g : Font)
        if (g.c == c) return &g;
    return nullptr;
}

}  // namespace

int TextWidth(const std::string& text, int scale) { return static_cast<int>(text.size()) * 6 * scale - scale; }

void DrawText(Image& im, int x, int y, const std::string& text, Rgba colour, int scale)
{
    for (size_t i = 0; i < text.size(); i++) {
        const Glyph* g = Find(text[i]);
        if (!g) continue;  // space, or a letter the font lacks
        for (int r = 0; r < 7; r++)
            for (int c = 0; c < 5; c++)
                if (g->rows[r][c] == '#')
                    FillRect(im, x + (static_cast<int>(i) * 6 + c) * scale, y + r * scale, scale, scale, colour);
    }
}

// The menu background is drawn in 4-pixel texels, the size a block texel has
// on the hot-bar, so the screens share the blocks' look.
Image MenuBackground(const ArtBook& b)
{
    constexpr int Size = 1024, Texel = 4, Texels = Size / Texel;
    const auto& dirt = RampOf(b, "dirt");
    const auto& grass = RampOf(b, "grass");
    const auto& gravel = RampOf(b, "gravel");
    const auto& wood = RampOf(b, "wood");

    // Board and its frame, in texels: covers every menu line, the loading
    // lines and the inventory grid with its item name.
    constexpr int BoardX0 = 40, BoardX1 = 160, BoardY0 = 50, BoardY1 = 140, Frame = 2, Plank = 11;

    Image t(Texels, Texels);
    for (int y = 0; y < Texels; y++)
        for (int x = 0; x < Texels; x++) {
            float u = (static_cast<float>(x) + 0.5f) / Texels, v = (static_cast<float>(y) + 0.5f) / Texels;
            int fringe = 9 + static_cast<int>(Hash(x, 0, 201) % 2) + (Hash(x, 1, 201) % 5 == 0 ? 2 : 0);
            if (y < fringe) {
                float n = Fbm(u, v, 32, 2, 202), fine = Rand01(x, y, 203);
                float s = 0.4f + (n - 0.5f) * 0.7f + (fine - 0.5f) * 0.75f;
                t.at(x, y) = y == fringe - 1 ? grass[3] : grass[std::clamp(static_cast<int>(s * 3.99f), 0, 3)];
                continue;
            }
            float n = Fbm(u, v, 24, 3, 204), fine = Rand01(x, y, 205), spot = Rand01(x, y, 206);
            float depth = static_cast<float>(y) / Texels * 0.25f;
            Rgba c;
            if (spot > 0.975f)
                c = gravel[1 + static_cast<int>(Hash(x, y, 207) % 2)];
            else if (spot < 0.02f)
                c = dirt[3];
            else {
                float s = 0.35f + depth + (n - 0.5f) * 0.8f + (fine - 0.5f) * 0.5f;
                int level = std::clamp(static_cast<int>(std::lround(s * 6.0f)), 0, 6);
                c = level % 2 ? Mix(dirt[level / 2], dirt[level / 2 + 1], 0.5f) : dirt[level / 2];
            }
            if (y == fringe && Rand01(x, y, 208) < 0.5f) c = dirt[3];
            // The board's shadow on the ground.
            if (x >= BoardX0 + 2 && x < BoardX1 + 2 && y >= BoardY0 + 2 && y < BoardY1 + 2) c = Scale(c, 0.55f);
            t.at(x, y) = c;
        }

    const Rgba light = Mix(wood[0], wood[1], 0.3f);
    for (int y = BoardY0; y < BoardY1; y++)
        for (int x = BoardX0; x < BoardX1; x++) {
            int ix = x - BoardX0, iy = y - BoardY0, w = BoardX1 - BoardX0, h = BoardY1 - BoardY0;
            bool outer = ix == 0 || iy == 0 || ix == w - 1 || iy == h - 1;
            bool frame = ix < Frame || iy < Frame || ix >= w - Frame || iy >= h - Frame;
            Rgba c;
            if (outer) {
                c = wood[3];
            } else if (frame) {
                c = Shift(wood[2], (Rand01(x, y, 211) - 0.5f) * 10);
                if (ix == 1 || iy == 1) c = Shift(c, 14);
            } else {
                int py = iy - Frame, plank = py / Plank;
                if (py % Plank == Plank - 1) {
                    c = Mix(wood[1], wood[2], 0.35f);
                } else {
                    // Quiet grain: the board sits behind black text.
                    float grain = ValueNoise(static_cast<float>(x) / 9.0f, static_cast<float>(y) * 0.9f, 1024, 212) - 0.5f;
                    float tint = static_cast<float>(Hash(plank, 0, 213) % 3) * 0.05f;
                    c = Mix(light, wood[1], 0.15f + tint + grain * 0.22f);
                    if (py % Plank == 0) c = Shift(c, 8);
                    bool nail = (ix == Frame + 1 || ix == w - Frame - 2) && py % Plank == Plank / 2;
                    if (nail) c = wood[3];
                }
            }
            t.at(x, y) = c;
        }

    Image im(Size, Size);
    BlitScaled(im, t, 0, 0, Texel);

    // The game's name, carved above the board.
    const std::string title = "QUARROW";
    const int scale = 8, tx = 400 - TextWidth(title, scale) / 2, ty = 88;
    DrawText(im, tx + 4, ty + 4, title, ColourOf(b, 'k'), scale);
    DrawText(im, tx, ty, title, RampOf(b, "stone")[0], scale);
    return im;
}

Image Marker()
{
    Image im(16, 16, {0, 0, 0, 255});
    for (int y = 2; y < 14; y++) {
        float d = std::fabs(static_cast<float>(y) - 7.5f);
        int len = static_cast<int>(std::lround((6.0f - d) * 1.6f));
        for (int x = 4; x < 4 + len; x++) im.at(x, y) = {255, 255, 255, 255};
    }
    return im;
}

Image Fallback()
{
    constexpr int S = 48;
    Image im(S, S);
    for (int y = 0; y < S; y++)
        for (int x = 0; x < S; x++) {
            bool checker = ((x / 8) + (y / 8)) % 2;
            Rgba c = checker ? Rgba{128, 128, 128, 255} : Rgba{112, 112, 112, 255};
            bool edge = x < 2 || y < 2 || x >= S - 2 || y >= S - 2;
            bool cross = std::abs(x - y) <= 1 || std::abs(x + y - (S - 1)) <= 1;
            if (edge || cross) c = {40, 40, 40, 255};
            im.at(x, y) = c;
        }
    return im;
}

Image Neutral(int w, int h)
{
    Image im(w, h, {128, 128, 128, 255});
    for (int x = 0; x < w; x++) im.at(x, 0) = {150, 150, 150, 255}, im.at(x, h - 1) = {104, 104, 104, 255};
    for (int y = 1; y < h - 1; y++) im.at(0, y) = {150, 150, 150, 255}, im.at(w - 1, y) = {104, 104, 104, 255};
    return im;
}

Image WindowIcon(const Image& top, const Image& side)
{
    // Corners of the cube in pixels: the top face is a rhombus, the two
    // visible sides hang 16 pixels below it.
    struct V {
        float x, y;
    };
    const V t0{16, 1}, t1{31, 8.5f}, t2{16, 16}, t3{1, 8.5f};
    const float height = 15;
    Image im(32, 32, {0, 0, 0, 0}, true);
    // Solves p = o + u*a + v*b; true when inside the face.
    auto face = [](V p, V o, V a, V b, float& u, float& v) {
        float det = a.x * b.y - a.y * b.x;
        float px = p.x - o.x, py = p.y - o.y;
        u = (px * b.y - py * b.x) / det;
        v = (a.x * py - a.y * px) / det;
        return u >= 0 && u < 1 && v >= 0 && v < 1;
    };
    auto sample = [](const Image& tex, float u, float v, float light) {
        int x = std::clamp(static_cast<int>(u * 16), 0, 15), y = std::clamp(static_cast<int>(v * 16), 0, 15);
        return Scale(tex.at(x, y), light);
    };
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) {
            V p{static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f};
            float u, v;
            if (face(p, t3, {t0.x - t3.x, t0.y - t3.y}, {t2.x - t3.x, t2.y - t3.y}, u, v))
                im.at(x, y) = sample(top, u, v, 1.0f);
            else if (face(p, t3, {t2.x - t3.x, t2.y - t3.y}, {0, height}, u, v))
                im.at(x, y) = sample(side, u, v, 0.82f);
            else if (face(p, t2, {t1.x - t2.x, t1.y - t2.y}, {0, height}, u, v))
                im.at(x, y) = sample(side, u, v, 0.62f);
        }
    return im;
}

Image ContactSheet(const std::vector<Image>& set, const Image& rock, const Image& soil,
                   const std::vector<int>& overlayIds)
{
    constexpr int Width = 1280, Margin = 16, Gap = 12, LabelScale = 2, LabelH = 7 * LabelScale + 6;
    const Rgba background{88, 88, 88, 255}, label{228, 228, 228, 255};
    const Rgba checkA{104, 104, 104, 255}, checkB{120, 120, 120, 255};

    // Layout first (flowing rows), then paint at the measured height.
    struct Place {
        int id, x, y, factor, reduce;
    };
    std::vector<Place> places;
    int x = Margin, y = Margin, rowH = 0;
    auto place = [&](int id, int w, int h, int factor, int reduce) {
        int cw = std::max(w * factor / reduce, 64), ch = h * factor / reduce + LabelH;
        if (x + cw > Width - Margin) x = Margin, y += rowH + Gap, rowH = 0;
        places.push_back({id, x, y, factor, reduce});
        x += cw + Gap;
        rowH = std::max(rowH, ch);
    };
    for (int id = 0; id < static_cast<int>(set.size()); id++) {
        const Image& im = set[id];
        if (im.w > 64) continue;
        place(id, im.w, im.h, 4, 1);
    }
    x = Margin, y += rowH + Gap * 2, rowH = 0;
    for (int id = 0; id < static_cast<int>(set.size()); id++) {
        const Image& im = set[id];
        if (im.w <= 64) continue;
        place(id, im.w, im.h, 1, im.h > 600 ? 2 : 1);
    }
    x = Margin, y += rowH + Gap * 2, rowH = 0;
    const int previewStart = static_cast<int>(places.size());
    for (int id : overlayIds) place(id, 16 * 2 + 2, 16, 4, 1);
    const int height = y + rowH + Margin;

    Image sheet(Width, height, background);
    for (size_t i = 0; i < places.size(); i++) {
        const Place& p = places[i];
        const Image& im = set[p.id];
        int w = im.w * p.factor / p.reduce, h = im.h * p.factor / p.reduce;
        if (static_cast<int>(i) >= previewStart) {
            // The overlay as the game shows it: on rock, then on soil.
            BlitScaled(sheet, rock, p.x, p.y, p.factor);
            BlitScaled(sheet, im, p.x, p.y, p.factor);
            BlitScaled(sheet, soil, p.x + 16 * p.factor + 8, p.y, p.factor);
            BlitScaled(sheet, im, p.x + 16 * p.factor + 8, p.y, p.factor);
            w = 32 * p.factor + 8;
        } else {
            if (im.alpha)
                for (int yy = 0; yy < h; yy++)
                    for (int xx = 0; xx < w; xx++)
                        sheet.at(p.x + xx, p.y + yy) = ((xx / 8 + yy / 8) % 2) ? checkA : checkB;
            if (p.reduce > 1)
                BlitReduced(sheet, im, p.x, p.y, p.reduce);
            else
                BlitScaled(sheet, im, p.x, p.y, p.factor);
        }
        const std::string text = std::to_string(p.id);
        DrawText(sheet, p.x + (w - TextWidth(text, LabelScale)) / 2, p.y + h + 4, text, label, LabelScale);
    }
    return sheet;
}

}  // namespace img
