// The light volume and the day cycle: hand-built columns and caves for the
// daylight and torch numbers, a random world checked against a plain
// column-by-column scan, the torch list's capacity, and the clock of the day.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <tuple>
#include <vector>

#include "core/catalogue.h"
#include "core/state.h"
#include "core/world.h"
#include "game/input.h"
#include "tests/worldgen_fixture.h"
#include "worldgen/daycycle.h"
#include "worldgen/light.h"

namespace {

class Light : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FreshGrid());
        RAM = 0;
        memset(Cells, 0, sizeof Cells);
        SelectedCell = 0;
        // Camera in column (500, 500), layer 110: the box spans layers 90 ... 130.
        xTransCamera = 500.5f;
        yTransCamera = 110.5f;
        zTransCamera = 500.5f;
        // Cells the light does not reach keep what they held.
        memset(Luminance, 7, sizeof Luminance);
    }
    void TearDown() override { FreeWorld(); }

    static void SetDay(uint8_t dayTime)
    {
        DayTime = dayTime;
        TimeLuminance = DayLuminance(dayTime);
    }
    // Light of the cell at column offset (i, k) from the camera, layer y.
    static int Lum(int i, int y, int k) { return Luminance[i + lRAM][y][k + lRAM]; }
    static void Put(int i, int y, int k, uint8_t block) { CellAt(500 + i, y, 500 + k).BlockValue = block; }
    // A roof of rock four blocks thick over the whole box: night below it.
    static void Roof() { FillBox(470, 530, 140, 143, 470, 530, _WORLD{ID_GABBRO, 0}); }
};

TEST_F(Light, DaylightIsDimmedByWhatItCrosses)
{
    struct Case {
        const char* name;
        std::vector<uint8_t> above; // blocks from layer 120 down
        int underNoon, underNight;  // light of the open cells below them
    };
    const Case cases[] = {
        {"open column", {}, 150, 84},
        {"leaves", {ID_LEAVES}, 144, 78},
        {"glass", {ID_GLASS}, 147, 81},
        {"cactus", {ID_CACTUS}, 141, 75},
        {"two rock", {ID_GABBRO, ID_GABBRO}, 96, 50},
        {"four rock", {ID_GABBRO, ID_GABBRO, ID_GABBRO, ID_GABBRO}, 50, 50},
    };
    for (int n = 0; n < static_cast<int>(sizeof cases / sizeof cases[0]); n++)
        for (size_t j = 0; j < cases[n].above.size(); j++) Put(2 * n - 6, 120 - static_cast<int>(j), 0, cases[n].above[j]);

    for (uint8_t dayTime : {0, 120}) {
        SetDay(dayTime);
        const int start = dayTime == 0 ? 150 : 84;
        CreateLight();
        for (int n = 0; n < static_cast<int>(sizeof cases / sizeof cases[0]); n++) {
            const Case& c = cases[n];
            SCOPED_TRACE(testing::Message() << c.name << " at day time " << int(dayTime));
            const int i = 2 * n - 6;
            const int under = dayTime == 0 ? c.underNoon : c.underNight;
            const int lowest = 120 - static_cast<int>(c.above.size());
            for (int y = 121; y <= 130; y++) EXPECT_EQ(Lum(i, y, 0), start) << y;
            for (int y = lowest; y >= 90; y--) EXPECT_EQ(Lum(i, y, 0), under) << y;
            // Above and below the box's layers nothing is written.
            EXPECT_EQ(Lum(i, 131, 0), 7);
            EXPECT_EQ(Lum(i, 89, 0), 7);
        }
    }
    // Glass, cactus and torch cells take the light they pass on; rock and
    // leaves keep what they held.
    EXPECT_EQ(Lum(-2, 120, 0), 81);
    EXPECT_EQ(Lum(0, 120, 0), 75);
    EXPECT_EQ(Lum(-4, 120, 0), 7);
    EXPECT_EQ(Lum(4, 117, 0), 7);
}

