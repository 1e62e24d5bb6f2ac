// The world generator and the new game: whole worlds from fixed seeds
// checked against the generator's rules, and small hand-built pieces for
// the rules a whole world cannot show.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <type_traits>

#include "app/frame.h"
#include "core/catalogue.h"
#include "core/random.h"
#include "core/state.h"
#include "core/status.h"
#include "core/world.h"
#include "platform/platform.h"
#include "tests/harness.h"
#include "tests/worldgen_fixture.h"
#include "worldgen/newgame.h"
#include "worldgen/ores.h"
#include "worldgen/terrain.h"
#include "worldgen/vegetation.h"

namespace {

// --- Whole worlds --------------------------------------------------------------

// Seeds with their tile kinds (5b + c, 1 = desert) and the fingerprint of
// their grid, recorded from a plain, cell-by-cell transcription of the
// generator's rules that was checked to give the same bytes.
struct KnownWorld {
    int32_t seed;
    const char* tiles;
    uint64_t fingerprint;
};
const KnownWorld KnownWorlds[] = {
    {1, "0011110100110001111100011", 533269289084436993ull},
    {1700000000, "1111110000010011111101000", 6911209041340680766ull},
};

const KnownWorld& Known(int32_t seed)
{
    for (const KnownWorld& world : KnownWorlds)
        if (world.seed == seed) return world;
    return KnownWorlds[0];
}

bool IsDeepOre(uint8_t v) { return v >= ID_GOLD_ORE && v <= ID_DIAMOND; }
bool IsPocketBlock(uint8_t v)
{
    return v == ID_GRAVEL || (v >= ID_SCHEELITE && v <= ID_PETROLEUM) || v == ID_CUPRITE || v == ID_CEMENTITE;
}
bool IsDesert(int x, int z) { return Biome[5 * (x / 200) + z / 200] == 1; }

template <int32_t S>
using SeedValue = std::integral_constant<int32_t, S>;

// One world per seed, generated once for all the tests of its suite.
template <class T>
class SeededWorld : public ::testing::Test {
protected:
    static void SetUpTestSuite() { status_ = GenerateSeed(T::value); }
    static void TearDownTestSuite() { FreeWorld(); }
    void SetUp() override
    {
        ASSERT_NE(World, nullptr);
        ASSERT_EQ(status_, PROGRESS_GO_ON);
    }
    static int32_t status_;
};
template <class T>
int32_t SeededWorld<T>::status_ = -1;

using Seeds = ::testing::Types<SeedValue<1>, SeedValue<1700000000>>;
TYPED_TEST_SUITE(SeededWorld, Seeds);

TYPED_TEST(SeededWorld, IsTheRecordedWorldWithWoodlandAtTheCentreAndSomeDesert)
{
    const KnownWorld& known = Known(TypeParam::value);
    std::string tiles;
    int deserts = 0;
    for (int t = 0; t < 25; t++) {
        tiles += static_cast<char>('0' + Biome[t]);
        deserts += Biome[t];
    }
    EXPECT_EQ(tiles, known.tiles);
    EXPECT_EQ(Biome[12], 0);
    EXPECT_GE(deserts, 1);
    EXPECT_EQ(GridFingerprint(), known.fingerprint) << std::hex << GridFingerprint();
}

TYPED_TEST(SeededWorld, LayersOresAndHillsKeepToTheirBounds)
{
    long dirt[5] = {}, rock[5] = {};   // layers 61 ... 65
    long sand99 = 0, dirt99 = 0;       // desert layer 99
    long hillDirt = 0, duneSand = 0;
    long soilCoal = 0;
    int highest = 0;
    for (int x = 0; x < WorldSizeX; x++)
        for (int z = 0; z < WorldSizeZ; z++) {
            const bool desert = IsDesert(x, z);
            for (int y = 0; y < WorldSizeY; y++) {
                const _WORLD cell = World[x][y][z];
                const uint8_t v = cell.BlockValue;
                auto at = [&] { return testing::Message() << "cell " << x << ", " << y << ", " << z; };
                if (IsDeepOre(v)) {
                    ASSERT_LE(y, 51) << at();
                }
                if (IsPocketBlock(v)) {
                    ASSERT_LE(y, 99) << at();
                }
                // Rock passes always clear the options byte.
                if (v == ID_GRAVEL || IsDeepOre(v)) {
                    ASSERT_EQ(cell.BlockOptions, 0) << at();
                }
                // Trees and cacti stand on the ground wherever caves opened
                // it to the sky, down to the soil band.
                if (v == ID_LEAVES || v == ID_RAW_WOOD || v == ID_CACTUS) {
                    ASSERT_GE(y, 62) << at();
                    continue;
                }
                if (y <= 60) {
                    ASSERT_TRUE(v == ID_GABBRO || v == ID_AIR || IsPocketBlock(v) || IsDeepOre(v)) << at();
                    ASSERT_EQ(cell.BlockOptions, 0) << at();
                } else if (y <= 65) {
                    ASSERT_NE(v, ID_SAND) << at();
                    if (v == ID_DIRT) dirt[y - 61]++;
                    if (v == ID_GABBRO) rock[y - 61]++;
                } else if (y <= 98) {
                    ASSERT_TRUE(v == ID_DIRT || v == ID_AIR || IsPocketBlock(v) || IsDeepOre(v)) << at();
                    if (v == ID_COAL && cell.BlockOptions == 1) soilCoal++;
                } else if (y == 99) {
                    ASSERT_NE(v, ID_GABBRO) << at();
                    if (v == ID_SAND) {
                        ASSERT_TRUE(desert) << at();
                        ASSERT_EQ(cell.BlockOptions, 1) << at();
                        sand99++;
                    }
                    if (v == ID_DIRT && desert) dirt99++;
                } else if (y == 100) {
                    ASSERT_TRUE(v == ID_AIR || v == (desert ? ID_SAND : ID_DIRT)) << at();
                    ASSERT_EQ(cell.BlockOptions, 0) << at();
                } else {
                    // Above the plain: only hills, dunes and what grows on them.
                    ASSERT_TRUE(v == ID_AIR || v == ID_DIRT || v == ID_SAND) << at();
                    ASSERT_EQ(cell.BlockOptions, 0) << at();
                    if (v == ID_DIRT || v == ID_SAND) highest = y > highest ? y : highest;
                    if (v == ID_DIRT && !desert) hillDirt++;
                    if (v == ID_SAND && desert) duneSand++;
                }
            }
        }
    // The ragged band: 1/8, 1/4, 1/2, 3/4 and 7/8 soil.
    const double fractions[5] = {0.125, 0.25, 0.5, 0.75, 0.875};
    for (int i = 0; i < 5; i++)
        EXPECT_NEAR(static_cast<double>(dirt[i]) / (dirt[i] + rock[i]), fractions[i], 0.01) << "layer " << 61 + i;
    EXPECT_NEAR(static_cast<double>(sand99) / (sand99 + dirt99), 0.5, 0.01);
    EXPECT_LE(highest, 118);
    EXPECT_GT(hillDirt, 0);
    EXPECT_GT(duneSand, 0);
    EXPECT_GT(soilCoal, 0);
}

TYPED_TEST(SeededWorld, EveryWoodlandTileHas1000TreesAndEveryDesertTile59Cacti)
{
    for (int b = 0; b < 5; b++)
        for (int c = 0; c < 5; c++) {
            int trees = 0, cacti = 0;
            for (int x = 200 * b; x < 200 * b + 200; x++)
                for (int z = 200 * c; z < 200 * c + 200; z++)
                    for (int y = 1; y < WorldSizeY - 4; y++) {
                        const _WORLD below = World[x][y - 1][z];
                        const uint8_t v = World[x][y][z].BlockValue;
                        if (v == ID_RAW_WOOD && below.BlockValue == ID_DIRT) {
                            trees++;
                            EXPECT_EQ(below.BlockOptions, 0);
                        }
                        // Arms are at most three high; a cactus is at least four.
                        if (v == ID_CACTUS && below.BlockValue == ID_SAND && World[x][y + 3][z].BlockValue == ID_CACTUS)
                            cacti++;
                    }
            const bool desert = Biome[5 * b + c] == 1;
            EXPECT_EQ(trees, desert ? 0 : 1000) << "tile " << b << ", " << c;
            EXPECT_EQ(cacti, desert ? 59 : 0) << "tile " << b << ", " << c;
        }
}

// --- Tile kinds --------------------------------------------------------------

TEST(TileKinds, TheCentreIsWoodlandAndSomeTileIsDesert)
{
    for (uint32_t seed = 0; seed < 2000; seed++) {
        QSrand(seed);
        ChooseTileKinds();
        int deserts = 0;
        for (int t = 0; t < 25; t++) deserts += Biome[t];
        ASSERT_EQ(Biome[12], 0) << seed;
        ASSERT_GE(deserts, 1) << seed;
    }
}

TEST(TileKinds, WithNoDesertDrawnAPickOfTheCentreIsDrawnAgain)
{
    // No seed gives 24 woodland draws in a row, so the rule is driven directly.
    // Seed 1055 picks the centre (2, 2) first, then tile (3, 4).
    memset(Biome, 0, sizeof Biome);
    QSrand(1055);
    EnsureDesertTile();
    for (int t = 0; t < 25; t++) EXPECT_EQ(Biome[t], t == 5 * 3 + 4 ? 1 : 0) << t;

    // A desert already drawn costs no draw.
    QSrand(1055);
    const int first = QRand();
    QSrand(1055);
    EnsureDesertTile();
    EXPECT_EQ(QRand(), first);
}

// --- Pockets ---------------------------------------------------------------------

class Pockets : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FreshGrid()); }
    void TearDown() override { FreeWorld(); }
};

