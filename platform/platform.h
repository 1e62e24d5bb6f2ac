// The narrow layer between the game and the machine: the window and its
// messages, the clock, message boxes, the 3D device with its font and sprite
// batcher, and keyboard and mouse reading. Two implementations sit behind
// these free functions: SDL2 + OpenGL (platform/sdl) and a headless one for
// tests (platform/headless). Game code never includes SDL or GL headers.
#pragma once
#include <cstddef>
#include <cstdint>

#include "core/matrix.h"

// --- Window, messages, cursor -------------------------------------------

// Creates the 800 x 600 window: centred, not resizable, titled, with the
// icon decoded from `iconPng`; disables the screen saver. False on failure.
bool PlatformCreateWindow(const char* title, int width, int height,
                          const uint8_t* iconPng, size_t iconSize);
void PlatformDestroyWindow();
bool PlatformWindowExists();

enum PlatformMessage : int {
    MSG_NONE = 0,  // nothing pending
    MSG_QUIT = 1,  // the quit message (window closed or a posted quit)
    MSG_OTHER = 2, // any other message, already dispatched
};
// Takes at most one pending message without waiting. Keyboard and mouse
// events are drained on every call so they never pile up; the game reads
// the devices' state instead.
int PlatformPeekMessage();
// Posts the quit message; a later PlatformPeekMessage returns MSG_QUIT.
void PlatformPostQuit();

void PlatformShowCursor(bool show);
// Window rectangle in screen coordinates: left, top, right, bottom.
bool PlatformGetWindowRect(int32_t rect[4]);
// Puts the hidden pointer at a screen position.
void PlatformSetCursorPos(int32_t x, int32_t y);

// A modal box titled "ERRORE" with a warning icon and OK; the text also goes
// to standard error, so that it is seen without a display.
void PlatformMessageBox(const char* text);

// --- Time and files -------------------------------------------------------

// Milliseconds of a monotonic clock with an arbitrary origin.
int32_t PlatformClock();
// Calendar time in seconds.
int32_t PlatformTime();
// Full path of the running executable ("" when unknown).
void PlatformExePath(char* buffer, size_t size);

// --- Graphics device ------------------------------------------------------

// Creates the GL context (16-bit depth, vsync where there is one).
bool DevCreate();
void DevRelease();
bool DevExists();

bool DevBeginScene();
void DevEndScene();
// Clears colour to a packed 0xAARRGGBB and depth to 1.0.
void DevClear(uint32_t argb);
void DevPresent();

// Render states the game sets, with the values the game uses.
enum RenderState : int {
    RS_CULLMODE,          // CULL_NONE, CULL_CW, CULL_CCW (clockwise on screen culled)
    RS_ZENABLE,           // 0 / 1
    RS_ZWRITEENABLE,      // 0 / 1
    RS_NORMALIZENORMALS,  // 0 / 1 (no effect without lights)
    RS_SHADEMODE,         // SHADE_FLAT, SHADE_GOURAUD
    RS_FILLMODE,          // FILL_SOLID, FILL_WIREFRAME
    RS_LIGHTING,          // 0 / 1
    RS_AMBIENT,           // packed 0xAARRGGBB
    RS_FOGENABLE,         // 0 / 1
    RS_FOGVERTEXMODE,     // FOG_NONE, FOG_LINEAR
    RS_FOGSTART,          // float, through DevSetRenderStateF
    RS_FOGEND,            // float
    RS_FOGDENSITY,        // float
    RS_FOGCOLOR,          // packed 0x00RRGGBB
    RS_ALPHABLENDENABLE,  // 0 / 1
    RS_ALPHATESTENABLE,   // 0 / 1 (every pixel passes)
    RS_BLENDOP,           // BLENDOP_ADD, BLENDOP_MIN
    RS_SRCBLEND,          // BLEND_*
    RS_DESTBLEND,         // BLEND_*
    RS_COUNT
};
enum : uint32_t { CULL_NONE = 1, CULL_CW = 2, CULL_CCW = 3 };
enum : uint32_t { SHADE_FLAT = 1, SHADE_GOURAUD = 2 };
enum : uint32_t { FILL_WIREFRAME = 2, FILL_SOLID = 3 };
enum : uint32_t { FOG_NONE = 0, FOG_LINEAR = 3 };
enum : uint32_t { BLENDOP_ADD = 1, BLENDOP_MIN = 4 };
enum : uint32_t {
    BLEND_ZERO = 1,
    BLEND_ONE = 2,
    BLEND_SRCCOLOR = 3,
    BLEND_INVSRCCOLOR = 4,
    BLEND_SRCALPHA = 5,
    BLEND_INVSRCALPHA = 6,
    BLEND_DESTCOLOR = 9,
    BLEND_INVDESTCOLOR = 10,
};
void DevSetRenderState(RenderState state, uint32_t value);
void DevSetRenderStateF(RenderState state, float value);
// Point filtering for minification and magnification on stage 0.
void DevSetPointFilter();