TEST_F(Light, ATorchLightsItsCaveAndTheCubeAroundIt)
{
    SetDay(120);
    Roof();
    Put(0, 110, 0, ID_TORCH);
    Put(20, 100, -20, ID_TORCH);  // at the box's corner: its cube is cut off
    Put(-10, 160, 10, ID_TORCH);  // above the roof and the box's layers
    CreateLight();
    EXPECT_EQ(NumTorchBlock, 3);

    EXPECT_EQ(Lum(0, 110, 0), 130);
    // Four blocks away along each axis.
    const int axes[6][3] = {{4, 110, 0}, {-4, 110, 0}, {0, 114, 0}, {0, 106, 0}, {0, 110, 4}, {0, 110, -4}};
    for (const auto& a : axes) EXPECT_EQ(Lum(a[0], a[1], a[2]), 82) << a[0] << ", " << a[1] << ", " << a[2];
    EXPECT_EQ(Lum(1, 110, 0), 118);
    // The cube's corner would get 48, below the floor it already has.
    EXPECT_EQ(Lum(4, 114, 4), 50);
    EXPECT_EQ(Lum(5, 110, 0), 50);

    EXPECT_EQ(Lum(20, 100, -20), 130);
    EXPECT_EQ(Lum(16, 100, -20), 82);
    EXPECT_EQ(Lum(-10, 160, 10), 130);
    EXPECT_EQ(Lum(-10, 164, 10), 82);
}

TEST_F(Light, AHeldTorchLightsTheCameraSurroundingsUntilPutAway)
{
    SetDay(120);
    Roof();
    Cells[3] = _INVENTORY{ID_TORCH, 0, 5};
    SelectedCell = 3;
    CreateLight();
    // From the eye at (500.5, 110.5, 500.5).
    EXPECT_EQ(Lum(0, 110, 0), 119);
    EXPECT_EQ(Lum(5, 110, 0), 76);
    EXPECT_EQ(Lum(6, 110, 0), 50);
    EXPECT_EQ(Lum(0, 116, 0), 50);

    SelectedCell = 4;
    CreateLight();
    EXPECT_EQ(Lum(0, 110, 0), 50);
    EXPECT_EQ(Lum(5, 110, 0), 50);
}

// --- The plain scan ------------------------------------------------------------------

// The light box computed column by column, cell by cell, with the running
// value and dark flag kept in bytes: the rules as written, slow and plain.
uint8_t PlainLuminance[LightBoxSide][WorldSizeY][LightBoxSide];
std::vector<_TORCHBLOCK> PlainTorches;

void PlainTorchLight(int L, float fx, float fy, float fz, int x, int y, int z)
{
    const float dx = static_cast<float>(x) - fx, dy = static_cast<float>(y) - fy, dz = static_cast<float>(z) - fz;
    const float h = powf(dy * dy + dx * dx, 0.5f);
    const float d = powf(h * h + dz * dz, 0.5f);
    const float v = (8.48f - d) * 11.792454f + 30.0f;
    uint8_t& cell = PlainLuminance[x + L][y][z + L];
    if (v > cell) cell = static_cast<uint8_t>(static_cast<int>(v));
}