// Layers 0 ... 110 of a tile and the three columns past its far edges hold
// a repeating mix of open space, leaves, wood, dirt, sand and marked rock.
_WORLD Original(int x, int y, int z)
{
    static const _WORLD mix[6] = {{ID_AIR, 0}, {ID_LEAVES, 0}, {ID_RAW_WOOD, 0},
                                  {ID_DIRT, 0}, {ID_SAND, 0}, {ID_GABBRO, 0x40}};
    return mix[(x + 2 * y + 3 * z) % 6];
}

TEST_F(Pockets, ReplaceOnlySolidCellsWithinTheirLayers)
{
    struct Case {
        int b, c;
        uint8_t kind;
    };
    // Tile (4, 4) spills over the world's edge into x and z 0 ... 2.
    for (const Case& tile : {Case{4, 4, 0}, Case{1, 3, 1}}) {
        SCOPED_TRACE(testing::Message() << "tile " << tile.b << ", " << tile.c);
        const int x0 = 200 * tile.b, z0 = 200 * tile.c;
        for (int x = x0; x < x0 + 203; x++)
            for (int y = 0; y <= 110; y++)
                for (int z = z0; z < z0 + 203; z++) CellAt(x, y, z) = Original(x, y, z);
        Biome[5 * tile.b + tile.c] = tile.kind;
        QSrand(99);
        PlacePockets(tile.b, tile.c);

        long soilOre = 0, oreOnRock = 0, spilled = 0;
        for (int x = x0; x < x0 + 203; x++)
            for (int y = 0; y <= 110; y++)
                for (int z = z0; z < z0 + 203; z++) {
                    const _WORLD before = Original(x, y, z);
                    const _WORLD after = CellAt(x, y, z);
                    if (after.BlockValue == before.BlockValue && after.BlockOptions == before.BlockOptions) continue;
                    SCOPED_TRACE(testing::Message() << "cell " << x << ", " << y << ", " << z);
                    ASSERT_TRUE(before.BlockValue == ID_DIRT || before.BlockValue == ID_SAND ||
                                before.BlockValue == ID_GABBRO);
                    ASSERT_TRUE(IsPocketBlock(after.BlockValue) || IsDeepOre(after.BlockValue));
                    ASSERT_LE(y, IsDeepOre(after.BlockValue) ? 51 : 99);
                    if (after.BlockValue == ID_GRAVEL || IsDeepOre(after.BlockValue)) {
                        ASSERT_EQ(after.BlockOptions, 0);
                    } else if (before.BlockValue == ID_GABBRO) {
                        // Ore in rock keeps the byte, unless a rock pass cleared it first.
                        ASSERT_TRUE(after.BlockOptions == 0x40 || after.BlockOptions == 0);
                        oreOnRock += after.BlockOptions == 0x40;
                    } else {
                        ASSERT_TRUE(after.BlockOptions == 1 || after.BlockOptions == 0);
                        soilOre += after.BlockOptions == 1;
                    }
                    spilled += FoldIndex(x) < x0 || FoldIndex(z) < z0;
                }
        EXPECT_GT(soilOre, 0);
        EXPECT_GT(oreOnRock, 0);
        if (tile.b == 4) {
            EXPECT_GT(spilled, 0);
        }
    }
}

