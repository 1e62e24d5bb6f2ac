// The input step `SetupKeys`: every frame it reads the clock, the keyboard
// and the mouse (the prologue), then runs the handler of the current screen.
#pragma once
#include <cstdint>

// Device readings of this frame, refreshed by the prologue of every input step.
extern uint8_t Keys[256];  // by scan code, 0x80 while held
extern uint8_t Mouse[20];  // x, y, wheel (int32 each), 8 button bytes
extern int32_t fTime;      // clock reading of this step
extern int32_t nTime;      // fTime of the previous step
extern int32_t lTime;      // fTime - nTime
// Time of the last accepted menu action; shared by every screen.
extern int32_t MenuDelay;

constexpr int32_t MenuGate = 175;

inline bool KeyHeld(int code) { return (Keys[code] & 0x80) != 0; }
// The shared menu gate: a key action is accepted 175 ms after the last one.
inline bool MenuGateOpen() { return fTime >= MenuDelay + MenuGate; }

// The input step: 0, or E_FAIL when a new world could not be started.
int32_t SetupKeys();
