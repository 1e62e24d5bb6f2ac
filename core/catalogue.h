// The block and item catalogue: every identifier's English and Italian name
// and the classification predicates the gameplay rules consult.
#pragma once
#include <cstdint>

#include "core/world.h"

// Identifiers the code names directly.
enum : uint8_t {
    ID_AIR = 0,
    ID_COBBLE = 1, ID_DIRT = 2, ID_GRAVEL = 3, ID_LEAVES = 4, ID_RAW_WOOD = 5, ID_SAND = 6,
    ID_GABBRO = 7, ID_PLANKS = 10,
    ID_SCHEELITE = 11, ID_HEMATITE = 12, ID_QUARTZ = 13, ID_ARGENTITE = 14, ID_GOLD_ORE = 15,
    ID_SPERRYLITE = 16, ID_SAPPHIRE = 17, ID_RUBY = 18, ID_EMERALD = 19, ID_DIAMOND = 20,
    ID_COAL = 21, ID_PETROLEUM = 22, ID_STICK = 23, ID_TORCH = 24, ID_CUPRITE = 25,
    ID_FURNACE = 26, ID_WORKBENCH = 27, ID_ANVIL = 41,
    ID_WOODEN_PICKAXE = 55, ID_WOODEN_AXE = 62, ID_CEMENTITE = 64,
    ID_CHEST = 67, ID_CHEST_WEST = 68, ID_CHEST_EAST = 69, ID_CHEST_NORTH = 70,
    ID_GLASS = 73, ID_CACTUS = 74, ID_BRICKS = 75,
};

// Writes the name of `cell` in the current language (Italian when Lang is 1)
// into `text` (at least 23 bytes); the empty string for unnamed identifiers.
// Always 0.
int32_t GetStringFromID(_WORLD cell, char* text);

uint8_t IsAnItem(uint8_t id);
uint8_t IsASword(uint8_t id);
uint8_t IsAPickaxe(uint8_t id);
uint8_t IsAnAxe(uint8_t id);
uint8_t IsBlockTransparent(uint8_t id);
uint8_t IsBlockNonCube(uint8_t id);
