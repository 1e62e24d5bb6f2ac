#include "game/playing.h"

#include "core/state.h"
#include "core/status.h"
#include "game/input.h"
#include "platform/platform.h"
#include "worldgen/daycycle.h"

int32_t KeysPlaying()
{
    UpdateDayTime();
    if (KeyHeld(KEY_ESCAPE) && MenuGateOpen()) {
        State = STATE_PAUSE;
        Pause = 1;
        MenuDelay = fTime;
    }
    return S_OK;
}
