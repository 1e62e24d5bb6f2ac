// The 3D device on OpenGL 2.1 fixed function: context, render states,
// transforms, material, textures (each slot its own GL texture, the 16 x 16
// ones also in one atlas), the batched block quads and screenshots.
//
// Block quads are the hot path: the world pass draws one face at a time,
// which as one GL call each is far too slow on a software rasteriser. A face
// is instead transformed to eye space on the CPU, coloured, mapped into the
// atlas, and appended to a vertex stream that goes to GL in one call when a
// state that changes how it is drawn changes, or at the end of the scene.
#include "platform/platform.h"
#include "platform/sdl/png_codec.h"
#include "platform/sdl/sdl_internal.h"

#include <SDL.h>
#include <SDL_opengl.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// --- GL entry points past 1.1, fetched from the driver ----------------------

using BlendEquationFn = void(APIENTRY*)(GLenum);
using FogCoordPointerFn = void(APIENTRY*)(GLenum, GLsizei, const void*);
BlendEquationFn BlendEquation = nullptr;
FogCoordPointerFn FogCoordPointer = nullptr;

SDL_GLContext Context = nullptr;
int Depth2D = 0;                 // nesting of Begin2D; game states wait while > 0

// --- States as the game set them; the device's own defaults until then ------

uint32_t States[RS_COUNT];
float FloatStates[RS_COUNT];

bool IsFloatState(RenderState s)
{
    return s == RS_FOGSTART || s == RS_FOGEND || s == RS_FOGDENSITY;
}

void ResetStates()
{
    std::fill(std::begin(States), std::end(States), 0u);
    std::fill(std::begin(FloatStates), std::end(FloatStates), 0.0f);
    States[RS_CULLMODE] = CULL_CCW;
    States[RS_ZENABLE] = 1;
    States[RS_ZWRITEENABLE] = 1;
    States[RS_SHADEMODE] = SHADE_GOURAUD;
    States[RS_FILLMODE] = FILL_SOLID;
    States[RS_LIGHTING] = 1;
    States[RS_FOGVERTEXMODE] = FOG_NONE;
    FloatStates[RS_FOGEND] = 1.0f;
    FloatStates[RS_FOGDENSITY] = 1.0f;
    States[RS_BLENDOP] = BLENDOP_ADD;
    States[RS_SRCBLEND] = BLEND_ONE;
    States[RS_DESTBLEND] = BLEND_ZERO;
}

bool FogOn() { return States[RS_FOGENABLE] != 0 && States[RS_FOGVERTEXMODE] == FOG_LINEAR; }

// --- Transforms and colour ----------------------------------------------------

Matrix World = MatrixIdentity(), View = MatrixIdentity(), Projection = MatrixIdentity();
Matrix WorldView = MatrixIdentity();
bool WorldViewStale = false;

Material CurrentMaterial{};
uint32_t FaceColour = 0xFF000000; // RGBA bytes of every quad vertex

float Clamp01(float v) { return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v); }
uint32_t ToByte(float v) { return static_cast<uint32_t>(Clamp01(v) * 255.0f + 0.5f); }

// Lit with no lights, a vertex is the material's ambient times the global
// ambient, with the diffuse alpha; unlit it keeps the white of a vertex
// without colour.
void UpdateFaceColour()
{
    if (States[RS_LIGHTING] == 0) {
        FaceColour = 0xFFFFFFFF;
        return;
    }
    uint32_t ambient = States[RS_AMBIENT];
    float ar = ((ambient >> 16) & 0xFF) / 255.0f, ag = ((ambient >> 8) & 0xFF) / 255.0f,
          ab = (ambient & 0xFF) / 255.0f;
    const Material& m = CurrentMaterial;
    FaceColour = ToByte(m.ambient[0] * ar) | (ToByte(m.ambient[1] * ag) << 8) |
                 (ToByte(m.ambient[2] * ab) << 16) | (ToByte(m.diffuse[3]) << 24);
}

