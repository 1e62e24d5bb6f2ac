#include "game/input.h"

#include <cstring>

#include "app/menus.h"
#include "core/state.h"
#include "core/status.h"
#include "game/playing.h"
#include "platform/platform.h"

uint8_t Keys[256] = {};
uint8_t Mouse[20] = {};
int32_t fTime = 0;
int32_t nTime = 0;
int32_t lTime = 0;
int32_t MenuDelay = 0;

// A failed read is retried once after re-acquiring; a second failure gives
// a frame with no input rather than stale input.
static void SampleDevices()
{
    memset(Keys, 0, sizeof Keys);
    if (!InputReadKeyboard(Keys)) {
        InputAcquireKeyboard();
        memset(Keys, 0, sizeof Keys);
        if (!InputReadKeyboard(Keys)) memset(Keys, 0, sizeof Keys);
    }
    memset(Mouse, 0, sizeof Mouse);
    if (!InputReadMouse(Mouse)) {
        InputAcquireMouse();
        memset(Mouse, 0, sizeof Mouse);
        if (!InputReadMouse(Mouse)) memset(Mouse, 0, sizeof Mouse);
    }
}

int32_t SetupKeys()
{
    fTime = PlatformClock();
    lTime = fTime - nTime;
    SampleDevices();
    int32_t status = S_OK;
    switch (State) {
    case STATE_START_MENU: status = KeysStartMenu(); break;
    case STATE_PLAYING: status = KeysPlaying(); break;
    case STATE_OPTIONS: status = KeysOptionsMenu(); break;
    case STATE_QUIT: status = KeysQuitMenu(); break;
    case STATE_PAUSE: status = KeysPauseMenu(); break;
    case STATE_WORLD_SLOTS: status = KeysWorldSlotMenu(); break;
    default: break;  // the progress screen and screens without input only sample
    }
    if (status < 0) return E_FAIL;
    nTime = fTime;
    return S_OK;
}