// --- Vegetation ------------------------------------------------------------------

class Vegetation : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FreshGrid()); }
    void TearDown() override { FreeWorld(); }
    int32_t uTime = 0;
};

// Whether (x, y, z) holds `block`, with x and z folded.
bool Holds(int x, int y, int z, uint8_t block) { return CellAt(x, y, z).BlockValue == block; }

// Checks the crown of the tree whose trunk stands on (x, 100, z) and runs
// `height` blocks up.
void ExpectCrown(int x, int z, int height)
{
    SCOPED_TRACE(testing::Message() << "tree at " << x << ", " << z << " of height " << height);
    auto square = [&](int y, int r, bool corners) {
        for (int i = -r; i <= r; i++)
            for (int k = -r; k <= r; k++) {
                const bool corner = (i == -r || i == r) && (k == -r || k == r);
                if ((i == 0 && k == 0) || (corner && !corners)) continue;
                EXPECT_TRUE(Holds(x + i, y, z + k, ID_LEAVES)) << "layer " << y << " at " << i << ", " << k;
            }
    };
    if (height == 5) {
        square(103, 2, false);
        square(104, 2, false);
        square(105, 1, true);
        square(106, 1, false);
        EXPECT_TRUE(Holds(x, 106, z, ID_LEAVES));
        return;
    }
    ASSERT_TRUE(height == 9 || height == 10);
    const int e = height - 9;
    square(104 + e, 1, true);
    square(106 + e, 1, true);
    square(108 + e, 1, true);
    square(105 + e, 1, false);
    square(109 + e, 1, false);
    for (int t : {-2, 2}) {
        EXPECT_TRUE(Holds(x + t, 104 + e, z, ID_LEAVES));
        EXPECT_TRUE(Holds(x, 104 + e, z + t, ID_LEAVES));
    }
    EXPECT_TRUE(Holds(x, 110 + e, z, ID_LEAVES));
}