// D3D clips depth to 0..w, GL to -w..w: z' = 2z - w after the projection.
void LoadProjection()
{
    Matrix p = Projection;
    for (int row = 0; row < 4; row++) p.m[row][2] = 2.0f * p.m[row][2] - p.m[row][3];
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(&p.m[0][0]);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity(); // quads arrive in eye space
}

// --- Textures and the atlas ---------------------------------------------------

struct SlotTexture {
    GLuint id = 0;
    int width = 0, height = 0;
    bool inAtlas = false;
};
SlotTexture Slots[NumTextureSlots];

// Every 16 x 16 image sits in the atlas at its slot's cell, with a border
// of repeated edge texels so that a face's edge never samples a neighbour.
// One extra cell is plain white, for quads drawn with no texture.
constexpr int AtlasImage = 16;
constexpr int AtlasCell = AtlasImage + 2;
constexpr int AtlasColumns = 16;
constexpr int AtlasRows = 8;
constexpr int AtlasWidth = AtlasColumns * AtlasCell;
constexpr int AtlasHeight = AtlasRows * AtlasCell;
constexpr int WhiteCell = NumTextureSlots;
static_assert(WhiteCell < AtlasColumns * AtlasRows, "the atlas holds every slot and the white cell");
GLuint Atlas = 0;

// Where the quad texture coordinates 0..1 of the bound slot land.
struct TextureMap {
    GLuint texture;
    float u0, v0, du, dv;
};
int BoundSlot = -1;
TextureMap BoundMap{};

TextureMap AtlasMap(int cell, bool whole)
{
    float x = static_cast<float>((cell % AtlasColumns) * AtlasCell);
    float y = static_cast<float>((cell / AtlasColumns) * AtlasCell);
    if (!whole) // the middle of the white cell, whatever the coordinates
        return {Atlas, (x + AtlasCell / 2) / AtlasWidth, (y + AtlasCell / 2) / AtlasHeight, 0, 0};
    return {Atlas, (x + 1) / AtlasWidth, (y + 1) / AtlasHeight,
            static_cast<float>(AtlasImage) / AtlasWidth, static_cast<float>(AtlasImage) / AtlasHeight};
}

void UpdateBoundMap()
{
    if (BoundSlot < 0 || Slots[BoundSlot].id == 0)
        BoundMap = AtlasMap(WhiteCell, false);
    else if (Slots[BoundSlot].inAtlas)
        BoundMap = AtlasMap(BoundSlot, true);
    else
        BoundMap = {Slots[BoundSlot].id, 0, 0, 1, 1};
}

void PutInAtlas(int cell, const uint8_t* rgba)
{
    uint8_t padded[AtlasCell * AtlasCell * 4];
    for (int y = 0; y < AtlasCell; y++) {
        int sy = std::clamp(y - 1, 0, AtlasImage - 1);
        for (int x = 0; x < AtlasCell; x++) {
            int sx = std::clamp(x - 1, 0, AtlasImage - 1);
            std::memcpy(&padded[(y * AtlasCell + x) * 4], &rgba[(sy * AtlasImage + sx) * 4], 4);
        }
    }
    glBindTexture(GL_TEXTURE_2D, Atlas);
    glTexSubImage2D(GL_TEXTURE_2D, 0, (cell % AtlasColumns) * AtlasCell,
                    (cell / AtlasColumns) * AtlasCell, AtlasCell, AtlasCell, GL_RGBA,
                    GL_UNSIGNED_BYTE, padded);
}

GLuint MakeTexture(int width, int height, const void* rgba, GLint wrap)
{
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return id;
}

// --- The quad stream ------------------------------------------------------------

struct QuadStore {
    Vertex v[4];
    bool exists = false;
};
QuadStore Quads[NumQuadBuffers];

struct StreamVertex {
    float x, y, z, w;
    uint32_t colour; // RGBA bytes
    float u, v;
    float fog; // 1 - fog factor: GL's linear fog from 0 to 1 gives back the factor
};
static_assert(sizeof(StreamVertex) == 32, "stream vertices are packed");

constexpr int StreamCapacity = 16384; // quads per GL call
std::vector<StreamVertex> Stream;
std::vector<GLuint> StreamIndices;
int StreamQuads = 0;
GLuint StreamTexture = 0;