// With `lightTorches` false only the daylight scan and the torch list.
void PlainLight(bool lightTorches = true)
{
    const int X = static_cast<int>(xTransCamera), Y = static_cast<int>(yTransCamera), Z = static_cast<int>(zTransCamera);
    const int L = LightHalfWidth(RAM);
    PlainTorches.clear();
    if (Y - L <= 199) {
        for (int i = -L; i <= L; i++)
            for (int k = -L; k <= L; k++) {
                uint8_t mLum = static_cast<uint8_t>(static_cast<int>(TimeLuminance * 150));
                uint8_t nLum = 0;
                for (int y = 199; y >= std::max(Y - L, 0); y--) {
                    if (mLum <= 50) nLum = 1;
                    const uint8_t v = CellAt(X + i, y, Z + k).BlockValue;
                    const bool write = y <= Y + L;
                    uint8_t& out = PlainLuminance[i + L][y][k + L];
                    if ((v == ID_AIR || v == ID_TORCH || v == ID_GLASS) && nLum == 1) {
                        if (write) out = 50;
                    } else if ((v == ID_AIR || v == ID_TORCH) && nLum == 0) {
                        if (write) out = mLum;
                    } else if (v == ID_GLASS && nLum == 0) {
                        mLum -= 3;
                        if (write) out = std::max<uint8_t>(mLum, 50);
                    } else if (v == ID_CACTUS && nLum == 0) {
                        mLum -= 9;
                        if (write) out = std::max<uint8_t>(mLum, 50);
                    } else if (v == ID_LEAVES && nLum == 0) {
                        mLum -= 6;
                    } else {
                        mLum -= 27;
                    }
                    if (v == ID_TORCH && static_cast<int32_t>(PlainTorches.size()) < MaxTorchBlock)
                        PlainTorches.push_back(_TORCHBLOCK{static_cast<int16_t>(i), static_cast<int16_t>(y),
                                                           static_cast<int16_t>(k)});
                }
            }
    }
    if (!lightTorches) return;
    for (const _TORCHBLOCK& t : PlainTorches)
        for (int x = t.x - 4; x <= t.x + 4; x++)
            for (int y = t.y - 4; y <= t.y + 4; y++)
                for (int z = t.z - 4; z <= t.z + 4; z++)
                    if (x >= -L && x <= L && y >= 0 && y <= 199 && z >= -L && z <= L)
                        PlainTorchLight(L, t.x, t.y, t.z, x, y, z);
    if (Cells[SelectedCell].BlockValue == ID_TORCH)
        for (int i = -5; i <= 5; i++)
            for (int k = -5; k <= 5; k++)
                for (int y = Y - 5; y <= Y + 5; y++)
                    if (i >= -L && i <= L && k >= -L && k <= L && y >= 0 && y <= 199) {
                        const float dx = static_cast<float>(X + i) - xTransCamera;
                        const float dy = static_cast<float>(y) - yTransCamera;
                        const float dz = static_cast<float>(Z + k) - zTransCamera;
                        const float h = powf(dy * dy + dx * dx, 0.5f);
                        const float d = powf(h * h + dz * dz, 0.5f);
                        const float v = (8.48f - d) * 11.792454f + 30.0f;
                        uint8_t& cell = PlainLuminance[i + L][y][k + L];
                        if (v > cell) cell = static_cast<uint8_t>(static_cast<int>(v));
                    }
}

bool TorchBefore(const _TORCHBLOCK& a, const _TORCHBLOCK& b)
{
    return std::tie(a.x, a.y, a.z) < std::tie(b.x, b.y, b.z);
}

// Whether the torch list of the last CreateLight holds the same torches as `plain`.
bool SameTorches(std::vector<_TORCHBLOCK> plain)
{
    std::vector<_TORCHBLOCK> list(TorchBlock, TorchBlock + NumTorchBlock);
    if (list.size() != plain.size()) return false;
    std::sort(list.begin(), list.end(), TorchBefore);
    std::sort(plain.begin(), plain.end(), TorchBefore);
    for (size_t i = 0; i < list.size(); i++)
        if (TorchBefore(list[i], plain[i]) || TorchBefore(plain[i], list[i])) return false;
    return true;
}

// Ground of random height with caves and torches, plants and glass above
// it, around the columns (x, z) and across the world's edges.
void RandomLand(int x, int z)
{
    std::mt19937 random(12345);
    for (int i = x - 62; i <= x + 62; i++)
        for (int k = z - 62; k <= z + 62; k++) {
            const int ground = 60 + static_cast<int>(random() % 100);
            for (int y = 0; y < WorldSizeY; y++) {
                const unsigned roll = random() % 1000;
                uint8_t v = ID_AIR;
                if (y <= ground)
                    v = roll < 150 ? ID_AIR : roll < 151 ? ID_TORCH : roll < 700 ? ID_GABBRO : ID_DIRT;
                else if (roll < 31)
                    v = roll < 10 ? ID_LEAVES : roll < 20 ? ID_GLASS : roll < 30 ? ID_CACTUS : ID_TORCH;
                CellAt(i, y, k).BlockValue = v;
            }
        }
}

