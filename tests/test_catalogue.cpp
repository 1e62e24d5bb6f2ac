// The block and item catalogue: names in both languages and the predicates.
#include <gtest/gtest.h>

#include <string>

#include "core/catalogue.h"
#include "core/state.h"

namespace {

enum Class { Block, Item, Unnamed };

struct Entry {
    uint8_t id;
    uint8_t options;
    const char* english;
    const char* italian;
    Class kind;
};

const Entry Catalogue[] = {
    {0, 0, "", "", Unnamed},
    {1, 0, "Cobble", "Ciottolo", Block},
    {2, 0, "Dirt", "Terra", Block},
    {3, 0, "Gravel", "Ghiaia", Block},
    {4, 0, "Leaves", "Foglie", Block},
    {5, 0, "Raw wood", "Legno grezzo", Block},
    {6, 0, "Sand", "Sabbia", Block},
    {7, 0, "Gabbro", "Gabbro", Block},
    {8, 0, "", "", Unnamed},
    {9, 0, "", "", Unnamed},
    {10, 0, "Wooden planks", "Legno lavorato", Block},
    {11, 0, "Scheelite", "Scheelite", Item},
    {12, 0, "Hematite", "Ematite", Item},
    {13, 0, "Quartz", "Quarzo", Item},
    {14, 0, "Argentite", "Argentite", Item},
    {15, 0, "Gold ore", "Minerale d'oro", Item},
    {16, 0, "Sperrylite", "Sperrylite", Item},
    {17, 0, "Sapphire", "Zaffiro", Item},
    {18, 0, "Ruby", "Rubino", Item},
    {19, 0, "Emerald", "Smeraldo", Item},
    {20, 0, "Diamond", "Diamante", Item},
    {21, 0, "Coal", "Carbone", Item},
    {22, 0, "Petroleum", "Petrolio", Item},
    {23, 0, "Stick", "Bastone", Item},
    {24, 0, "Torch", "Torcia", Block},
    {25, 0, "Cuprite", "Cuprite", Item},
    {26, 0, "Furnace", "Fornace", Block},
    {27, 0, "Workbench", "Tavolo da lavoro", Block},
    {28, 0, "Tungsten ingot", "Lingotto di tungsteno", Item},
    {29, 0, "Iron ingot", "Lingotto di ferro", Item},
    {30, 0, "Silicon ingot", "Lingotto di silicio", Item},
    {31, 0, "Silver ingot", "Lingotto d'argento", Item},
    {32, 0, "Gold ingot", "Lingotto d'oro", Item},
    {33, 0, "Platinum ingot", "Lingotto di platino", Item},
    {34, 0, "", "", Unnamed},
    {39, 0, "", "", Unnamed},
    {40, 0, "Copper ingot", "Lingotto di rame", Item},
    {41, 0, "Anvil", "Incudine", Block},
    {42, 0, "Copper sword", "Spada di rame", Item},
    {43, 0, "Iron sword", "Spada di ferro", Item},
    {44, 0, "Steel sword", "Spada d'acciaio", Item},
    {45, 0, "Silver sword", "Spada d'argento", Item},
    {46, 0, "Golden sword", "Spada d'oro", Item},
    {47, 0, "Platinum sword", "Spada di platino", Item},
    {48, 0, "Wooden sword", "Spada di legno", Item},
    {49, 0, "Copper pickaxe", "Piccone di rame", Item},
    {50, 0, "Iron pickaxe", "Piccone di ferro", Item},
    {51, 0, "Steel pickaxe", "Piccone d'acciaio", Item},
    {52, 0, "Silver pickaxe", "Piccone d'argento", Item},
    {53, 0, "Golden pickaxe", "Piccone d'oro", Item},
    {54, 0, "Platinum pickaxe", "Piccone di platino", Item},
    {55, 0, "Wooden pickaxe", "Piccone di legno", Item},
    {56, 0, "Copper axe", "Ascia di rame", Item},
    {57, 0, "Iron axe", "Ascia di ferro", Item},
    {58, 0, "Steel axe", "Ascia d'acciaio", Item},
    {59, 0, "Silver axe", "Ascia d'argento", Item},
    {60, 0, "Golden axe", "Ascia d'oro", Item},
    {61, 0, "Platinum axe", "Ascia di platino", Item},
    {62, 0, "Wooden axe", "Ascia di legno", Item},
    {63, 0, "Steel ingot", "Lingotto d'acciaio", Item},
    {64, 0, "Cementite", "Cementite", Item},
    {65, 0, "Copper snippet", "Frammento di rame", Block},
    {66, 0, "Tungsten snippet", "Frammento di tungsteno", Block},
    {67, 0, "Chest", "Baule", Block},
    {68, 0, "", "", Unnamed},
    {69, 0, "", "", Unnamed},
    {70, 3, "", "", Unnamed},
    {71, 0, "Diamond pickaxe", "Piccone di diamante", Item},
    {72, 0, "Silica", "Silice", Item},
    {73, 0, "Glass", "Vetro", Block},
    {74, 0, "Cactus", "Cactus", Block},
    {75, 0, "Stone bricks", "Mattoni di pietra", Block},
    {75, 1, "Copper bricks", "Mattoni di rame", Block},
    {75, 2, "Iron bricks", "Mattoni di ferro", Block},
    {75, 3, "Silver bricks", "Mattoni d'argento", Block},
    {75, 4, "Gold bricks", "Mattoni d'oro", Block},
    {75, 5, "Platinum bricks", "Mattoni di platino", Block},
    {75, 6, "", "", Unnamed},
    {76, 0, "", "", Unnamed},
    {255, 0, "", "", Unnamed},
};

std::string NameIn(uint8_t lang, uint8_t id, uint8_t options)
{
    uint8_t saved = Lang;
    Lang = lang;
    char text[100];
    memset(text, 'x', sizeof text);
    GetStringFromID(_WORLD{id, options}, text);
    Lang = saved;
    return text;
}

}  // namespace

