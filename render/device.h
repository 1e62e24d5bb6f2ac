// The window, the graphics device with its baseline pipeline state, the
// font, the sprite batcher, the 124 textures and the input devices: created
// once at start-up and released in order at shutdown.
#pragma once
#include <cstdint>

// Sky colour components, 75, 125 and 245 once the device exists.
extern float R, G, B;

// Creates the window and then the device (InitD3D). 0, or E_FAIL after an
// "ERRORE" message; the window is then reported missing.
int32_t CreateD3DWindow(const char* title, int32_t width, int32_t height, uint8_t fullScreen);
// Device, input, baseline states and fog, font, textures, sprite batcher.
int32_t InitD3D(int32_t width, int32_t height, uint8_t fullScreen);
// Saves the settings, frees the grid and releases everything. Always 0.
int32_t KillD3DWindow();
// Releases input, sprites, textures, font, quads, device and window, in that order.
void ReleaseD3D();
// The window exists and the device was made (the `hWnd` test of start-up).
bool WindowReady();

// Fog start, end and density for a rendering distance 0..4.
void FogForDistance(uint8_t ram, float& start, float& end, float& density);
