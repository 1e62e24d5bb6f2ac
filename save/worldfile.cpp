#include "save/worldfile.h"

#include "core/status.h"
#include "platform/platform.h"

// World files are not read or written yet: say so instead of pretending.
int32_t LoadGame()
{
    PlatformMessageBox("Caricamento dei mondi non ancora disponibile.");
    return E_FAIL;
}

int32_t SaveGame()
{
    PlatformMessageBox("Salvataggio dei mondi non ancora disponibile.");
    return E_FAIL;
}
