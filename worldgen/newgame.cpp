#include "worldgen/newgame.h"

#include <cstring>

#include "app/frame.h"
#include "core/catalogue.h"
#include "core/random.h"
#include "core/state.h"
#include "core/status.h"
#include "core/world.h"
#include "platform/platform.h"
#include "render/geometry.h"
#include "worldgen/terrain.h"
#include "worldgen/vegetation.h"

int32_t GenerateWorld(int32_t& uTime)
{
    if (int32_t status = ClearSky(uTime)) return status;
    ChooseTileKinds();
    for (int b = 0; b < 5; b++)
        for (int c = 0; c < 5; c++)
            if (int32_t status = BuildTile(b, c, uTime)) return status;
    return PlantVegetation(uTime);
}

int SpawnHeight()
{
    for (int y = WorldSizeY - 2; y >= 0; y--)
        if (World[500][y][500].BlockValue != ID_AIR) return y;
    return -1;
}

// The player of a new game: at the spawn column with a wooden axe and a
// wooden pickaxe, full vitals, at day time 180.
static void ResetPlayer()
{
    xTransCamera = 500.0f;
    zTransCamera = 500.0f;
    SelectedBlock[0] = SelectedBlock[1] = SelectedBlock[2] = -1.0f;
    SelectedCell = 0;
    DrawSprite = 1;
    memset(Cells, 0, sizeof Cells);
    Cells[0] = _INVENTORY{ID_WOODEN_AXE, 0, 1};
    Cells[1] = _INVENTORY{ID_WOODEN_PICKAXE, 0, 1};
    MaxHP = HP = 10;
    MaxFP = FP = 5;
    MaxBP = BP = 3;
    SP = Stars = Coins = 0;
    NumOfChests = 0;
    SelectedRecipe = 0;
    DayTime = 180;
    SubDayTime = 0;
}

// A redraw's verdict as InitGame's result: a closed window ends the new game
// quietly (the quit is already posted again), a failed draw ends the program.
static int32_t Abandon(int32_t progress) { return progress == PROGRESS_QUIT ? S_OK : E_FAIL; }

int32_t InitGame()
{
    // The redraw timer of this operation, started when the work starts.
    static int32_t uTime = 0;

    Init = 1;
    Seed = PlatformTime();
    QSrand(static_cast<uint32_t>(Seed));

    Material material = {};
    material.diffuse[0] = material.diffuse[1] = material.diffuse[2] = 1.0f;
    material.ambient[0] = material.ambient[1] = material.ambient[2] = 1.0f;
    DevSetMaterial(material);
    DevSetRenderState(RS_LIGHTING, 1);
    DevSetRenderState(RS_FOGENABLE, 0);

    State = STATE_PROGRESS;
    uTime = PlatformClock();
    ResetPlayer();
    strcpy(LoadingText, Lang == 1 ? "Inizializzazione" : "Initialization");

    if (IfFirstTime == 1) {
        if (InitMesh() < 0) return E_FAIL;
        if (int32_t status = RefreshProgress(uTime)) return Abandon(status);
        if (!AllocWorld()) {
            PlatformMessageBox("Memoria insufficiente per creare il mondo.");
            return E_FAIL;
        }
        IfFirstTime = 0;
    }

    if (int32_t status = GenerateWorld(uTime)) return Abandon(status);

    yTransCamera = static_cast<float>(SpawnHeight() + 5);
    State = STATE_PLAYING;
    DevSetRenderState(RS_FOGENABLE, 1);
    DevSetRenderState(RS_AMBIENT, 0x00FFFFFF);
    int32_t rect[4] = {0, 0, 0, 0};
    PlatformGetWindowRect(rect);
    PlatformSetCursorPos(rect[0] + 320, rect[1] + 240);
    Init = 0;
    return S_OK;
}
