#include "app/progress.h"

#include "app/text.h"
#include "core/state.h"
#include "platform/platform.h"

int32_t ProgressFade = 241;
uint8_t ProgressFadeUp = 0;

void StepProgressFade()
{
    if (ProgressFade > 240) {
        ProgressFade -= 16;
        ProgressFadeUp = 0;
    } else if (ProgressFadeUp == 0) {
        ProgressFade -= 16;
        if (ProgressFade <= 81) {
            ProgressFade += 16;
            ProgressFadeUp = 1;
        }
    } else {
        ProgressFade += 16;
    }
}

void DrawProgressScreen()
{
    StepProgressFade();
    uint32_t colour = static_cast<uint32_t>(ProgressFade) << 24;
    SpriteBegin();
    SpriteDraw(43, 0, 0, 800, 600, 0.0f, 0.0f, 0xFFFFFFFF);
    SpriteEnd();
    D3DPrint(350, 450, colour, "%s ...", Tr("Loading", "Caricamento"));
    if (Save == 1) D3DPrint(350, 470, colour, "%s", Tr("Saving", "Salvataggio"));
    else if (Init == 1) D3DPrint(CentredX(LoadingText), 470, colour, "%s", LoadingText);
    else D3DPrint(350, 470, colour, "%s", Tr("Reading from file", "Lettura da file"));
    // Long work redraws about four times a second.
    DrawFooter(4);
}