TEST_F(Light, EqualsThePlainColumnByColumnScan)
{
    struct Case {
        float x, y, z;
        uint8_t dayTime;
        bool heldTorch;
    };
    const Case cases[] = {
        {3.7f, 120.2f, 998.1f, 0, false},     // box across both edges
        {999.9f, 60.0f, 0.2f, 120, true},     // low in the ground
        {500.5f, 150.5f, 500.5f, 180, true},  // over the land
        {500.5f, 235.0f, 500.5f, 60, false},  // above the world: the top of the box only
        {500.5f, -30.5f, 500.5f, 0, true},    // fallen out of the world
    };
    // Cells the light leaves alone must keep these values.
    uint8_t* bytes = &Luminance[0][0][0];
    for (size_t b = 0; b < sizeof Luminance; b++) bytes[b] = static_cast<uint8_t>(b * 7);
    for (const Case& c : cases) {
        RandomLand(static_cast<int>(c.x), static_cast<int>(c.z));
        xTransCamera = c.x;
        yTransCamera = c.y;
        zTransCamera = c.z;
        SetDay(c.dayTime);
        Cells[0].BlockValue = c.heldTorch ? ID_TORCH : ID_AIR;
        for (uint8_t ram = 0; ram <= 4; ram++) {
            SCOPED_TRACE(testing::Message() << "camera " << c.x << ", " << c.y << ", " << c.z << " distance " << int(ram));
            RAM = ram;
            memcpy(PlainLuminance, Luminance, sizeof Luminance);
            PlainLight();
            CreateLight();
            EXPECT_EQ(memcmp(Luminance, PlainLuminance, sizeof Luminance), 0);
            EXPECT_TRUE(SameTorches(PlainTorches));
        }
    }
}

TEST_F(Light, TorchesBeyondTheListsCapacityAreIgnored)
{
    // 121 x 121 columns of torches 17 high: 248,897 torches in the widest box.
    RAM = 4;
    yTransCamera = 10.5f;
    SetDay(120);
    FillBox(440, 560, 0, 16, 440, 560, _WORLD{ID_TORCH, 0});
    PlainLight(false);
    CreateLight();
    ASSERT_EQ(NumTorchBlock, MaxTorchBlock);
    ASSERT_EQ(PlainTorches.size(), static_cast<size_t>(MaxTorchBlock));
    // The ones kept are those the column-by-column scan meets first: x
    // offsets up to 54 whole, then part of 55.
    EXPECT_TRUE(SameTorches(PlainTorches));
    EXPECT_EQ(Lum(54, 16, 60), 130);
    EXPECT_EQ(Lum(60, 16, 60), 84);
}

// --- Day cycle ------------------------------------------------------------------

TEST(DayCycle, AdvancesWithPlayedTimeAndWrapsAfter239)
{
    struct Step {
        uint8_t day, sub;
        int32_t ms;
        uint8_t dayAfter, subAfter;
    };
    const Step steps[] = {
        {180, 0, 15, 180, 0},        // a sub-unit is 15.625 ms
        {180, 0, 16, 180, 1},
        {180, 239, 16, 181, 0},
        {239, 239, 16, 0, 0},        // 239 is followed by 0, never 240
        {239, 0, 3750, 0, 0},
        {10, 100, 120000, 42, 100},  // two minutes of play: 32 units
        {50, 7, 0, 50, 7},
        {50, 7, -500, 50, 7},        // a clock that went backwards moves nothing
    };
    for (const Step& s : steps) {
        DayTime = s.day;
        SubDayTime = s.sub;
        lTime = s.ms;
        UpdateDayTime();
        EXPECT_EQ(DayTime, s.dayAfter) << int(s.day) << "/" << int(s.sub) << " + " << s.ms << " ms";
        EXPECT_EQ(SubDayTime, s.subAfter) << int(s.day) << "/" << int(s.sub) << " + " << s.ms << " ms";
        EXPECT_EQ(TimeLuminance, DayLuminance(DayTime));
    }
    lTime = 0;
}

TEST(DayCycle, DaylightRunsFromFullAtZeroToItsLeastAt120)
{
    EXPECT_EQ(DayLuminance(0), 1.0f);
    EXPECT_EQ(DayLuminance(120), 0.5625f);
    EXPECT_EQ(DayLuminance(180), 0.78125f);
    EXPECT_EQ(DayLuminance(60), 0.78125f);
    EXPECT_EQ(DayLuminance(239), DayLuminance(1));
    // Times beyond a day, as a damaged file might hold, are full daylight.
    EXPECT_EQ(DayLuminance(240), 1.0f);
    EXPECT_EQ(DayLuminance(250), 1.0f);
}

} // namespace