void Flush()
{
    if (StreamQuads == 0) return;
    const StreamVertex* s = Stream.data();
    glBindTexture(GL_TEXTURE_2D, StreamTexture);
    glVertexPointer(4, GL_FLOAT, sizeof(StreamVertex), &s->x);
    glColorPointer(4, GL_UNSIGNED_BYTE, sizeof(StreamVertex), &s->colour);
    glTexCoordPointer(2, GL_FLOAT, sizeof(StreamVertex), &s->u);
    if (FogCoordPointer != nullptr) FogCoordPointer(GL_FLOAT, sizeof(StreamVertex), &s->fog);
    glDrawElements(GL_TRIANGLES, StreamQuads * 6, GL_UNSIGNED_INT, StreamIndices.data());
    StreamQuads = 0;
}

// D3D's per-vertex linear fog: f = (end - depth) / (end - start), clamped.
float FogCoordinate(float depth)
{
    float start = FloatStates[RS_FOGSTART], end = FloatStates[RS_FOGEND];
    float f = end != start ? (end - depth) / (end - start) : (depth < end ? 1.0f : 0.0f);
    return 1.0f - Clamp01(f);
}

// --- Render states into GL ------------------------------------------------------

GLenum BlendFactor(uint32_t factor)
{
    switch (factor) {
    case BLEND_ZERO: return GL_ZERO;
    case BLEND_ONE: return GL_ONE;
    case BLEND_SRCCOLOR: return GL_SRC_COLOR;
    case BLEND_INVSRCCOLOR: return GL_ONE_MINUS_SRC_COLOR;
    case BLEND_SRCALPHA: return GL_SRC_ALPHA;
    case BLEND_INVSRCALPHA: return GL_ONE_MINUS_SRC_ALPHA;
    case 7: return GL_DST_ALPHA;
    case 8: return GL_ONE_MINUS_DST_ALPHA;
    case BLEND_DESTCOLOR: return GL_DST_COLOR;
    case BLEND_INVDESTCOLOR: return GL_ONE_MINUS_DST_COLOR;
    default: return GL_ONE;
    }
}

void Enable(GLenum cap, bool on)
{
    if (on)
        glEnable(cap);
    else
        glDisable(cap);
}

void ApplyFogColour()
{
    uint32_t c = States[RS_FOGCOLOR];
    GLfloat colour[4] = {((c >> 16) & 0xFF) / 255.0f, ((c >> 8) & 0xFF) / 255.0f, (c & 0xFF) / 255.0f,
                         0.0f};
    glFogfv(GL_FOG_COLOR, colour);
}

void ApplyState(RenderState s)
{
    uint32_t v = States[s];
    switch (s) {
    case RS_CULLMODE:
        // Clockwise on screen is clockwise in GL's window space too (both
        // pictures are the same way up), so D3D's clockwise cull is GL's
        // back-face cull with counter-clockwise fronts.
        Enable(GL_CULL_FACE, v == CULL_CW || v == CULL_CCW);
        glFrontFace(GL_CCW);
        glCullFace(v == CULL_CCW ? GL_FRONT : GL_BACK);
        break;
    case RS_ZENABLE: Enable(GL_DEPTH_TEST, v != 0); break;
    case RS_ZWRITEENABLE: glDepthMask(v != 0 ? GL_TRUE : GL_FALSE); break;
    case RS_SHADEMODE: glShadeModel(v == SHADE_FLAT ? GL_FLAT : GL_SMOOTH); break;
    case RS_FILLMODE: glPolygonMode(GL_FRONT_AND_BACK, v == FILL_WIREFRAME ? GL_LINE : GL_FILL); break;
    case RS_FOGENABLE:
    case RS_FOGVERTEXMODE: Enable(GL_FOG, FogOn()); break;
    case RS_FOGCOLOR: ApplyFogColour(); break;
    case RS_ALPHABLENDENABLE: Enable(GL_BLEND, v != 0); break;
    case RS_BLENDOP:
        if (BlendEquation != nullptr) BlendEquation(v == BLENDOP_MIN ? GL_MIN : GL_FUNC_ADD);
        break;
    case RS_SRCBLEND:
    case RS_DESTBLEND:
        glBlendFunc(BlendFactor(States[RS_SRCBLEND]), BlendFactor(States[RS_DESTBLEND]));
        break;
    default: break; // colour and fog distances are baked into the vertices
    }
}

