// The sprite batcher: textured rectangles in 800 x 600 pixel space, y down,
// modulated by an ARGB colour and scaled by the 2D transform. The screens
// draw only a few dozen per frame, so each goes straight to GL.
#include "platform/platform.h"
#include "platform/sdl/sdl_internal.h"

#include <SDL_opengl.h>

namespace {

bool Created = false;
bool Drawing = false; // between SpriteBegin and SpriteEnd
float ScaleX = 1.0f, ScaleY = 1.0f;

} // namespace

bool SpriteCreate()
{
    Created = true;
    return true;
}

void SpriteRelease()
{
    if (Drawing) SpriteEnd();
    Created = false;
}

void SpriteBegin()
{
    if (!Created || Drawing) return;
    Drawing = sdl::Begin2D();
}

void SpriteDraw(int slot, int32_t srcLeft, int32_t srcTop, int32_t srcRight, int32_t srcBottom,
                float centreX, float centreY, uint32_t argb)
{
    if (!Drawing) return;
    int width = 0, height = 0;
    GLuint texture = sdl::SlotTexture(slot, width, height);
    if (texture == 0) return;

    float u0 = static_cast<float>(srcLeft) / width, u1 = static_cast<float>(srcRight) / width;
    float v0 = static_cast<float>(srcTop) / height, v1 = static_cast<float>(srcBottom) / height;
    float x0 = -centreX * ScaleX, y0 = -centreY * ScaleY;
    float x1 = (static_cast<float>(srcRight - srcLeft) - centreX) * ScaleX;
    float y1 = (static_cast<float>(srcBottom - srcTop) - centreY) * ScaleY;

    sdl::DrawTexturedRect(texture, u0, v0, u1, v1, x0, y0, x1, y1, argb);
}

void SpriteEnd()
{
    if (!Drawing) return;
    Drawing = false;
    sdl::End2D();
}

void SpriteSetScale(float sx, float sy)
{
    ScaleX = sx;
    ScaleY = sy;
}

namespace sdl {

void DrawTexturedRect(unsigned texture, float u0, float v0, float u1, float v1, float x0, float y0,
                      float x1, float y1, uint32_t argb)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor4ub((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, argb >> 24);
    glBegin(GL_QUADS);
    glTexCoord2f(u0, v0);
    glVertex2f(x0, y0);
    glTexCoord2f(u1, v0);
    glVertex2f(x1, y0);
    glTexCoord2f(u1, v1);
    glVertex2f(x1, y1);
    glTexCoord2f(u0, v1);
    glVertex2f(x0, y1);
    glEnd();
}

} // namespace sdl
