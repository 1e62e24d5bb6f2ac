#include "app/menus.h"

#include <cstdio>

#include "app/text.h"
#include "core/state.h"
#include "core/status.h"
#include "game/input.h"
#include "platform/platform.h"
#include "save/paths.h"
#include "save/worldfile.h"
#include "worldgen/newgame.h"

namespace {

const uint32_t MenuTextColour = 0xFF000000;
const int MarkerX = 368;

// Background, then the marker arrow on the highlighted row.
void DrawMenuBackground(int32_t markerY)
{
    SpriteBegin();
    SpriteDraw(43, 0, 0, 800, 600, 0.0f, 0.0f, 0xFFFFFFFF);
    SpriteDraw(44, 0, 0, 16, 16, static_cast<float>(-MarkerX), static_cast<float>(-markerY), 0xFFFFFFFF);
    SpriteEnd();
}

// Marker row of entry `entry` (1-based) in a table of rows; 0 outside it.
int32_t MarkerRow(const int32_t* rows, int count, uint8_t entry)
{
    return (entry >= 1 && entry <= count) ? rows[entry - 1] : 0;
}

bool UpHeld() { return KeyHeld(KEY_W) || KeyHeld(KEY_UP); }
bool DownHeld() { return KeyHeld(KEY_S) || KeyHeld(KEY_DOWN); }

// Accepts a key action through the shared menu gate.
bool Accept(bool held)
{
    if (!held || !MenuGateOpen()) return false;
    MenuDelay = fTime;
    return true;
}

// Up and Down over entries 1..count; no wrap, and a move that cannot happen
// is not an accepted action. `exclusive`: Up only without Down and vice versa.
void MoveHighlight(uint8_t& entry, int count, bool exclusive)
{
    bool up = UpHeld(), down = DownHeld();
    if (exclusive && up && down) return;
    if (up && entry > 1 && Accept(true)) entry--;
    if (down && entry < count && Accept(true)) entry++;
}

}  // namespace

// --- Start menu -------------------------------------------------------------------

static const int32_t StartRows[3] = {280, 300, 320};

void DrawStartMenu()
{
    DrawMenuBackground(MarkerRow(StartRows, 3, StartMenu));
    D3DPrint(400, 280, MenuTextColour, "%s", Tr("Play", "Gioca"));
    D3DPrint(400, 300, MenuTextColour, "%s", Tr("Options", "Opzioni"));
    D3DPrint(400, 320, MenuTextColour, "%s", Tr("Quit", "Esci"));
    DrawFooter(FPS);
}

int32_t KeysStartMenu()
{
    MoveHighlight(StartMenu, 3, true);
    if (Accept(KeyHeld(KEY_RETURN))) {
        if (StartMenu == 1) {
            State = STATE_WORLD_SLOTS;
            Wld = 1;
        } else if (StartMenu == 2) {
            State = STATE_OPTIONS;
            Options = 3;
        } else if (StartMenu == 3) {
            State = STATE_QUIT;
            Quit = 2;
        }
    }
    if (Accept(KeyHeld(KEY_ESCAPE))) {
        State = STATE_QUIT;
        Quit = 2;
    }
    return S_OK;
}

// --- Options --------------------------------------------------------------------------

static const int32_t OptionRows[3] = {280, 300, 320};

void DrawOptionsMenu()
{
    static const char* const DistanceFormats[5] = {"%s (20 m)", "%s (30 m)", "%s (40 m)", "%s (50 m)",
                                                   "%s (60 m)"};
    static const char* const DistanceEnglish[5] = {"Tiny", "Short", "Normal", "Long", "Far"};
    static const char* const DistanceItalian[5] = {"Vicinissima", "Vicina", "Normale", "Lontana",
                                                   "Lontanissima"};
    DrawMenuBackground(MarkerRow(OptionRows, 3, Options));
    D3DPrint(400, 280, MenuTextColour, "Rendering:");
    if (RAM <= 4) D3DPrint(480, 280, MenuTextColour, DistanceFormats[RAM], Tr(DistanceEnglish[RAM], DistanceItalian[RAM]));
    D3DPrint(400, 300, MenuTextColour, "%s:", Tr("Language", "Lingua"));
    D3DPrint(480, 300, MenuTextColour, Lang == 1 ? "Italiano" : "English");
    D3DPrint(400, 320, MenuTextColour, "%s", Tr("Cancel", "Annulla"));
    DrawFooter(FPS);
}

int32_t KeysOptionsMenu()
{
    MoveHighlight(Options, 3, false);
    if (Accept(KeyHeld(KEY_RETURN))) {
        if (Options == 1) {
            RAM++;
            if (RAM > 4) RAM = 0;
        } else if (Options == 2) {
            Lang = Lang == 1 ? 2 : 1;
        } else if (Options == 3) {
            State = STATE_START_MENU;
        }
    }
    if (Accept(KeyHeld(KEY_ESCAPE))) State = STATE_START_MENU;
    return S_OK;
}