TEST_F(Vegetation, TreesGrowOnlyOnDirtIntoFreeSpaceAndClearTheGrassUnderThem)
{
    // Tile (2, 2): ground at layer 100, mostly grass-covered dirt, some sand,
    // gravel and ore; a few rock pillars stand in the way.
    Biome[12] = 0;
    long grass = 0;
    for (int x = 400; x < 600; x++)
        for (int z = 400; z < 600; z++) {
            static const _WORLD other[3] = {{ID_SAND, 0}, {ID_GRAVEL, 0}, {ID_COAL, 1}};
            const int pick = (7 * x + 3 * z) % 10;
            World[x][100][z] = pick < 3 ? other[pick] : _WORLD{ID_DIRT, 1};
            grass += pick >= 3;
            if (x % 17 == 0 && z % 13 == 0) FillBox(x, x, 101, 108, z, z, _WORLD{ID_GABBRO, 0});
        }
    QSrand(42);
    ASSERT_EQ(PlantTile(2, 2, uTime), PROGRESS_GO_ON);

    int trees = 0;
    long grassLeft = 0;
    for (int x = 400; x < 600; x++)
        for (int z = 400; z < 600; z++) {
            const _WORLD ground = World[x][100][z];
            if (ground.BlockValue == ID_DIRT && ground.BlockOptions == 1) grassLeft++;
            if (x % 17 == 0 && z % 13 == 0) {
                for (int y = 101; y <= 108; y++) ASSERT_TRUE(Holds(x, y, z, ID_GABBRO));
                continue;
            }
            if (!Holds(x, 101, z, ID_RAW_WOOD)) continue;
            trees++;
            ASSERT_EQ(ground.BlockValue, ID_DIRT);
            ASSERT_EQ(ground.BlockOptions, 0);
            int height = 0;
            while (Holds(x, 101 + height, z, ID_RAW_WOOD)) height++;
            ExpectCrown(x, z, height);
        }
    EXPECT_EQ(trees, 1000);
    EXPECT_EQ(grassLeft, grass - 1000);
}

