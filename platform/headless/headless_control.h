// Test-side control of the headless platform: scripted keys, mouse motion
// and buttons, a clock the test sets, queued window messages, forced
// failures, and the record of every drawing call the game made.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class CallKind {
    BeginScene, EndScene, Clear, Present,
    RenderState, SetTexture, SetTransform, SetMaterial, DrawQuad,
    SpriteBegin, SpriteDraw, SpriteEnd, SpriteScale,
    Text, CreateTexture, ReleaseTexture, MessageBox, Screenshot,
};

// One recorded call; only the fields that matter for its kind are set.
struct RecordedCall {
    RecordedCall(CallKind k) : kind(k) {}
    CallKind kind;
    int slot = -1;           // texture slot, quad buffer or render state
    uint32_t value = 0;      // colour or state value
    float f = 0.0f;          // float state value
    int32_t x = 0, y = 0;    // position (text left/top, sprite top-left in pixels)
    int32_t w = 0, h = 0;    // source size of a sprite, rectangle size of a text
    std::string text;        // text printed, message box text, screenshot path
};

namespace headless {

// Back to a fresh machine: no window, no device, clock 0, no keys, empty record.
void Reset();

// Clock in milliseconds, and calendar time in seconds.
void SetClock(int32_t ms);
void AdvanceClock(int32_t ms);
int32_t Clock();
void SetCalendarTime(int32_t seconds);
// Every clock reading advances the clock by this much afterwards (0: frozen).
void SetClockStep(int32_t ms);

// Keys held by scan code until released.
void HoldKey(int scanCode, bool held = true);
void ReleaseAllKeys();
// Mouse motion returned by the next read (then zero), and buttons held.
void MoveMouse(int32_t dx, int32_t dy);
void HoldButton(int button, bool held = true);

// Messages taken one per PlatformPeekMessage, in order.
void QueueQuit();
void QueueOther();
bool QuitPosted();  // a quit is pending (posted by the game or queued)

// Forced failures.
void FailWindow(bool fail);
void FailDevice(bool fail);
void FailBeginScene(bool fail);
void FailTexture(int slot);  // -1 for none
void FailKeyboardRead(int times);

// Where PlatformExePath points: "<dir>/quarrow".
void SetExeDir(const std::string& dir);

// What the game drew and asked for.
std::vector<RecordedCall>& Calls();
void ClearCalls();
std::vector<std::string> Texts();   // texts printed since the last ClearCalls
std::vector<std::string> MessageBoxes();
bool WindowExists();
bool CursorShown();
int TexturesAlive();
int QuadsAlive();
// Width, height and alpha of the image created in a slot (0 when none).
struct TextureInfo { int width = 0, height = 0; bool alpha = false; };
TextureInfo TextureIn(int slot);
// The PNG bytes given to a slot.
const uint8_t* TextureBytes(int slot);
// Order in which slots were created.
std::vector<int> TextureCreationOrder();
// Whether recording keeps every call (true) or only counts frames.
void RecordCalls(bool on);

}  // namespace headless
