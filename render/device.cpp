#include "render/device.h"

#include "assets/embedded.h"
#include "core/state.h"
#include "core/status.h"
#include "core/world.h"
#include "platform/platform.h"
#include "save/settings.h"

float R = 0.0f, G = 0.0f, B = 0.0f;

// Whether the window and device are usable; false after any creation failure.
static bool WindowOk = false;

bool WindowReady() { return WindowOk; }

void FogForDistance(uint8_t ram, float& start, float& end, float& density)
{
    float d = static_cast<float>((ram + 2) * 10);
    start = d * 0.5f;
    end = d / 1.1486983f;
    density = 0.125f / static_cast<float>(ram + 2);
}

int32_t CreateD3DWindow(const char* title, int32_t width, int32_t height, uint8_t fullScreen)
{
    WindowOk = false;
    EmbeddedFile icon = EmbeddedIcon();
    if (!PlatformCreateWindow(title, width, height, icon.data, icon.size)) {
        PlatformMessageBox("Creazione della finestra fallita.");
        return E_FAIL;
    }
    if (InitD3D(width, height, fullScreen) < 0) return E_FAIL;
    WindowOk = true;
    return S_OK;
}

static void SetBaselineStates()
{
    DevSetRenderState(RS_CULLMODE, CULL_CW);
    DevSetRenderState(RS_ZENABLE, 1);
    DevSetRenderState(RS_NORMALIZENORMALS, 0);
    DevSetRenderState(RS_SHADEMODE, SHADE_FLAT);
    DevSetRenderState(RS_FILLMODE, FILL_SOLID);
}

static void SetFog()
{
    float start, end, density;
    FogForDistance(RAM, start, end, density);
    R = 75.0f;
    G = 125.0f;
    B = 245.0f;
    DevSetRenderState(RS_FOGVERTEXMODE, FOG_LINEAR);
    DevSetRenderStateF(RS_FOGSTART, start);
    DevSetRenderStateF(RS_FOGEND, end);
    DevSetRenderStateF(RS_FOGDENSITY, density);
    uint32_t colour = (static_cast<uint32_t>(R) & 0xFF) << 16 | (static_cast<uint32_t>(G) & 0xFF) << 8 |
                      (static_cast<uint32_t>(B) & 0xFF);
    DevSetRenderState(RS_FOGCOLOR, colour);
    DevSetRenderState(RS_FOGENABLE, 0);
}

static void SetBlendStates()
{
    DevSetPointFilter();
    DevSetRenderState(RS_BLENDOP, BLENDOP_MIN);
    DevSetRenderState(RS_ALPHABLENDENABLE, 0);
    DevSetRenderState(RS_ALPHATESTENABLE, 1);
    DevSetRenderState(RS_SRCBLEND, BLEND_ONE);
    DevSetRenderState(RS_DESTBLEND, BLEND_ONE);
}

// Slot k holds image k + 1; the last slot holds image 0.
static int32_t CreateTextures()
{
    for (int slot = 0; slot < NumTextureSlots; slot++) {
        EmbeddedFile image = EmbeddedImage(slot == NumTextureSlots - 1 ? 0 : slot + 1);
        if (!DevCreateTexture(slot, image.data, image.size)) {
            PlatformMessageBox("Errore nel caricamento delle texture.");
            return E_FAIL;
        }
    }
    return S_OK;
}

int32_t InitD3D(int32_t, int32_t, uint8_t)
{
    if (!DevCreate()) {
        PlatformMessageBox("Impossibile creare un Device Direct3D.");
        return E_FAIL;
    }
    InputCreate();  // a missing keyboard or mouse only means no input
    SetBaselineStates();
    SetFog();
    FontCreate();
    SetBlendStates();
    if (CreateTextures() < 0) return E_FAIL;
    SpriteCreate();
    return S_OK;
}

void ReleaseD3D()
{
    InputRelease();
    SpriteRelease();
    for (int slot = 0; slot < NumTextureSlots; slot++) DevReleaseTexture(slot);
    FontRelease();
    for (int buffer = 0; buffer < NumQuadBuffers; buffer++) DevReleaseQuad(buffer);
    DevRelease();
    PlatformDestroyWindow();
    PlatformShowCursor(true);
    WindowOk = false;
}

int32_t KillD3DWindow()
{
    SaveOptions();
    FreeWorld();
    ReleaseD3D();
    return S_OK;
}