enum TransformKind : int { TS_WORLD = 0, TS_VIEW = 1, TS_PROJECTION = 2 };
// Matrices in the game's left-handed row-vector convention, depth 0..1.
void DevSetTransform(TransformKind kind, const Matrix& matrix);

// With lighting on, white ambient and no lights, a face's colour is the
// material's ambient colour and its alpha the diffuse alpha (0..1 each).
struct Material {
    float diffuse[4]; // r, g, b, a
    float ambient[4]; // r, g, b, a
};
void DevSetMaterial(const Material& material);

constexpr int NumTextureSlots = 124;
// Creates texture `slot` from an embedded PNG image; false on failure.
bool DevCreateTexture(int slot, const uint8_t* png, size_t size);
void DevReleaseTexture(int slot);
// Binds a slot to stage 0; -1 unbinds.
void DevSetTexture(int slot);

// One vertex of a block quad: position, normal, texture coordinates.
struct Vertex {
    float x, y, z;
    float nx, ny, nz;
    float u, v;
};
static_assert(sizeof(Vertex) == 32, "a vertex is eight floats");
constexpr int NumQuadBuffers = 3;
// Stores quad `buffer` (0..2): four vertices drawn as triangles (1,2,3),(1,3,0).
bool DevCreateQuad(int buffer, const Vertex vertices[4]);
void DevReleaseQuad(int buffer);
// Draws quad `buffer` with the current world transform, material, texture
// and states. Calls may be batched; the picture is the same as one by one.
void DevDrawQuad(int buffer);

// Writes the back buffer (before present) to a PNG file; false on failure.
bool DevSaveScreenshot(const char* path);

// --- Font -------------------------------------------------------------------

// The one font: 13 px italic, antialiased.
bool FontCreate();
void FontRelease();
// Draws `text` left- and top-aligned in the rectangle, clipped to it.
void FontDrawText(const char* text, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  uint32_t argb);

// --- Sprite batcher ---------------------------------------------------------

bool SpriteCreate();
void SpriteRelease();
// Begins a batch in alpha-blend mode, in 800 x 600 pixel space, y down.
void SpriteBegin();
// Draws the source rectangle of a texture slot with its top-left corner at
// (-centreX, -centreY) multiplied by the sprite transform, modulated by argb.
void SpriteDraw(int slot, int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom,
                float centreX, float centreY, uint32_t argb);
void SpriteEnd();
// The 2D transform: a scaling about the origin.
void SpriteSetScale(float sx, float sy);

// --- Input ------------------------------------------------------------------

bool InputCreate();
void InputRelease();
// 256 bytes by PC set-1 scan code, 0x80 while held. False when the read failed.
bool InputReadKeyboard(uint8_t keys[256]);
void InputAcquireKeyboard();
// 20 bytes: relative x, y, wheel (int32 each, motion since the last read),
// then 8 button bytes (0 left, 1 right), non-zero while held.
bool InputReadMouse(uint8_t mouse[20]);
void InputAcquireMouse();

// PC set-1 scan codes the game uses.
enum ScanCode : int {
    KEY_ESCAPE = 1,
    KEY_1 = 2, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9,
    KEY_Q = 16, KEY_W = 17, KEY_E = 18, KEY_R = 19, KEY_I = 23,
    KEY_RETURN = 28,
    KEY_A = 30, KEY_S = 31, KEY_D = 32,
    KEY_SPACE = 57,
    KEY_F3 = 61, KEY_F4 = 62, KEY_F5 = 63,
    KEY_UP = 200, KEY_LEFT = 203, KEY_RIGHT = 205, KEY_DOWN = 208,
    KEY_DELETE = 211,
};
