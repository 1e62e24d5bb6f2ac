#include "app/frame.h"

#include <cstdio>

#include "app/menus.h"
#include "app/progress.h"
#include "app/text.h"
#include "core/state.h"
#include "core/status.h"
#include "game/input.h"
#include "platform/platform.h"
#include "render/device.h"
#include "render/geometry.h"
#include "render/scene.h"
#include "save/settings.h"

int32_t ProgressCountdown = ProgressCheckInterval;

// Frame counting for FPS: start of the measuring window and frames in it.
static int32_t FrameWindowStart = 0;
static int32_t FramesInWindow = 0;

int32_t StartUp()
{
    RAM = 0;
    Lang = 1;
    LoadOptions();
    IfFirstTime = 1;
    PlatformShowCursor(false);
    char title[64];
    snprintf(title, sizeof title, "Quarrow %s", VersionText);
    CreateD3DWindow(title, 800, 600, 0);
    State = STATE_START_MENU;
    StartMenu = 1;
    BuildFaceMatrices();
    if (!WindowReady()) {
        PlatformShowCursor(true);
        return -1;
    }
    FrameWindowStart = PlatformClock();
    FramesInWindow = 0;
    return 0;
}

bool RunFrame(int32_t& exitCode)
{
    exitCode = 0;
    // A quit taken here still lets this iteration run; the loop ends after it.
    int message = PlatformPeekMessage();
    if (DrawD3DScene() < 0 || SetupKeys() < 0) {
        exitCode = -1;
        return false;
    }
    FramesInWindow++;
    if (PlatformClock() - FrameWindowStart > 999) {
        FPS = FramesInWindow;
        FrameWindowStart = PlatformClock();
        FramesInWindow = 0;
    }
    Polygons = 0;
    return message != MSG_QUIT;
}

int32_t ShutDown()
{
    if (KillD3DWindow() < 0) {
        PlatformMessageBox("Errore nella chiusura dell'applicazione");
        PlatformShowCursor(true);
        return -1;
    }
    return 0;
}

int32_t GameMain()
{
    if (StartUp() < 0) return -1;
    int32_t exitCode = 0;
    while (RunFrame(exitCode)) {
    }
    if (exitCode < 0) return -1;
    return ShutDown();
}

// The drawing branch of a screen; null for screens that draw nothing.
typedef void (*ScreenDraw)();

static ScreenDraw DrawBranch(uint8_t state)
{
    switch (state) {
    case STATE_PROGRESS: return DrawProgressScreen;
    case STATE_START_MENU: return DrawStartMenu;
    case STATE_PLAYING: return DrawPlayingScene;
    case STATE_OPTIONS: return DrawOptionsMenu;
    case STATE_QUIT: return DrawQuitMenu;
    case STATE_PAUSE: return DrawPauseMenu;
    case STATE_WORLD_SLOTS: return DrawWorldSlotMenu;
    default: return nullptr;
    }
}

int32_t DrawD3DScene()
{
    if (!DevExists()) {
        PlatformMessageBox("Errore nel caricamento del Device.");
        return E_FAIL;
    }
    ScreenDraw draw = DrawBranch(State);
    if (draw != nullptr) {
        if (State == STATE_PLAYING) PreparePlayingScene();
        if (!DevBeginScene()) {
            PlatformMessageBox("Impossibile creare la scena.");
            return E_FAIL;
        }
        draw();
        DevEndScene();
    }
    DevPresent();
    return S_OK;
}

int32_t RefreshProgressCheck(int32_t& uTime)
{
    ProgressCountdown = ProgressCheckInterval;
    if (PlatformClock() < uTime + 250) return PROGRESS_GO_ON;
    if (DrawD3DScene() < 0) return E_FAIL;
    uTime = PlatformClock();
    // In the progress state the input step only samples the devices, so the
    // first frame after the work does not see it all as elapsed time.
    SetupKeys();
    if (PlatformPeekMessage() == MSG_QUIT) {
        PlatformPostQuit();
        return PROGRESS_QUIT;
    }
    return PROGRESS_GO_ON;
}