TEST_F(Vegetation, CactiGrowOnSandWithTheirArms)
{
    // Tile (0, 1), across the world's edge from tile (4, 1): sand at layer
    // 100, some dirt.
    Biome[1] = 1;
    for (int x = 0; x < 200; x++)
        for (int z = 200; z < 400; z++) World[x][100][z] = _WORLD{(x + z) % 5 == 0 ? ID_DIRT : ID_SAND, 0};
    QSrand(7);
    ASSERT_EQ(PlantTile(0, 1, uTime), PROGRESS_GO_ON);

    static const int StepX[4] = {0, -1, 1, 0};
    static const int StepZ[4] = {-1, 0, 0, 1};
    int cacti = 0, heights[7] = {};
    for (int x = 0; x < 200; x++)
        for (int z = 200; z < 400; z++) {
            if (!Holds(x, 101, z, ID_CACTUS)) continue;
            SCOPED_TRACE(testing::Message() << "cactus at " << x << ", " << z);
            cacti++;
            ASSERT_TRUE(Holds(x, 100, z, ID_SAND));
            int height = 0;
            while (Holds(x, 101 + height, z, ID_CACTUS)) height++;
            ASSERT_TRUE(height >= 4 && height <= 6);
            heights[height]++;
            // A neighbouring cactus may stand beside an arm, so look for the
            // arm, not for its being alone.
            bool arm = height == 4;
            for (int a = 0; a < 4 && !arm; a++) {
                const int ax = StepX[a], az = StepZ[a];
                if (height == 5)
                    arm = Holds(x + ax, 104, z + az, ID_CACTUS);
                else
                    arm = Holds(x + ax, 103, z + az, ID_CACTUS) && Holds(x + 2 * ax, 103, z + 2 * az, ID_CACTUS) &&
                          Holds(x + 2 * ax, 104, z + 2 * az, ID_CACTUS) && Holds(x + 2 * ax, 105, z + 2 * az, ID_CACTUS) &&
                          Holds(x - ax, 104, z - az, ID_CACTUS) && Holds(x - 2 * ax, 104, z - 2 * az, ID_CACTUS) &&
                          Holds(x - 2 * ax, 105, z - 2 * az, ID_CACTUS);
            }
            EXPECT_TRUE(arm) << "height " << height;
        }
    EXPECT_EQ(cacti, 59);
    EXPECT_GT(heights[4], 0);
    EXPECT_GT(heights[5], 0);
    EXPECT_GT(heights[6], 0);
}

// --- Spawn -----------------------------------------------------------------------

TEST(Spawn, IsTheHighestBlockOfTheCentreColumnBelowTheTopLayer)
{
    ASSERT_TRUE(FreshGrid());
    EXPECT_EQ(SpawnHeight(), -1);
    World[500][199][500] = _WORLD{ID_GABBRO, 0};
    EXPECT_EQ(SpawnHeight(), -1);
    World[500][0][500] = _WORLD{ID_GABBRO, 0};
    EXPECT_EQ(SpawnHeight(), 0);
    World[500][120][500] = _WORLD{ID_LEAVES, 0};
    World[501][150][500] = _WORLD{ID_GABBRO, 0};
    EXPECT_EQ(SpawnHeight(), 120);
    FreeWorld();
}

// --- Progress and the new game -----------------------------------------------------

class Generation : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        ASSERT_EQ(Start(), 0);
        State = STATE_PROGRESS;
        Init = 1;
        ASSERT_TRUE(AllocWorld());
        headless::ClearCalls();
    }
};

TEST_F(Generation, ARedrawDuringATileShowsItsPercentage)
{
    int32_t uTime = headless::Clock() - 250;
    ASSERT_EQ(BuildTile(3, 1, uTime), PROGRESS_GO_ON);
    const std::vector<std::string> texts = headless::Texts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[1], "64 %");
}

TEST_F(Generation, ClosingTheWindowAbandonsTheWorldAtTheNextRedraw)
{
    World[0][150][0] = _WORLD{ID_GABBRO, 9};
    headless::QueueQuit();
    int32_t uTime = headless::Clock() - 250;
    EXPECT_EQ(GenerateWorld(uTime), PROGRESS_QUIT);
    EXPECT_TRUE(headless::QuitPosted());
    // Stopped before clearing the sky of even the first x.
    EXPECT_EQ(World[0][150][0].BlockValue, ID_GABBRO);
    EXPECT_EQ(World[0][150][0].BlockOptions, 9);
}

TEST_F(Generation, AFailedRedrawEndsTheWorkWithTheFailure)
{
    headless::FailBeginScene(true);
    int32_t uTime = headless::Clock() - 250;
    EXPECT_EQ(GenerateWorld(uTime), E_FAIL);
}

class NewGame : public GameTest {};

// Everything a new game resets, set to something else first.
void DirtyTheGameState()
{
    for (_INVENTORY& cell : Cells) cell = _INVENTORY{ID_TORCH, 0, 9};
    HP = MaxHP = FP = MaxFP = BP = MaxBP = SP = Stars = Coins = 77;
    NumOfChests = 5;
    SelectedRecipe = 3;
    DayTime = 10;
    SubDayTime = 20;
    SelectedCell = 4;
    SelectedBlock[0] = SelectedBlock[1] = SelectedBlock[2] = 3.0f;
    DrawSprite = 0;
    xTransCamera = yTransCamera = zTransCamera = 1.0f;
}

