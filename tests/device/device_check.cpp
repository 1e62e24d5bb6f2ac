// End-to-end check of the SDL/OpenGL device: the game's clockwise cull on a
// cube made of the block quad and the face matrices, per-vertex linear fog,
// and the menu background and text in 800 x 600 pixel space, y down. Each
// frame is saved with the device's own screenshot and read back from the PNG.
// One line per check; exit 0 when all pass, 1 on a failure, 77 without a
// display. Usage: quarrow_device_check [folder for the screenshots]
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/embedded.h"
#include "core/matrix.h"
#include "core/status.h"
#include "platform/platform.h"
#include "render/device.h"
#include "render/geometry.h"

namespace {

struct Rgb {
    int r, g, b;
};

// Decoded RGB pixels, rows top first.
struct Picture {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    Rgb At(int x, int y) const
    {
        const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
};

std::string Artifacts = ".";
int Failures = 0;

void Check(bool ok, const char* format, ...) __attribute__((format(printf, 2, 3)));
void Check(bool ok, const char* format, ...)
{
    std::printf("%s ", ok ? "ok  " : "FAIL");
    va_list args;
    va_start(args, format);
    std::vprintf(format, args);
    va_end(args);
    std::printf("\n");
    std::fflush(stdout);
    if (!ok) Failures++;
}

bool Near(Rgb a, Rgb b, int tolerance)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// Decodes a PNG file (path) or PNG bytes (data) with libpng's simplified API.
Picture ReadPng(const char* path, const uint8_t* data = nullptr, size_t size = 0)
{
    Picture picture;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    bool begun = data ? png_image_begin_read_from_memory(&image, data, size) != 0
                      : png_image_begin_read_from_file(&image, path) != 0;
    if (!begun) return picture;
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0) return picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.rgb = std::move(pixels);
    return picture;
}

// Ends the frame, saves it as <artifacts>/device-<name>.png, reads it back
// and shows it.
Picture Capture(const std::string& name)
{
    DevEndScene();
    std::string path = Artifacts + "/device-" + name + ".png";
    Picture picture;
    if (DevSaveScreenshot(path.c_str())) picture = ReadPng(path.c_str());
    DevPresent();
    if (picture.width != 800 || picture.height != 600) {
        Check(false, "screenshot %s: not an 800 x 600 PNG", path.c_str());
        picture = Picture{800, 600, std::vector<uint8_t>(800 * 600 * 3)};
    }
    return picture;
}

void BeginFrame(uint32_t clear)
{
    DevBeginScene();
    DevClear(clear);
}

void SetColour(Rgb c)
{
    DevSetMaterial(Material{{1, 1, 1, 1}, {c.r / 255.0f, c.g / 255.0f, c.b / 255.0f, 1}});
}

void SetCamera(Vec3 eye, Vec3 at, float fovY)
{
    Vec3 up = eye.y != at.y ? Vec3{0, 0, 1} : Vec3{0, 1, 0}; // looking along y needs another up
    DevSetTransform(TS_VIEW, MatrixLookAtLH(eye, at, up));
    DevSetTransform(TS_PROJECTION, MatrixPerspectiveFovLH(fovY, 4.0f / 3.0f, 0.1f, 100.0f));
}

// --- The cube ---------------------------------------------------------------

struct CubeFace {
    const char* name;
    const Matrix* matrix; // nullptr: the identity (the quad is the bottom face)
    Vec3 outward;
    Rgb colour;
};

const CubeFace Faces[6] = {
    {"bottom", nullptr, {0, -1, 0}, {255, 0, 0}}, {"top", &mTop, {0, 1, 0}, {0, 255, 0}},
    {"back", &mBack, {0, 0, -1}, {0, 0, 255}},    {"left", &mLeft, {1, 0, 0}, {255, 255, 0}},
    {"right", &mRight, {-1, 0, 0}, {0, 255, 255}}, {"front", &mFront, {0, 0, 1}, {255, 0, 255}},
};

const uint32_t CubeClear = 0xFF202020;
const Rgb CubeBackground = {0x20, 0x20, 0x20};

void DrawCube()
{
    DevSetTexture(-1);
    for (const CubeFace& face : Faces) {
        SetColour(face.colour);
        DevSetTransform(TS_WORLD, face.matrix ? *face.matrix : MatrixIdentity());
        DevDrawQuad(0);
    }
}

// Pixels that are neither the background nor `allowed`.
int StrayPixels(const Picture& picture, const Rgb* allowed)
{
    int stray = 0;
    for (int y = 0; y < picture.height; y++)
        for (int x = 0; x < picture.width; x++) {
            Rgb c = picture.At(x, y);
            if (!Near(c, CubeBackground, 0) && !(allowed && Near(c, *allowed, 1))) stray++;
        }
    return stray;
}

// From outside along each axis exactly the near face shows. Depth testing is
// off, so a far or side face that escaped the cull would paint over it.
void CheckCubeFromOutside()
{
    DevSetRenderState(RS_ZENABLE, 0);
    for (const CubeFace& face : Faces) {
        BeginFrame(CubeClear);
        SetCamera({3 * face.outward.x, 3 * face.outward.y, 3 * face.outward.z}, {0, 0, 0}, 1.0471976f);
        DrawCube();
        Picture p = Capture(std::string("outside-") + face.name);
        Rgb centre = p.At(400, 300);
        int stray = StrayPixels(p, &face.colour);
        Check(Near(centre, face.colour, 1) && stray == 0,
              "cube from outside, %s side: centre %d,%d,%d (want %d,%d,%d), %d pixels of other colours", face.name,
              centre.r, centre.g, centre.b, face.colour.r, face.colour.g, face.colour.b, stray);
    }
    DevSetRenderState(RS_ZENABLE, 1);
}

// From the centre of the cube nothing is drawn; without the cull the face
// looked at fills the middle of the screen, so each view does see the cube.
void CheckCubeFromInside()
{
    for (const CubeFace& face : Faces) {
        BeginFrame(CubeClear);
        SetCamera({0, 0, 0}, face.outward, 2.0f);
        DrawCube();
        int drawn = StrayPixels(Capture(std::string("inside-") + face.name), nullptr);

        DevSetRenderState(RS_CULLMODE, CULL_NONE);
        BeginFrame(CubeClear);
        DrawCube();
        Rgb centre = Capture(std::string("inside-") + face.name + "-nocull").At(400, 300);
        DevSetRenderState(RS_CULLMODE, CULL_CW);

        Check(drawn == 0 && Near(centre, face.colour, 1),
              "cube from inside, looking %s: %d pixels drawn (want 0); without cull centre %d,%d,%d", face.name,
              drawn, centre.r, centre.g, centre.b);
    }
}

// --- Fog --------------------------------------------------------------------

// Quads facing the eye at view depths 5, 15 and 25 under fog from 10 to 20.
// The half-fogged one sits off the axis, where its distance from the eye is
// larger than its view depth: the fog follows the depth.
void CheckFog()
{
    struct FogCase {
        float depth;
        float side; // x / depth
        Rgb want;
    };
    const FogCase cases[] = {
        {5, -0.3f, {255, 255, 255}},
        {15, 0.3f, {128, 128, 255}},
        {25, 0.0f, {0, 0, 255}},
    };
    const float fovY = 1.0471976f;
    BeginFrame(0xFF000000);
    DevSetRenderState(RS_FOGVERTEXMODE, FOG_LINEAR);
    DevSetRenderStateF(RS_FOGSTART, 10);
    DevSetRenderStateF(RS_FOGEND, 20);
    DevSetRenderState(RS_FOGCOLOR, 0x000000FF);
    DevSetRenderState(RS_FOGENABLE, 1);
    SetCamera({0, 0, 0}, {0, 0, 1}, fovY);
    SetColour({255, 255, 255});
    DevSetTexture(-1);
    for (const FogCase& c : cases) {
        // The back face turned towards the eye, 1.5 wide, at z = depth.
        Matrix place = MatrixMultiply(MatrixScaling(1.5f, 1.5f, 1), MatrixTranslation(c.side * c.depth, 0, c.depth + 0.5f));
        DevSetTransform(TS_WORLD, MatrixMultiply(mBack, place));
        DevDrawQuad(0);
    }
    DevSetRenderState(RS_FOGENABLE, 0);
    Picture p = Capture("fog");
    for (const FogCase& c : cases) {
        int x = 400 + static_cast<int>(std::lround(c.side / (std::tan(fovY / 2) * 4 / 3) * 400));
        Rgb got = p.At(x, 300);
        Check(Near(got, c.want, 3), "fog 10..20 at view depth %.0f (x %d): %d,%d,%d (want %d,%d,%d)", c.depth, x,
              got.r, got.g, got.b, c.want.r, c.want.g, c.want.b);
    }
}

// --- Menu background and text ---------------------------------------------------

void CheckMenuScreen()
{
    EmbeddedFile file = EmbeddedImage(44);
    Picture image = ReadPng(nullptr, file.data, file.size);

    BeginFrame(0xFF000000);
    SpriteBegin();
    SpriteDraw(43, 0, 0, 800, 600, 0.0f, 0.0f, 0xFFFFFFFF);
    SpriteEnd();
    Picture background = Capture("menu-background");
    int differ = 0;
    for (int y = 0; y < 600 && image.width >= 800 && image.height >= 600; y++)
        for (int x = 0; x < 800; x++)
            if (!Near(background.At(x, y), image.At(x, y), 2)) differ++;
    Check(image.width >= 800 && image.height >= 600 && differ == 0,
          "menu background sprite: %d of 800 x 600 pixels differ from image 44 (want 0)", differ);

    // Black text left- and top-aligned in a rectangle larger than the word.
    const int left = 400, top = 280, right = 560, bottom = 330;
    BeginFrame(0xFF000000);
    SpriteBegin();
    SpriteDraw(43, 0, 0, 800, 600, 0.0f, 0.0f, 0xFFFFFFFF);
    SpriteEnd();
    FontDrawText("Play", left, top, right, bottom, 0xFF000000);
    Picture text = Capture("menu-text");
    int inside = 0, outside = 0, minX = 800, minY = 600, maxX = -1, maxY = -1;
    for (int y = 0; y < 600; y++)
        for (int x = 0; x < 800; x++) {
            if (Near(text.At(x, y), background.At(x, y), 0)) continue;
            bool in = x >= left && x < right && y >= top && y < bottom;
            (in ? inside : outside)++;
            if (!in) continue;
            minX = std::min(minX, x), maxX = std::max(maxX, x);
            minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    Check(inside > 20 && outside == 0 && minX - left <= 4 && minY - top <= 6 && maxY - top < 20,
          "text \"Play\" at (%d,%d): %d pixels inside, %d outside, spans x %d..%d y %d..%d", left, top, inside,
          outside, minX, maxX, minY, maxY);
}

// What a new game adds to the device's baseline: lighting on, white ambient.
void SetGameStates()
{
    DevSetRenderState(RS_LIGHTING, 1);
    DevSetRenderState(RS_AMBIENT, 0x00FFFFFF);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1) Artifacts = argv[1];
    EmbeddedFile icon = EmbeddedIcon();
    if (!PlatformCreateWindow("Quarrow device check", 800, 600, icon.data, icon.size)) {
        std::printf("skip: no display\n");
        return 77;
    }
    // The game's own device set-up: baseline states, fog, font, textures, sprites.
    bool ready = InitD3D(800, 600, 0) == S_OK && InitMesh() == S_OK;
    Check(ready, "device, baseline states, font, textures, sprites and quads created");
    if (ready) {
        BuildFaceMatrices();
        SetGameStates();
        CheckCubeFromOutside();
        CheckCubeFromInside();
        CheckFog();
        CheckMenuScreen();
    }
    ReleaseD3D();
    std::printf("%s: %d failed\n", Failures ? "FAILED" : "passed", Failures);
    return Failures ? 1 : 0;
}