// Whether a change of this state changes how the pending quads are drawn.
bool ChangesDrawing(RenderState s)
{
    switch (s) {
    case RS_NORMALIZENORMALS:
    case RS_ALPHATESTENABLE:
    case RS_FOGDENSITY:
    case RS_LIGHTING:
    case RS_AMBIENT: return false;
    default: return true;
    }
}

void ApplyAllStates()
{
    glViewport(0, 0, sdl::ScreenWidth, sdl::ScreenHeight);
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_ALPHA_TEST); // the game's alpha test lets every pixel through
    glDisable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDepthFunc(GL_LEQUAL);
    glFogi(GL_FOG_MODE, GL_LINEAR);
    glFogf(GL_FOG_START, 0.0f);
    glFogf(GL_FOG_END, 1.0f);
    glFogi(GL_FOG_COORD_SRC, GL_FOG_COORD);
    glHint(GL_FOG_HINT, GL_FASTEST);
    for (int s = 0; s < RS_COUNT; s++) ApplyState(static_cast<RenderState>(s));
    LoadProjection();
}

void SetupDevice()
{
    BlendEquation = reinterpret_cast<BlendEquationFn>(SDL_GL_GetProcAddress("glBlendEquation"));
    FogCoordPointer = reinterpret_cast<FogCoordPointerFn>(SDL_GL_GetProcAddress("glFogCoordPointer"));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glClearDepth(1.0);

    std::vector<uint8_t> white(AtlasWidth * AtlasHeight * 4, 0xFF);
    Atlas = MakeTexture(AtlasWidth, AtlasHeight, white.data(), GL_CLAMP_TO_EDGE);

    Stream.assign(static_cast<size_t>(StreamCapacity) * 4, StreamVertex{});
    StreamIndices.resize(static_cast<size_t>(StreamCapacity) * 6);
    static const GLuint Order[6] = {1, 2, 3, 1, 3, 0}; // the quad's two triangles
    for (int q = 0; q < StreamCapacity; q++)
        for (int i = 0; i < 6; i++) StreamIndices[q * 6 + i] = static_cast<GLuint>(q * 4) + Order[i];
    StreamQuads = 0;

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    if (FogCoordPointer != nullptr) glEnableClientState(GL_FOG_COORD_ARRAY);

    UpdateFaceColour();
    UpdateBoundMap();
    ApplyAllStates();
}

} // namespace

// --- 2D drawing and slot lookup for sprites and text ----------------------------

namespace sdl {

bool Begin2D()
{
    if (Context == nullptr) return false;
    if (Depth2D++ > 0) return true;
    Flush();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, ScreenWidth, ScreenHeight, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_FOG);
    glEnable(GL_BLEND);
    if (BlendEquation != nullptr) BlendEquation(GL_FUNC_ADD);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glShadeModel(GL_SMOOTH);
    return true;
}

void End2D()
{
    if (Depth2D == 0 || --Depth2D > 0) return;
    if (Context != nullptr) ApplyAllStates();
}

unsigned SlotTexture(int slot, int& width, int& height)
{
    if (slot < 0 || slot >= NumTextureSlots || Slots[slot].id == 0) return 0;
    width = Slots[slot].width;
    height = Slots[slot].height;
    return Slots[slot].id;
}

} // namespace sdl

// --- The platform interface ---------------------------------------------------------

