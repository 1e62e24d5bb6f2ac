// The shared game state: one player, one screen, one world at a time.
// Every subsystem reads and writes these directly; each is defined once in
// core/state.cpp. "New game" means reset by InitGame; "run" means kept from
// start-up to shutdown.
#pragma once
#include <cstdint>

// One inventory cell: identifier, options copied from the block, quantity.
struct _INVENTORY {
    uint8_t BlockValue;
    uint8_t BlockOptions;
    uint8_t Quantity;
};
static_assert(sizeof(_INVENTORY) == 3, "an inventory cell is three bytes in the save file");

constexpr int NumCells = 63;        // 0..8 hot-bar, 0..35 inventory, 36..62 open chest
constexpr int NumChestRecords = 256;
constexpr int ChestCells = 27;

// Screen state codes of `State`.
enum : uint8_t {
    STATE_NONE = 0,
    STATE_PROGRESS = 1,
    STATE_UNUSED = 2,
    STATE_START_MENU = 3,
    STATE_PLAYING = 4,
    STATE_DEATH = 5,
    STATE_OPTIONS = 6,
    STATE_QUIT = 7,
    STATE_PAUSE = 8,
    STATE_WORLD_SLOTS = 9,
    STATE_INVENTORY = 10,
    STATE_CHEST = 11,
};

// --- Kept for the run ---------------------------------------------------
extern uint8_t State;        // current screen; start-up sets 3
extern uint8_t Lang;         // 1 = Italian, anything else English; settings file
extern uint8_t RAM;          // rendering distance 0..4; settings file
extern uint8_t IfFirstTime;  // 1 until the world grid has been allocated
extern uint8_t StartMenu;    // highlighted entries of the menu screens
extern uint8_t Options;
extern uint8_t Quit;
extern uint8_t Pause;
extern uint8_t Wld;          // world-slot highlight, then the slot in play (1..4)
extern int32_t FPS;          // frames in the last measuring window
extern int32_t Polygons;     // faces drawn this frame; reset after every frame
extern uint8_t Save;         // 1 while a save started from the pause menu runs

// --- Long operations ----------------------------------------------------
extern uint8_t Init;             // 1 while InitGame runs
extern char LoadingText[100];    // progress text written by the generator

// --- Reset by a new game ------------------------------------------------
extern int32_t Seed;             // calendar seconds at the start of the new game
extern uint8_t DayTime;          // time of day 0..239; new game 180
extern uint8_t SubDayTime;       // sub-units 0..239; new game 0
extern float TimeLuminance;      // daylight factor 0.5625..1.0
extern uint8_t Biome[25];        // 0 woodland, 1 desert, tile (b, c) at 5b + c

extern float xTransCamera, yTransCamera, zTransCamera; // eye position in blocks
extern float xzRotCamera, yRotCamera;                  // heading and pitch, radians
extern float SelectedBlock[3];   // targeted block, (-1, -1, -1) for none
extern uint8_t NewBlock;         // face code 0..6 where a new block would go

extern _INVENTORY Cells[NumCells];
extern uint8_t SelectedCell;     // hot-bar cell 0..8 held in the hand
extern uint8_t MaxStack;         // largest quantity of one cell (250)
extern _INVENTORY Chests[NumChestRecords][ChestCells];
extern uint8_t NumOfChests;      // records in use

extern uint8_t HP, MaxHP, FP, MaxFP, BP, MaxBP, SP, Stars, Coins;

extern uint8_t Inventory;        // cursor of the inventory and chest screens
extern uint8_t SelInventory;     // picked-up cell, 255 for none
extern uint8_t IsSelInv;
extern uint8_t FreeCells;        // empty cells among 0..35, counted by the overlay
extern int32_t SelectedRecipe;
extern uint8_t IsRecipe;
extern uint8_t DrawSprite;       // 1 = playing overlay drawn; new game 1
extern uint8_t Debug;            // 1 = debug overlay
extern uint8_t Collide;          // last collision result
extern uint8_t IsMining;
