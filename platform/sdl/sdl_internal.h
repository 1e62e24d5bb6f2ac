// What the files of the SDL + OpenGL platform share among themselves: the
// window, the switch between the game's 3D state and the 2D state of text
// and sprites, and the GL textures behind the slots. Not seen by the game.
#pragma once
#include <SDL.h>

#include <cstdint>

namespace sdl {

constexpr int ScreenWidth = 800;
constexpr int ScreenHeight = 600;

// The one window; null before PlatformCreateWindow and after teardown.
extern SDL_Window* Window;

// Re-applies the pointer wish (shown, or hidden in relative mode) to the window.
void ApplyCursorMode();

// Flushes pending quads and sets the 2D state shared by sprites and text:
// 800 x 600 pixels y down, alpha blending, no depth, fog or culling.
// Returns false when there is no device.
bool Begin2D();
// Puts back every state the game had set before Begin2D.
void End2D();

// Draws texels (u0, v0)-(u1, v1) of a GL texture over the pixel rectangle
// (x0, y0)-(x1, y1), modulated by a packed 0xAARRGGBB colour; 2D state only.
void DrawTexturedRect(unsigned texture, float u0, float v0, float u1, float v1, float x0, float y0,
                      float x1, float y1, uint32_t argb);

// GL texture of a slot with its size in texels; 0 when the slot is empty.
unsigned SlotTexture(int slot, int& width, int& height);

} // namespace sdl