// --- Quit confirmation ----------------------------------------------------------------

static const int32_t QuitRows[2] = {300, 320};

void DrawQuitMenu()
{
    DrawMenuBackground(MarkerRow(QuitRows, 2, Quit));
    D3DPrint(400, 280, MenuTextColour, "%s?", Tr("Do you want to quit", "Uscire"));
    D3DPrint(400, 300, MenuTextColour, "%s", Tr("Yes", "Si'"));
    D3DPrint(400, 320, MenuTextColour, "No");
    DrawFooter(FPS);
}

int32_t KeysQuitMenu()
{
    MoveHighlight(Quit, 2, false);
    if (Accept(KeyHeld(KEY_RETURN))) {
        if (Quit == 1) PlatformPostQuit();
        else if (Quit == 2) State = STATE_START_MENU;
    }
    if (Accept(KeyHeld(KEY_ESCAPE))) State = STATE_START_MENU;
    return S_OK;
}

// --- Pause menu ---------------------------------------------------------------------------

static const int32_t PauseRows[3] = {290, 310, 330};

void DrawPauseMenu()
{
    DrawMenuBackground(MarkerRow(PauseRows, 3, Pause));
    D3DPrint(400, 270, MenuTextColour, "%s", Tr("Pause", "Pausa"));
    D3DPrint(400, 290, MenuTextColour, "%s", Tr("Continue", "Continua"));
    D3DPrint(400, 310, MenuTextColour, "%s", Tr("Save", "Salva"));
    D3DPrint(400, 330, MenuTextColour, "%s", Tr("Quit without saving", "Esci senza salvare"));
    DrawFooter(FPS);
}

static void ContinuePlaying()
{
    State = STATE_PLAYING;
    SelectedRecipe = 0;
}

int32_t KeysPauseMenu()
{
    MoveHighlight(Pause, 3, false);
    if (KeyHeld(KEY_RETURN) && MenuGateOpen()) {
        if (Pause == 1) {
            ContinuePlaying();
        } else if (Pause == 2) {
            Save = 1;
            SaveGame();
            Save = 0;
        } else if (Pause == 3) {
            xzRotCamera = 0.0f;
            yRotCamera = 0.0f;
            State = STATE_START_MENU;
        }
        // After a save this is the reading of its last redraw.
        MenuDelay = fTime;
    }
    if (Accept(KeyHeld(KEY_ESCAPE))) ContinuePlaying();
    return S_OK;
}

// --- World slots -------------------------------------------------------------------------

static const int32_t SlotRows[5] = {260, 280, 300, 320, 340};

bool SlotFileExists(int slot)
{
    char name[12];
    snprintf(name, sizeof name, "Mondo%d.data", slot);
    char path[1100];
    if (!BuildExePath(name, path, sizeof path)) return false;
    FILE* file = fopen(path, "r");
    if (file == nullptr) return false;
    fclose(file);
    return true;
}

void DrawWorldSlotMenu()
{
    static const char* const English[5] = {"World1", "World2", "World3", "World4", "Cancel"};
    static const char* const Italian[5] = {"Mondo1", "Mondo2", "Mondo3", "Mondo4", "Annulla"};
    DrawMenuBackground(MarkerRow(SlotRows, 5, Wld));
    for (int entry = 1; entry <= 5; entry++)
        D3DPrint(400, SlotRows[entry - 1], MenuTextColour, "%s", Tr(English[entry - 1], Italian[entry - 1]));
    for (int slot = 1; slot <= 4; slot++) {
        int32_t y = 240 + 20 * slot;
        if (SlotFileExists(slot)) D3DPrint(550, y, MenuTextColour, "400MB");
        else D3DPrint(550, y, MenuTextColour, "(%s)", Tr("Empty", "Vuoto"));
    }
    DrawFooter(FPS);
}

int32_t KeysWorldSlotMenu()
{
    MoveHighlight(Wld, 5, false);
    if (KeyHeld(KEY_RETURN) && MenuGateOpen()) {
        if (Wld == 5) {
            State = STATE_START_MENU;
        } else if (Wld >= 1 && Wld <= 4) {
            if (SlotFileExists(Wld)) {
                // A load that fails leaves the player on this screen.
                if (LoadGame() >= 0) State = STATE_PLAYING;
            } else {
                if (InitGame() < 0) return E_FAIL;
                State = STATE_PLAYING;
            }
        }
        // After a long operation this is the reading of its last redraw.
        MenuDelay = fTime;
    }
    if (Accept(KeyHeld(KEY_ESCAPE))) State = STATE_START_MENU;
    return S_OK;
}
