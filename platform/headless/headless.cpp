// The headless platform: no window, no GL. Input and time come from the
// test; every drawing call is recorded so that tests can look at what a
// player would have seen.
#include <cstdio>
#include <cstring>
#include <deque>

#include "platform/headless/headless_control.h"
#include "platform/platform.h"

namespace {

struct Machine {
    int32_t clock = 0;
    int32_t clockStep = 0;
    int32_t calendar = 0;
    bool keys[256] = {};
    int32_t mouseDx = 0, mouseDy = 0;
    bool buttons[8] = {};
    std::deque<int> messages;
    bool failWindow = false, failDevice = false, failBegin = false;
    int failTexture = -1;
    int failKeyboardReads = 0;
    std::string exeDir = "/tmp";
    bool window = false, device = false, cursorShown = true;
    bool font = false, sprite = false, input = false;
    bool textures[NumTextureSlots] = {};
    headless::TextureInfo info[NumTextureSlots];
    const uint8_t* bytes[NumTextureSlots] = {};
    std::vector<int> creationOrder;
    bool quads[NumQuadBuffers] = {};
    bool record = true;
    std::vector<RecordedCall> calls;
    float spriteScaleX = 1.0f, spriteScaleY = 1.0f;
};

Machine& M()
{
    static Machine machine;
    return machine;
}

void Record(RecordedCall call)
{
    if (M().record || call.kind == CallKind::MessageBox) M().calls.push_back(std::move(call));
}

uint32_t ReadBE32(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

// Reads the image header only: enough to know size and alpha.
bool ReadPngHeader(const uint8_t* png, size_t size, headless::TextureInfo& info)
{
    static const uint8_t Signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png == nullptr || size < 33 || memcmp(png, Signature, 8) != 0) return false;
    if (memcmp(png + 12, "IHDR", 4) != 0) return false;
    info.width = static_cast<int>(ReadBE32(png + 16));
    info.height = static_cast<int>(ReadBE32(png + 20));
    uint8_t colourType = png[25];
    info.alpha = colourType == 6 || colourType == 4;
    return info.width > 0 && info.height > 0;
}

}  // namespace

// --- Test control -------------------------------------------------------------

namespace headless {

void Reset() { M() = Machine(); }
void SetClock(int32_t ms) { M().clock = ms; }
void AdvanceClock(int32_t ms) { M().clock += ms; }
int32_t Clock() { return M().clock; }
void SetCalendarTime(int32_t seconds) { M().calendar = seconds; }
void SetClockStep(int32_t ms) { M().clockStep = ms; }
void HoldKey(int scanCode, bool held) { M().keys[scanCode & 0xFF] = held; }
void ReleaseAllKeys() { memset(M().keys, 0, sizeof M().keys); }
void MoveMouse(int32_t dx, int32_t dy)
{
    M().mouseDx += dx;
    M().mouseDy += dy;
}
void HoldButton(int button, bool held) { M().buttons[button & 7] = held; }
void QueueQuit() { M().messages.push_back(MSG_QUIT); }
void QueueOther() { M().messages.push_back(MSG_OTHER); }
bool QuitPosted()
{
    for (int m : M().messages)
        if (m == MSG_QUIT) return true;
    return false;
}
void FailWindow(bool fail) { M().failWindow = fail; }
void FailDevice(bool fail) { M().failDevice = fail; }
void FailBeginScene(bool fail) { M().failBegin = fail; }
void FailTexture(int slot) { M().failTexture = slot; }
void FailKeyboardRead(int times) { M().failKeyboardReads = times; }
void SetExeDir(const std::string& dir) { M().exeDir = dir; }
std::vector<RecordedCall>& Calls() { return M().calls; }
void ClearCalls() { M().calls.clear(); }
std::vector<std::string> Texts()
{
    std::vector<std::string> texts;
    for (const RecordedCall& c : M().calls)
        if (c.kind == CallKind::Text) texts.push_back(c.text);
    return texts;
}
std::vector<std::string> MessageBoxes()
{
    std::vector<std::string> boxes;
    for (const RecordedCall& c : M().calls)
        if (c.kind == CallKind::MessageBox) boxes.push_back(c.text);
    return boxes;
}
bool WindowExists() { return M().window; }
bool CursorShown() { return M().cursorShown; }
int TexturesAlive()
{
    int n = 0;
    for (bool t : M().textures) n += t;
    return n;
}
int QuadsAlive()
{
    int n = 0;
    for (bool q : M().quads) n += q;
    return n;
}
TextureInfo TextureIn(int slot)
{
    if (slot < 0 || slot >= NumTextureSlots || !M().textures[slot]) return {};
    return M().info[slot];
}
const uint8_t* TextureBytes(int slot)
{
    if (slot < 0 || slot >= NumTextureSlots || !M().textures[slot]) return nullptr;
    return M().bytes[slot];
}
std::vector<int> TextureCreationOrder() { return M().creationOrder; }
void RecordCalls(bool on) { M().record = on; }

}  // namespace headless

