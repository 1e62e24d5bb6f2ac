#include "terrain.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "noise.h"

namespace img {

namespace {

constexpr int N = 16;

float U(int x) { return (static_cast<float>(x) + 0.5f) / N; }

// Shade 0 (lightest stop) .. 1 (darkest), snapped to the four stops and the
// midpoints between them: few distinct tones keep the pixel-art look crisp.
Rgba Tone(const std::array<Rgba, 4>& ramp, float t)
{
    int level = std::clamp(static_cast<int>(std::lround(t * 6.0f)), 0, 6);
    if (level % 2 == 0) return ramp[level / 2];
    return Mix(ramp[level / 2], ramp[level / 2 + 1], 0.5f);
}

template <class F>
Image Paint16(F f)
{
    Image im(N, N);
    for (int y = 0; y < N; y++)
        for (int x = 0; x < N; x++) im.at(x, y) = f(x, y);
    return im;
}

Image Dirt(const ArtBook& b, uint32_t seed)
{
    const auto& r = RampOf(b, "dirt");
    const auto& pebble = RampOf(b, "gravel");
    return Paint16([&](int x, int y) {
        float n = Fbm(U(x), U(y), 4, 2, seed);
        float fine = Rand01(x, y, seed + 1);
        float spot = Rand01(x, y, seed + 2);
        if (spot > 0.965f) return pebble[1];
        if (spot < 0.03f) return r[3];
        return Tone(r, 0.42f + (n - 0.5f) * 0.9f + (fine - 0.5f) * 0.55f);
    });
}

Image GrassTop(const ArtBook& b, uint32_t seed)
{
    const auto& r = RampOf(b, "grass");
    return Paint16([&](int x, int y) {
        float n = Fbm(U(x), U(y), 4, 2, seed);
        float fine = Rand01(x, y, seed + 1);
        return Tone(r, 0.4f + (n - 0.5f) * 0.7f + (fine - 0.5f) * 0.75f);
    });
}

// Depth of the grass fringe per column of a grass side, 3..6 pixels with the
// odd longer blade hanging down.
int FringeDepth(int x, uint32_t seed)
{
    int d = 3 + static_cast<int>(Hash(x, 0, seed) % 2);
    if (Hash(x, 1, seed) % 5 == 0) d += 2;
    return d;
}

Image GrassSide(const ArtBook& b)
{
    Image dirt = Dirt(b, 11), grass = GrassTop(b, 21);
    const auto& g = RampOf(b, "grass");
    const auto& d = RampOf(b, "dirt");
    Image im = dirt;
    for (int x = 0; x < N; x++) {
        int depth = FringeDepth(x, 5);
        for (int y = 0; y < depth; y++) im.at(x, y) = grass.at(x, y);
        im.at(x, depth - 1) = g[3];  // blade tips in shade
        if (Rand01(x, depth, 6) < 0.5f) im.at(x, depth) = d[3];
    }
    return im;
}

Image Sand(const ArtBook& b)
{
    const auto& r = RampOf(b, "sand");
    return Paint16([&](int x, int y) {
        float n = Fbm(U(x), U(y), 4, 2, 31);
        float fine = Rand01(x, y, 32);
        if (Rand01(x, y, 33) > 0.95f) return r[3];
        return Tone(r, 0.3f + (n - 0.5f) * 0.55f + (fine - 0.5f) * 0.45f);
    });
}

Image Gabbro(const ArtBook& b)
{
    const auto& r = RampOf(b, "gabbro");
    return Paint16([&](int x, int y) {
        float n = Fbm(U(x), U(y), 4, 3, 41);
        float fine = Rand01(x, y, 42);
        float spot = Rand01(x, y, 43);
        if (spot > 0.93f) return Shift(r[0], 10);  // pale feldspar grains
        if (spot < 0.07f) return r[3];
        return Tone(r, 0.45f + (n - 0.5f) * 1.0f + (fine - 0.5f) * 0.4f);
    });
}

// Stones separated by dark joints, lit from the top left: the look of cobble
// and gravel, at different stone sizes.
Image Stones(const std::array<Rgba, 4>& ramp, const std::array<Rgba, 4>& other, int cells, float joint, uint32_t seed,
             float spread)
{
    return Paint16([&](int x, int y) {
        Cell c = Worley(U(x), U(y), cells, seed);
        const auto& r = c.id % 5 == 4 ? other : ramp;
        if (c.f2 - c.f1 < joint) return ramp[3];
        uint32_t upLeft = Worley(U(x - 1), U(y - 1), cells, seed).id;
        uint32_t downRight = Worley(U(x + 1), U(y + 1), cells, seed).id;
        float base = 0.2f + spread * static_cast<float>(c.id % 5) / 4.0f;
        float fine = (Rand01(x, y, seed + 3) - 0.5f) * 0.35f;
        if (upLeft != c.id) return Tone(r, base - 0.3f + fine * 0.5f);
        if (downRight != c.id) return Tone(r, base + 0.3f + fine * 0.5f);
        return Tone(r, base + fine);
    });
}

Image Leaves(const ArtBook& b)
{
    const auto& r = RampOf(b, "leaves");
    return Paint16([&](int x, int y) {
        Cell c = Worley(U(x), U(y), 6, 61);
        float fine = Rand01(x, y, 62);
        if (c.f1 > 0.62f) return r[3];
        uint32_t upLeft = Worley(U(x - 1), U(y - 1), 6, 61).id;
        float t = 0.25f + static_cast<float>(c.id % 3) * 0.15f + (fine - 0.5f) * 0.5f;
        if (upLeft != c.id) t -= 0.3f;
        return Tone(r, t);
    });
}

Image LogEnd(const ArtBook& b)
{
    const auto& r = RampOf(b, "logend");
    const auto& bark = RampOf(b, "bark");
    return Paint16([&](int x, int y) {
        if (x == 0 || y == 0 || x == N - 1 || y == N - 1)
            return Tone(bark, 0.35f + Rand01(x, y, 71) * 0.5f);
        float dx = static_cast<float>(x) - 7.5f, dy = static_cast<float>(y) - 7.5f;
        float d = std::sqrt(dx * dx + dy * dy) + (Fbm(U(x), U(y), 4, 1, 72) - 0.5f) * 1.2f;
        int ring = static_cast<int>(d / 1.6f);
        if (ring == 0) return r[1];
        return ring % 2 ? r[2] : r[1];
    });
}

// Noise stretched along one axis: fibres of bark and planks.
float Streak(int x, int y, int cellsAcross, int cellsAlong, uint32_t seed, bool vertical)
{
    float a = vertical ? U(x) : U(y), l = vertical ? U(y) : U(x);
    float v = ValueNoise(a * cellsAcross, l * cellsAlong, cellsAcross, seed);
    return v;
}

Image Bark(const ArtBook& b)
{
    const auto& r = RampOf(b, "bark");
    return Paint16([&](int x, int y) {
        // Ridges four pixels wide, their fissures wandering sideways a little.
        int wobble = static_cast<int>(ValueNoise(0.5f, U(y) * 4, 4, 81) * 2.99f);
        int col = (x + wobble) % 4;
        float fine = (Rand01(x, y, 82) - 0.5f) * 0.3f;
        if (col == 0) return Rand01(x / 4, y / 3, 83) < 0.2f ? r[2] : r[3];
        static const float ridge[4] = {0, 0.55f, 0.15f, 0.35f};
        return Tone(r, ridge[col] + fine);
    });
}

Image Planks(const std::array<Rgba, 4>& r)
{
    return Paint16([&](int x, int y) {
        int board = y / 4, row = y % 4;
        if (row == 3) return r[3];
        int joint = static_cast<int>(Hash(board, 0, 91) % 16);
        if (x == joint) return r[3];
        float tint = 0.15f + static_cast<float>(Hash(board, 1, 91) % 3) * 0.1f;
        float grain = Streak(x, y, 16, 3, 92, false) - 0.5f;
        float t = tint + grain * 0.45f + (Rand01(x, y, 93) - 0.5f) * 0.15f;
        if (row == 0) t -= 0.12f;
        if (row == 2) t += 0.1f;
        return Tone(r, t);
    });
}

Image Cactus(const ArtBook& b)
{
    const auto& r = RampOf(b, "cactus");
    const Rgba spine = Hex("f3ecb8");
    return Paint16([&](int x, int y) {
        if (x == 0 || x == N - 1) return r[3];
        int stripe = (x + 1) % 5;
        float fine = (Rand01(x, y, 101) - 0.5f) * 0.35f;
        if (stripe == 0) return Tone(r, 0.85f + fine * 0.3f);
        if (stripe == 2 && Hash(x, y, 102) % 6 == 0) return spine;
        return Tone(r, (stripe == 2 ? 0.2f : 0.45f) + fine);
    });
}

// Running bond of 8 x 4 bricks (one joint row and column each).
Image Bricks(const std::array<Rgba, 4>& r, Rgba mortar, bool metal, uint32_t seed)
{
    return Paint16([&](int x, int y) {
        int course = y / 4, row = y % 4;
        int shift = (course % 2) * 4;
        int col = (x + shift) % 8;
        if (row == 3 || col == 7) return mortar;
        int brick = (x + shift) / 8 + course * 2;
        float base = 0.3f + static_cast<float>(Hash(brick % 4, course, seed) % 3) * 0.08f;
        float fine = (Rand01(x, y, seed + 1) - 0.5f) * (metal ? 0.12f : 0.3f);
        if (row == 0 || col == 0) base -= metal ? 0.3f : 0.2f;
        if (row == 2 || col == 6) base += 0.22f;
        if (metal && row == 0 && col == 1) return r[0];
        return Tone(r, base + fine);
    });
}

Image Glass(const ArtBook& b)
{
    const auto& r = RampOf(b, "glass");
    return Paint16([&](int x, int y) {
        bool edge = x == 0 || y == 0 || x == N - 1 || y == N - 1;
        if (edge) return r[3];
        if (x == 1 || y == 1 || x == N - 2 || y == N - 2) return r[2];
        int d = x - y;
        if ((d == 4 || d == 5) && y > 2 && y < 9) return r[0];
        if (d == -4 && y > 8 && y < 13) return r[0];
        return r[1];
    });
}

// A dressed stone face with a bevelled edge: the body of the furnace.
Image SmoothStone(const ArtBook& b)
{
    const auto& r = RampOf(b, "stone");
    return Paint16([&](int x, int y) {
        if (x == N - 1 || y == N - 1) return r[3];
        if (x == 0 || y == 0) return r[0];
        float n = Fbm(U(x), U(y), 4, 2, 111);
        return Tone(r, 0.35f + (n - 0.5f) * 0.5f + (Rand01(x, y, 112) - 0.5f) * 0.3f);
    });
}

// Forged iron, dark: the anvil's body.
Image DarkIron(const ArtBook& b)
{
    const auto& r = RampOf(b, "anvil");
    return Paint16([&](int x, int y) {
        float n = Fbm(U(x), U(y), 2, 2, 121);
        return Tone(r, 0.55f + (n - 0.5f) * 0.45f + (Rand01(x, y, 122) - 0.5f) * 0.15f);
    });
}

// The torch's stick is 2 units wide and 10 high, so the whole picture is
// squeezed into it: a burning head on top, the wood below, shaded across.
Image TorchSide(const ArtBook& b)
{
    const auto& fire = RampOf(b, "fire");
    const Rgba wood[3] = {ColourOf(b, 'w'), ColourOf(b, 'x'), ColourOf(b, 'y')};
    return Paint16([&](int x, int y) {
        int across = x < 5 ? 0 : (x < 11 ? 1 : 2);
        if (y < 2) return fire[across == 0 ? 0 : 1];
        if (y < 4) return fire[1 + (across > 0)];
        if (y == 4) return fire[3];
        if (y == 5) return Hex("3a2416");
        Rgba c = wood[across];
        return Shift(c, (Rand01(x / 4, y, 131) - 0.5f) * 14);
    });
}

Image TorchTop(const ArtBook& b)
{
    const auto& fire = RampOf(b, "fire");
    return Paint16([&](int x, int y) {
        float dx = static_cast<float>(x) - 7.5f, dy = static_cast<float>(y) - 7.5f;
        float d = std::sqrt(dx * dx + dy * dy);
        if (d < 3.0f) return fire[0];
        if (d < 5.5f) return fire[1];
        if (d < 7.5f) return fire[2];
        return fire[3];
    });
}

}  // namespace

Image Texture(const ArtBook& b, const std::string& name)
{
    if (name == "dirt") return Dirt(b, 11);
    if (name == "grass_top") return GrassTop(b, 21);
    if (name == "grass_side") return GrassSide(b);
    if (name == "sand") return Sand(b);
    if (name == "gabbro") return Gabbro(b);
    if (name == "cobble") return Stones(RampOf(b, "stone"), RampOf(b, "stone"), 3, 0.09f, 51, 0.45f);
    if (name == "gravel") return Stones(RampOf(b, "gravel"), RampOf(b, "dirt"), 6, 0.05f, 56, 0.6f);
    if (name == "leaves") return Leaves(b);
    if (name == "log_end") return LogEnd(b);
    if (name == "bark") return Bark(b);
    if (name == "planks") return Planks(RampOf(b, "wood"));
    if (name == "chest_planks") return Planks(RampOf(b, "chestwood"));
    if (name == "cactus") return Cactus(b);
    if (name == "glass") return Glass(b);
    if (name == "smooth_stone") return SmoothStone(b);
    if (name == "dark_iron") return DarkIron(b);
    if (name == "torch_side") return TorchSide(b);
    if (name == "torch_top") return TorchTop(b);
    if (name == "bricks_stone") {
        const auto& r = RampOf(b, "stone");
        return Bricks(r, Scale(r[3], 0.8f), false, 141);
    }
    if (name.rfind("bricks_", 0) == 0) {
        const auto& r = RampOf(b, name.substr(7));
        return Bricks(r, Mix(r[3], Hex("2b2119"), 0.45f), true, 142);
    }
    throw std::runtime_error("no texture '" + name + "'");
}

Image OreOverlay(const ArtBook& b, const std::string& ore)
{
    const auto& r = RampOf(b, ore);
    uint32_t seed = 0;
    for (char c : ore) seed = seed * 131u + static_cast<uint8_t>(c);

    // Speck shapes, as offsets from their top-left pixel.
    struct Shape {
        int n;
        int dx[6], dy[6];
    };
    static const Shape shapes[] = {
        {6, {1, 2, 0, 1, 2, 1}, {0, 0, 1, 1, 1, 2}},  // lump
        {5, {1, 0, 1, 2, 1}, {0, 1, 1, 1, 2}},        // cross
        {5, {0, 1, 1, 2, 2}, {0, 0, 1, 1, 2}},        // vein
        {4, {0, 1, 0, 1}, {0, 0, 1, 1}},              // block
        {5, {0, 1, 0, 1, 2}, {0, 0, 1, 1, 1}},        // block with a tail
    };

    std::vector<uint8_t> mask(N * N, 0);  // 0 empty, else 1 + shade index
    std::vector<std::pair<int, int>> placed;
    for (int attempt = 0; attempt < 400 && placed.size() < 6; attempt++) {
        int x = 1 + static_cast<int>(Hash(attempt, 0, seed) % 12);
        int y = 1 + static_cast<int>(Hash(attempt, 1, seed) % 12);
        bool crowded = false;
        for (auto [px, py] : placed)
            if (std::abs(px - x) < 5 && std::abs(py - y) < 5) crowded = true;
        if (crowded) continue;
        placed.push_back({x, y});
        const Shape& s = shapes[Hash(attempt, 2, seed) % 5];
        for (int i = 0; i < s.n; i++) {
            int sx = x + s.dx[i], sy = y + s.dy[i];
            // Lit from the top left: first pixel bright, the lower right dark.
            int shade = i == 0 ? 0 : (s.dx[i] + s.dy[i] >= 3 ? 2 : 1);
            mask[sy * N + sx] = static_cast<uint8_t>(1 + shade);
        }
    }

    Image im(N, N, {0, 0, 0, 0}, true);
    Rgba rim = Scale(r[3], 0.5f);
    rim.a = 190;
    for (int y = 0; y < N; y++)
        for (int x = 0; x < N; x++) {
            uint8_t m = mask[y * N + x];
            if (m) {
                im.at(x, y) = r[m - 1];
                continue;
            }
            // A dark rim makes the speck read on light soil and dark rock alike.
            bool nextToSpeck = false;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                int nx = x + dx, ny = y + dy;
                if (nx >= 0 && ny >= 0 && nx < N && ny < N && mask[ny * N + nx]) nextToSpeck = true;
            }
            if (nextToSpeck) im.at(x, y) = rim;
        }
    return im;
}

