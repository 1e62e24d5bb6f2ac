#include "core/catalogue.h"

#include <cstring>

#include "core/state.h"

namespace {

struct Name {
    const char* english;
    const char* italian;
};

// Names by identifier; null for unassigned identifiers and the three chest
// facings other than -z, which are never held.
const Name Names[76] = {
    {nullptr, nullptr},                                // 0 air
    {"Cobble", "Ciottolo"},                            // 1
    {"Dirt", "Terra"},                                 // 2
    {"Gravel", "Ghiaia"},                              // 3
    {"Leaves", "Foglie"},                              // 4
    {"Raw wood", "Legno grezzo"},                      // 5
    {"Sand", "Sabbia"},                                // 6
    {"Gabbro", "Gabbro"},                              // 7
    {nullptr, nullptr},                                // 8
    {nullptr, nullptr},                                // 9
    {"Wooden planks", "Legno lavorato"},               // 10
    {"Scheelite", "Scheelite"},                        // 11
    {"Hematite", "Ematite"},                           // 12
    {"Quartz", "Quarzo"},                              // 13
    {"Argentite", "Argentite"},                        // 14
    {"Gold ore", "Minerale d'oro"},                    // 15
    {"Sperrylite", "Sperrylite"},                      // 16
    {"Sapphire", "Zaffiro"},                           // 17
    {"Ruby", "Rubino"},                                // 18
    {"Emerald", "Smeraldo"},                           // 19
    {"Diamond", "Diamante"},                           // 20
    {"Coal", "Carbone"},                               // 21
    {"Petroleum", "Petrolio"},                         // 22
    {"Stick", "Bastone"},                              // 23
    {"Torch", "Torcia"},                               // 24
    {"Cuprite", "Cuprite"},                            // 25
    {"Furnace", "Fornace"},                            // 26
    {"Workbench", "Tavolo da lavoro"},                 // 27
    {"Tungsten ingot", "Lingotto di tungsteno"},       // 28
    {"Iron ingot", "Lingotto di ferro"},               // 29
    {"Silicon ingot", "Lingotto di silicio"},          // 30
    {"Silver ingot", "Lingotto d'argento"},            // 31
    {"Gold ingot", "Lingotto d'oro"},                  // 32
    {"Platinum ingot", "Lingotto di platino"},         // 33
    {nullptr, nullptr},                                // 34
    {nullptr, nullptr},                                // 35
    {nullptr, nullptr},                                // 36
    {nullptr, nullptr},                                // 37
    {nullptr, nullptr},                                // 38
    {nullptr, nullptr},                                // 39
    {"Copper ingot", "Lingotto di rame"},              // 40
    {"Anvil", "Incudine"},                             // 41
    {"Copper sword", "Spada di rame"},                 // 42
    {"Iron sword", "Spada di ferro"},                  // 43
    {"Steel sword", "Spada d'acciaio"},                // 44
    {"Silver sword", "Spada d'argento"},               // 45
    {"Golden sword", "Spada d'oro"},                   // 46
    {"Platinum sword", "Spada di platino"},            // 47
    {"Wooden sword", "Spada di legno"},                // 48
    {"Copper pickaxe", "Piccone di rame"},             // 49
    {"Iron pickaxe", "Piccone di ferro"},              // 50
    {"Steel pickaxe", "Piccone d'acciaio"},            // 51
    {"Silver pickaxe", "Piccone d'argento"},           // 52
    {"Golden pickaxe", "Piccone d'oro"},               // 53
    {"Platinum pickaxe", "Piccone di platino"},        // 54
    {"Wooden pickaxe", "Piccone di legno"},            // 55
    {"Copper axe", "Ascia di rame"},                   // 56
    {"Iron axe", "Ascia di ferro"},                    // 57
    {"Steel axe", "Ascia d'acciaio"},                  // 58
    {"Silver axe", "Ascia d'argento"},                 // 59
    {"Golden axe", "Ascia d'oro"},                     // 60
    {"Platinum axe", "Ascia di platino"},              // 61
    {"Wooden axe", "Ascia di legno"},                  // 62
    {"Steel ingot", "Lingotto d'acciaio"},             // 63
    {"Cementite", "Cementite"},                        // 64
    {"Copper snippet", "Frammento di rame"},           // 65
    {"Tungsten snippet", "Frammento di tungsteno"},    // 66
    {"Chest", "Baule"},                                // 67
    {nullptr, nullptr},                                // 68 chest facing -x
    {nullptr, nullptr},                                // 69 chest facing +x
    {nullptr, nullptr},                                // 70 chest facing +z
    {"Diamond pickaxe", "Piccone di diamante"},        // 71
    {"Silica", "Silice"},                              // 72
    {"Glass", "Vetro"},                                // 73
    {"Cactus", "Cactus"},                              // 74
    {nullptr, nullptr},                                // 75 bricks: by kind
};

const Name BrickNames[6] = {
    {"Stone bricks", "Mattoni di pietra"},
    {"Copper bricks", "Mattoni di rame"},
    {"Iron bricks", "Mattoni di ferro"},
    {"Silver bricks", "Mattoni d'argento"},
    {"Gold bricks", "Mattoni d'oro"},
    {"Platinum bricks", "Mattoni di platino"},
};

// Items cannot be placed: the ores, ingots, stick, tools and silica (11..72).
const uint8_t ItemFlags[62] = {
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, // 11..23
    0, 1, 0, 0,                            // 24..27
    1, 1, 1, 1, 1, 1,                      // 28..33
    0, 0, 0, 0, 0, 0,                      // 34..39
    1, 0,                                  // 40, 41
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, // 42..64
    0, 0, 0, 0, 0, 0,                      // 65..70
    1,                                     // 71
    1,                                     // 72 silica
};

}  // namespace

int32_t GetStringFromID(_WORLD cell, char* text)
{
    const Name* name = nullptr;
    if (cell.BlockValue == ID_BRICKS) {
        if (cell.BlockOptions < 6) name = &BrickNames[cell.BlockOptions];
    } else if (cell.BlockValue < 76 && Names[cell.BlockValue].english != nullptr) {
        name = &Names[cell.BlockValue];
    }
    if (name == nullptr) {
        text[0] = '\0';
        return 0;
    }
    strcpy(text, Lang == 1 ? name->italian : name->english);
    return 0;
}

uint8_t IsAnItem(uint8_t id)
{
    uint8_t offset = static_cast<uint8_t>(id - 11);
    return offset < 62 ? ItemFlags[offset] : 0;
}

uint8_t IsASword(uint8_t id) { return static_cast<uint8_t>(id - 42) < 7 ? 1 : 0; }

uint8_t IsAPickaxe(uint8_t id)
{
    return (static_cast<uint8_t>(id - 49) < 7 || id == 71) ? 1 : 0;
}

uint8_t IsAnAxe(uint8_t id) { return static_cast<uint8_t>(id - 56) < 7 ? 1 : 0; }

uint8_t IsBlockTransparent(uint8_t id) { return (id == ID_TORCH || id == ID_GLASS) ? 1 : 0; }

uint8_t IsBlockNonCube(uint8_t id) { return id == ID_TORCH ? 1 : 0; }