// --- Window, messages, cursor ---------------------------------------------------

bool PlatformCreateWindow(const char*, int, int, const uint8_t*, size_t)
{
    if (M().failWindow) return false;
    M().window = true;
    return true;
}
void PlatformDestroyWindow() { M().window = false; }
bool PlatformWindowExists() { return M().window; }

int PlatformPeekMessage()
{
    if (M().messages.empty()) return MSG_NONE;
    int message = M().messages.front();
    M().messages.pop_front();
    return message;
}
void PlatformPostQuit() { M().messages.push_back(MSG_QUIT); }
void PlatformShowCursor(bool show) { M().cursorShown = show; }
bool PlatformGetWindowRect(int32_t rect[4])
{
    rect[0] = 112;
    rect[1] = 84;
    rect[2] = 912;
    rect[3] = 684;
    return M().window;
}
void PlatformSetCursorPos(int32_t, int32_t) {}
void PlatformMessageBox(const char* text)
{
    RecordedCall call{CallKind::MessageBox};
    call.text = text;
    Record(call);
}

int32_t PlatformClock()
{
    int32_t now = M().clock;
    M().clock += M().clockStep;
    return now;
}
int32_t PlatformTime() { return M().calendar; }
void PlatformExePath(char* buffer, size_t size)
{
    snprintf(buffer, size, "%s/quarrow", M().exeDir.c_str());
}

// --- Device --------------------------------------------------------------------

bool DevCreate()
{
    if (M().failDevice) return false;
    M().device = true;
    return true;
}
void DevRelease() { M().device = false; }
bool DevExists() { return M().device; }
bool DevBeginScene()
{
    if (M().failBegin || !M().device) return false;
    Record({CallKind::BeginScene});
    return true;
}
void DevEndScene() { Record({CallKind::EndScene}); }
void DevClear(uint32_t argb)
{
    RecordedCall call{CallKind::Clear};
    call.value = argb;
    Record(call);
}
void DevPresent() { Record({CallKind::Present}); }
void DevSetRenderState(RenderState state, uint32_t value)
{
    RecordedCall call{CallKind::RenderState};
    call.slot = state;
    call.value = value;
    Record(call);
}
void DevSetRenderStateF(RenderState state, float value)
{
    RecordedCall call{CallKind::RenderState};
    call.slot = state;
    call.f = value;
    Record(call);
}
void DevSetPointFilter() {}
void DevSetTransform(TransformKind kind, const Matrix&)
{
    RecordedCall call{CallKind::SetTransform};
    call.slot = kind;
    Record(call);
}
void DevSetMaterial(const Material& material)
{
    RecordedCall call{CallKind::SetMaterial};
    auto byte = [](float v) { return static_cast<uint32_t>(v * 255.0f) & 0xFF; };
    call.value = byte(material.diffuse[3]) << 24 | byte(material.ambient[0]) << 16 |
                 byte(material.ambient[1]) << 8 | byte(material.ambient[2]);
    Record(call);
}
bool DevCreateTexture(int slot, const uint8_t* png, size_t size)
{
    if (slot < 0 || slot >= NumTextureSlots || slot == M().failTexture) return false;
    headless::TextureInfo info;
    if (!ReadPngHeader(png, size, info)) return false;
    M().textures[slot] = true;
    M().info[slot] = info;
    M().bytes[slot] = png;
    M().creationOrder.push_back(slot);
    RecordedCall call{CallKind::CreateTexture};
    call.slot = slot;
    Record(call);
    return true;
}
void DevReleaseTexture(int slot)
{
    if (slot < 0 || slot >= NumTextureSlots || !M().textures[slot]) return;
    M().textures[slot] = false;
    RecordedCall call{CallKind::ReleaseTexture};
    call.slot = slot;
    Record(call);
}
void DevSetTexture(int slot)
{
    RecordedCall call{CallKind::SetTexture};
    call.slot = slot;
    Record(call);
}
bool DevCreateQuad(int buffer, const Vertex*)
{
    if (!M().device || buffer < 0 || buffer >= NumQuadBuffers) return false;
    M().quads[buffer] = true;
    return true;
}
void DevReleaseQuad(int buffer)
{
    if (buffer >= 0 && buffer < NumQuadBuffers) M().quads[buffer] = false;
}
void DevDrawQuad(int buffer)
{
    RecordedCall call{CallKind::DrawQuad};
    call.slot = buffer;
    Record(call);
}
bool DevSaveScreenshot(const char* path)
{
    RecordedCall call{CallKind::Screenshot};
    call.text = path;
    Record(call);
    FILE* file = fopen(path, "wb");
    if (file == nullptr) return false;
    fclose(file);
    return true;
}