TEST(Catalogue, NamesInBothLanguagesAndClasses)
{
    for (const Entry& e : Catalogue) {
        SCOPED_TRACE("id " + std::to_string(e.id) + " options " + std::to_string(e.options));
        EXPECT_EQ(NameIn(2, e.id, e.options), e.english);
        EXPECT_EQ(NameIn(0, e.id, e.options), e.english);  // any value but 1 is English
        EXPECT_EQ(NameIn(1, e.id, e.options), e.italian);
        EXPECT_EQ(IsAnItem(e.id), e.kind == Item ? 1 : 0);
    }
}

TEST(Catalogue, EveryNameFitsTheCallersBuffer)
{
    for (int id = 0; id < 256; id++)
        for (uint8_t lang : {1, 2})
            for (uint8_t options : {0, 1, 2, 3, 4, 5})
                EXPECT_LT(NameIn(lang, static_cast<uint8_t>(id), options).size(), 23u);
}

TEST(Catalogue, PredicateSets)
{
    auto inRange = [](int id, int lo, int hi) { return id >= lo && id <= hi; };
    for (int i = 0; i < 256; i++) {
        uint8_t id = static_cast<uint8_t>(i);
        SCOPED_TRACE(i);
        bool item = inRange(i, 11, 23) || i == 25 || inRange(i, 28, 33) || i == 40 || inRange(i, 42, 64) ||
                    i == 71 || i == 72;
        EXPECT_EQ(IsAnItem(id), item ? 1 : 0);
        EXPECT_EQ(IsASword(id), inRange(i, 42, 48) ? 1 : 0);
        EXPECT_EQ(IsAPickaxe(id), (inRange(i, 49, 55) || i == 71) ? 1 : 0);
        EXPECT_EQ(IsAnAxe(id), inRange(i, 56, 62) ? 1 : 0);
        EXPECT_EQ(IsBlockTransparent(id), (i == 24 || i == 73) ? 1 : 0);
        EXPECT_EQ(IsBlockNonCube(id), i == 24 ? 1 : 0);
    }
}