namespace {

// Cracks radiate from a point near the centre: a few main branches, each a
// jagged line walked one pixel at a time, and side branches that start later.
// Stage s shows every branch up to its share of length for that stage, so a
// crack only ever grows.
struct Branch {
    std::vector<std::pair<int, int>> pixels;
    int firstStage;
};

std::vector<Branch> CrackBranches()
{
    static const int dirX[8] = {1, 1, 0, -1, -1, -1, 0, 1};
    static const int dirY[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    auto walk = [&](int x, int y, int dir, int length, uint32_t seed) {
        std::vector<std::pair<int, int>> px;
        int heading = dir;
        for (int i = 0; i < length; i++) {
            uint32_t h = Hash(i, 0, seed);
            // Wander at most one step off the branch's own direction.
            if (h % 3 == 0) heading = (dir + ((h >> 4) % 2 ? 1 : 7)) % 8;
            else heading = dir;
            x += dirX[heading], y += dirY[heading];
            if (x < 0 || y < 0 || x >= N || y >= N) break;
            px.push_back({x, y});
        }
        return px;
    };
    std::vector<Branch> branches;
    constexpr int Mains = 5;
    const int mainDirs[Mains] = {7, 1, 3, 5, 6}, mainLen[Mains] = {8, 9, 8, 9, 5};
    for (int i = 0; i < Mains; i++) {
        Branch b{walk(7, 8, mainDirs[i], mainLen[i], 160 + i), 0};
        b.pixels.insert(b.pixels.begin(), {7, 8});
        branches.push_back(b);
    }
    // Side branches leave the main ones part way along, two stages apart.
    for (int i = 0; i < 4; i++) {
        const auto& from = branches[i].pixels;
        size_t at = std::min<size_t>(from.size() - 1, 3 + i % 2);
        int dir = (mainDirs[i] + (i % 2 ? 1 : 7)) % 8;
        branches.push_back({walk(from[at].first, from[at].second, dir, 5, 170 + i), 2 + (i % 2) * 2});
    }
    return branches;
}

}  // namespace

Image Crack(int stage)
{
    static const std::vector<Branch> branches = CrackBranches();
    stage = std::clamp(stage, 0, 7);
    Image im(N, N, {255, 255, 255, 255});
    std::vector<std::pair<int, int>> shown;
    for (const Branch& b : branches) {
        if (stage < b.firstStage) continue;
        int span = 8 - b.firstStage, grown = stage - b.firstStage + 1;
        size_t n = (b.pixels.size() * grown + span - 1) / span;
        if (b.firstStage == 0) n = std::max<size_t>(n, 2);
        for (size_t i = 0; i < std::min(n, b.pixels.size()); i++) shown.push_back(b.pixels[i]);
    }
    // A pale shade under each crack gives it depth without blurring it.
    for (auto [x, y] : shown)
        if (y + 1 < N) im.at(x, y + 1) = {200, 200, 200, 255};
    for (auto [x, y] : shown) im.at(x, y) = {44, 44, 44, 255};
    return im;
}

}  // namespace img