TEST_F(NewGame, TheFirstNewGameBuildsTheGridAndStartsThePlayerAtTheSpawn)
{
    ASSERT_EQ(Start(), 0);
    const int32_t seed = KnownWorlds[1].seed;
    headless::SetCalendarTime(seed);
    Lang = 2;
    DirtyTheGameState();
    State = STATE_WORLD_SLOTS;
    headless::ClearCalls();

    ASSERT_EQ(InitGame(), S_OK);
    EXPECT_EQ(Seed, seed);
    EXPECT_EQ(GridFingerprint(), KnownWorlds[1].fingerprint);
    EXPECT_EQ(State, STATE_PLAYING);
    EXPECT_EQ(Init, 0);
    EXPECT_EQ(IfFirstTime, 0);
    EXPECT_EQ(headless::QuadsAlive(), NumQuadBuffers);
    EXPECT_STREQ(LoadingText, "Making trees...");

    EXPECT_EQ(xTransCamera, 500.0f);
    EXPECT_EQ(zTransCamera, 500.0f);
    EXPECT_EQ(yTransCamera, static_cast<float>(SpawnHeight() + 5));
    EXPECT_GE(SpawnHeight(), 100);
    EXPECT_EQ(SelectedBlock[0], -1.0f);
    EXPECT_EQ(SelectedBlock[1], -1.0f);
    EXPECT_EQ(SelectedBlock[2], -1.0f);
    EXPECT_EQ(SelectedCell, 0);
    EXPECT_EQ(DrawSprite, 1);
    EXPECT_EQ(Cells[0].BlockValue, ID_WOODEN_AXE);
    EXPECT_EQ(Cells[0].Quantity, 1);
    EXPECT_EQ(Cells[1].BlockValue, ID_WOODEN_PICKAXE);
    EXPECT_EQ(Cells[1].Quantity, 1);
    for (int i = 2; i < NumCells; i++) EXPECT_EQ(Cells[i].BlockValue | Cells[i].Quantity, 0) << i;
    EXPECT_EQ(HP, 10);
    EXPECT_EQ(MaxHP, 10);
    EXPECT_EQ(FP, 5);
    EXPECT_EQ(MaxFP, 5);
    EXPECT_EQ(BP, 3);
    EXPECT_EQ(MaxBP, 3);
    EXPECT_EQ(SP + Stars + Coins + NumOfChests + SelectedRecipe, 0);
    EXPECT_EQ(DayTime, 180);
    EXPECT_EQ(SubDayTime, 0);

    // Device: white material, lighting on and fog off while building; fog
    // on and white ambient light for play.
    std::vector<std::pair<int, uint32_t>> device;
    for (const RecordedCall& call : headless::Calls()) {
        if (call.kind == CallKind::SetMaterial) device.emplace_back(-1, call.value);
        if (call.kind == CallKind::RenderState) device.emplace_back(call.slot, call.value);
    }
    const std::vector<std::pair<int, uint32_t>> expected = {
        {-1, 0x00FFFFFFu}, {RS_LIGHTING, 1}, {RS_FOGENABLE, 0}, {RS_FOGENABLE, 1}, {RS_AMBIENT, 0x00FFFFFFu}};
    EXPECT_EQ(device, expected);
}

TEST_F(NewGame, ALaterNewGameReusesTheGrid)
{
    ASSERT_EQ(Start(), 0);
    ASSERT_TRUE(AllocWorld());
    IfFirstTime = 0;
    const void* grid = World;
    headless::SetCalendarTime(KnownWorlds[0].seed);
    Lang = 1;
    ASSERT_EQ(InitGame(), S_OK);
    EXPECT_EQ(World, grid);
    EXPECT_EQ(headless::QuadsAlive(), 0);
    EXPECT_EQ(GridFingerprint(), KnownWorlds[0].fingerprint);
    EXPECT_STREQ(LoadingText, "Formazione degli alberi...");
}

TEST_F(NewGame, AGeometryFailureEndsTheNewGameBeforeTheGrid)
{
    // No device yet, so the block quads cannot be made.
    ASSERT_EQ(InitGame(), E_FAIL);
    EXPECT_EQ(World, nullptr);
    EXPECT_EQ(IfFirstTime, 1);
    EXPECT_EQ(State, STATE_PROGRESS);
    EXPECT_STREQ(LoadingText, "Inizializzazione");
}

} // namespace