// --- Font and sprites ----------------------------------------------------------

bool FontCreate()
{
    M().font = true;
    return true;
}
void FontRelease() { M().font = false; }
void FontDrawText(const char* text, int32_t left, int32_t top, int32_t right, int32_t bottom,
                  uint32_t argb)
{
    RecordedCall call{CallKind::Text};
    call.text = text;
    call.x = left;
    call.y = top;
    call.w = right - left;
    call.h = bottom - top;
    call.value = argb;
    Record(call);
}
bool SpriteCreate()
{
    M().sprite = true;
    return true;
}
void SpriteRelease() { M().sprite = false; }
void SpriteBegin() { Record({CallKind::SpriteBegin}); }
void SpriteDraw(int slot, int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom,
                float centreX, float centreY, uint32_t argb)
{
    RecordedCall call{CallKind::SpriteDraw};
    call.slot = slot;
    call.x = static_cast<int32_t>(-centreX * M().spriteScaleX);
    call.y = static_cast<int32_t>(-centreY * M().spriteScaleY);
    call.w = static_cast<int32_t>((srcRight - srcLeft) * M().spriteScaleX);
    call.h = static_cast<int32_t>((srcBottom - srcTop) * M().spriteScaleY);
    call.value = argb;
    Record(call);
}
void SpriteEnd() { Record({CallKind::SpriteEnd}); }
void SpriteSetScale(float sx, float sy)
{
    M().spriteScaleX = sx;
    M().spriteScaleY = sy;
    RecordedCall call{CallKind::SpriteScale};
    call.f = sx;
    Record(call);
}

// --- Input -------------------------------------------------------------------------

bool InputCreate()
{
    M().input = true;
    return true;
}
void InputRelease() { M().input = false; }
bool InputReadKeyboard(uint8_t keys[256])
{
    if (M().failKeyboardReads > 0) {
        M().failKeyboardReads--;
        return false;
    }
    for (int i = 0; i < 256; i++) keys[i] = M().keys[i] ? 0x80 : 0;
    return true;
}
void InputAcquireKeyboard() {}
bool InputReadMouse(uint8_t mouse[20])
{
    memcpy(mouse, &M().mouseDx, 4);
    memcpy(mouse + 4, &M().mouseDy, 4);
    memset(mouse + 8, 0, 4);
    for (int i = 0; i < 8; i++) mouse[12 + i] = M().buttons[i] ? 0x80 : 0;
    M().mouseDx = M().mouseDy = 0;
    return true;
}
void InputAcquireMouse() {}
