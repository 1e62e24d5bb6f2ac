#include "core/state.h"

uint8_t State = STATE_NONE;
uint8_t Lang = 1;
uint8_t RAM = 0;
uint8_t IfFirstTime = 1;
uint8_t StartMenu = 1;
uint8_t Options = 0;
uint8_t Quit = 0;
uint8_t Pause = 0;
uint8_t Wld = 0;
int32_t FPS = 0;
int32_t Polygons = 0;
uint8_t Save = 0;

uint8_t Init = 0;
char LoadingText[100] = "";

int32_t Seed = 0;
uint8_t DayTime = 0;
uint8_t SubDayTime = 0;
float TimeLuminance = 0.0f;
uint8_t Biome[25] = {};

float xTransCamera = 0, yTransCamera = 0, zTransCamera = 0;
float xzRotCamera = 0, yRotCamera = 0;
float SelectedBlock[3] = {-1, -1, -1};
uint8_t NewBlock = 0;

_INVENTORY Cells[NumCells] = {};
uint8_t SelectedCell = 0;
uint8_t MaxStack = 250;
_INVENTORY Chests[NumChestRecords][ChestCells] = {};
uint8_t NumOfChests = 0;

uint8_t HP = 10, MaxHP = 10, FP = 5, MaxFP = 5, BP = 3, MaxBP = 3, SP = 0, Stars = 0, Coins = 0;

uint8_t Inventory = 0;
uint8_t SelInventory = 0;
uint8_t IsSelInv = 0;
uint8_t FreeCells = 0;
int32_t SelectedRecipe = 0;
uint8_t IsRecipe = 0;
uint8_t DrawSprite = 0;
uint8_t Debug = 0;
uint8_t Collide = 0;
uint8_t IsMining = 0;