bool DevCreate()
{
    if (Context != nullptr) return true;
    if (sdl::Window == nullptr) return false;
    Context = SDL_GL_CreateContext(sdl::Window);
    if (Context == nullptr) {
        SDL_Log("SDL_GL_CreateContext: %s", SDL_GetError());
        return false;
    }
    SDL_GL_MakeCurrent(sdl::Window, Context);
    SDL_GL_SetSwapInterval(1); // vsync where the display has one
    ResetStates();
    World = View = Projection = WorldView = MatrixIdentity();
    WorldViewStale = false;
    CurrentMaterial = Material{};
    BoundSlot = -1;
    Depth2D = 0;
    SetupDevice();
    return true;
}

void DevRelease()
{
    if (Context == nullptr) return;
    StreamQuads = 0;
    for (SlotTexture& t : Slots) {
        if (t.id != 0) glDeleteTextures(1, &t.id);
        t = SlotTexture{};
    }
    if (Atlas != 0) glDeleteTextures(1, &Atlas);
    Atlas = 0;
    Stream.clear();
    Stream.shrink_to_fit();
    StreamIndices.clear();
    StreamIndices.shrink_to_fit();
    for (QuadStore& q : Quads) q.exists = false;
    Depth2D = 0;
    SDL_GL_DeleteContext(Context);
    Context = nullptr;
}

bool DevExists() { return Context != nullptr; }

bool DevBeginScene() { return Context != nullptr; }

void DevEndScene()
{
    if (Context != nullptr) Flush();
}

void DevClear(uint32_t argb)
{
    if (Context == nullptr) return;
    Flush();
    glClearColor(((argb >> 16) & 0xFF) / 255.0f, ((argb >> 8) & 0xFF) / 255.0f, (argb & 0xFF) / 255.0f,
                 (argb >> 24) / 255.0f);
    // A clear writes depth whatever the game's depth-write state is.
    glDepthMask(GL_TRUE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (Depth2D == 0) glDepthMask(States[RS_ZWRITEENABLE] != 0 ? GL_TRUE : GL_FALSE);
}

void DevPresent()
{
    if (Context == nullptr) return;
    Flush();
    SDL_GL_SwapWindow(sdl::Window);
}

void DevSetRenderState(RenderState state, uint32_t value)
{
    if (state < 0 || state >= RS_COUNT) return;
    if (IsFloatState(state)) {
        float f;
        std::memcpy(&f, &value, sizeof f);
        DevSetRenderStateF(state, f);
        return;
    }
    if (States[state] == value) return;
    if (Context != nullptr && ChangesDrawing(state)) Flush();
    States[state] = value;
    if (state == RS_LIGHTING || state == RS_AMBIENT) UpdateFaceColour();
    if (Context != nullptr && Depth2D == 0) ApplyState(state);
}

void DevSetRenderStateF(RenderState state, float value)
{
    if (!IsFloatState(state)) {
        uint32_t bits;
        std::memcpy(&bits, &value, sizeof bits);
        DevSetRenderState(state, bits);
        return;
    }
    if (FloatStates[state] == value) return;
    // Fog distances are baked into the pending vertices, so they need no flush.
    FloatStates[state] = value;
}

// Every texture is made with point filtering already.
void DevSetPointFilter() {}

void DevSetTransform(TransformKind kind, const Matrix& matrix)
{
    switch (kind) {
    case TS_WORLD:
        World = matrix;
        WorldViewStale = true;
        break;
    case TS_VIEW:
        // Pending quads are already in eye space: the view needs no flush.
        View = matrix;
        WorldViewStale = true;
        break;
    case TS_PROJECTION:
        if (std::memcmp(&Projection, &matrix, sizeof matrix) == 0) return;
        if (Context != nullptr) Flush();
        Projection = matrix;
        if (Context != nullptr && Depth2D == 0) LoadProjection();
        break;
    }
}

void DevSetMaterial(const Material& material)
{
    CurrentMaterial = material;
    UpdateFaceColour();
}

bool DevCreateTexture(int slot, const uint8_t* png, size_t size)
{
    if (Context == nullptr || slot < 0 || slot >= NumTextureSlots) return false;
    sdl::RgbaImage image;
    if (!sdl::DecodePng(png, size, image)) return false;
    DevReleaseTexture(slot);
    for (int i = 0; i < 8 && glGetError() != GL_NO_ERROR; i++) {
        // forget errors of earlier calls: only this texture's count
    }
    SlotTexture& t = Slots[slot];
    t.id = MakeTexture(image.width, image.height, image.pixels.data(), GL_REPEAT);
    if (t.id == 0 || glGetError() != GL_NO_ERROR) {
        if (t.id != 0) glDeleteTextures(1, &t.id);
        t = SlotTexture{};
        return false;
    }
    t.width = image.width;
    t.height = image.height;
    t.inAtlas = image.width == AtlasImage && image.height == AtlasImage;
    if (t.inAtlas) PutInAtlas(slot, image.pixels.data());
    if (slot == BoundSlot) UpdateBoundMap();
    return true;
}

void DevReleaseTexture(int slot)
{
    if (slot < 0 || slot >= NumTextureSlots) return;
    SlotTexture& t = Slots[slot];
    if (t.id != 0 && Context != nullptr) {
        Flush(); // pending quads may still sample it
        glDeleteTextures(1, &t.id);
    }
    t = SlotTexture{};
    if (slot == BoundSlot) UpdateBoundMap();
}

void DevSetTexture(int slot)
{
    BoundSlot = slot >= 0 && slot < NumTextureSlots ? slot : -1;
    UpdateBoundMap();
}

bool DevCreateQuad(int buffer, const Vertex vertices[4])
{
    if (Context == nullptr || buffer < 0 || buffer >= NumQuadBuffers || vertices == nullptr) return false;
    std::copy(vertices, vertices + 4, Quads[buffer].v);
    Quads[buffer].exists = true;
    return true;
}

void DevReleaseQuad(int buffer)
{
    if (buffer < 0 || buffer >= NumQuadBuffers) return;
    Quads[buffer].exists = false;
}

void DevDrawQuad(int buffer)
{
    if (Context == nullptr || buffer < 0 || buffer >= NumQuadBuffers || !Quads[buffer].exists) return;
    if (StreamQuads > 0 && (StreamTexture != BoundMap.texture || StreamQuads == StreamCapacity))
        Flush();
    StreamTexture = BoundMap.texture;
    if (WorldViewStale) {
        WorldView = MatrixMultiply(World, View);
        WorldViewStale = false;
    }
    const float(*m)[4] = WorldView.m;
    const bool fog = FogOn();
    StreamVertex* out = &Stream[static_cast<size_t>(StreamQuads) * 4];
    for (const Vertex& v : Quads[buffer].v) {
        out->x = v.x * m[0][0] + v.y * m[1][0] + v.z * m[2][0] + m[3][0];
        out->y = v.x * m[0][1] + v.y * m[1][1] + v.z * m[2][1] + m[3][1];
        out->z = v.x * m[0][2] + v.y * m[1][2] + v.z * m[2][2] + m[3][2];
        out->w = v.x * m[0][3] + v.y * m[1][3] + v.z * m[2][3] + m[3][3];
        out->colour = FaceColour;
        out->u = BoundMap.u0 + v.u * BoundMap.du;
        out->v = BoundMap.v0 + v.v * BoundMap.dv;
        out->fog = fog ? FogCoordinate(out->z) : 0.0f;
        ++out;
    }
    ++StreamQuads;
}

bool DevSaveScreenshot(const char* path)
{
    if (Context == nullptr || path == nullptr) return false;
    Flush();
    // The game asks after its frame is presented. GL leaves the back buffer
    // undefined then, but the copying swap of Mesa's software path (and of
    // X servers without page flipping) keeps the frame just shown there,
    // while the front buffer reads back black; a copy per frame to be sure
    // would cost about 1 ms on llvmpipe for a key rarely pressed.
    glReadBuffer(GL_BACK);
    std::vector<uint8_t> rgb(static_cast<size_t>(sdl::ScreenWidth) * sdl::ScreenHeight * 3);
    glReadPixels(0, 0, sdl::ScreenWidth, sdl::ScreenHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return sdl::WritePngRgb(path, sdl::ScreenWidth, sdl::ScreenHeight, rgb.data(), true);
}
