// The window and its event queue, the pointer, message boxes, the clock and
// the executable's path.
#include "platform/platform.h"
#include "platform/sdl/png_codec.h"
#include "platform/sdl/sdl_internal.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace sdl {

SDL_Window* Window = nullptr;

namespace {

// The game hides the pointer before the window exists; the wish is kept
// here and applied whenever a window is made.
bool CursorShown = true;

// SDL falls back to its offscreen driver when no display answers; a game
// nobody can see or close is worse than a clear failure, so such drivers
// count only when asked for by name (SDL_VIDEODRIVER).
bool DisplayAvailable()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) return false;
    if (SDL_strcmp(driver, "offscreen") != 0 && SDL_strcmp(driver, "dummy") != 0) return true;
    const char* wanted = SDL_getenv("SDL_VIDEODRIVER");
    return wanted != nullptr && SDL_strcasecmp(wanted, driver) == 0;
}

void SetWindowIcon(const uint8_t* png, size_t size)
{
    RgbaImage icon;
    if (!DecodePng(png, size, icon)) return;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        icon.pixels.data(), icon.width, icon.height, 32, icon.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (surface == nullptr) return;
    SDL_SetWindowIcon(Window, surface);
    SDL_FreeSurface(surface);
}

} // namespace

void ApplyCursorMode()
{
    if (Window == nullptr) return;
    SDL_ShowCursor(CursorShown ? SDL_ENABLE : SDL_DISABLE);
    SDL_SetRelativeMouseMode(CursorShown ? SDL_FALSE : SDL_TRUE);
}

} // namespace sdl

using sdl::Window;

bool PlatformCreateWindow(const char* title, int width, int height, const uint8_t* iconPng,
                          size_t iconSize)
{
    if (Window != nullptr) return true;
    // Closing the window is reported once, as a window event; SDL would
    // otherwise add a second quit of its own.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
        return false;
    }
    if (!sdl::DisplayAvailable()) {
        std::fprintf(stderr, "No display (SDL video driver %s)\n", SDL_GetCurrentVideoDriver());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    // The GL visual is chosen with the window, so the depth buffer is asked for here.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);

    Window = SDL_CreateWindow(title != nullptr ? title : "", SDL_WINDOWPOS_CENTERED,
                              SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
    if (Window == nullptr) {
        std::fprintf(stderr, "SDL_CreateWindow: %s\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    if (iconPng != nullptr) sdl::SetWindowIcon(iconPng, iconSize);
    SDL_DisableScreenSaver();
    SDL_RaiseWindow(Window);
    sdl::ApplyCursorMode();
    return true;
}

void PlatformDestroyWindow()
{
    if (Window != nullptr) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_ShowCursor(SDL_ENABLE);
        SDL_DestroyWindow(Window);
        Window = nullptr;
    }
    while (TTF_WasInit() > 0) TTF_Quit();
    SDL_Quit();
}

bool PlatformWindowExists() { return Window != nullptr; }

int PlatformPeekMessage()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return MSG_NONE;
    SDL_PumpEvents();
    // The game reads keys and mouse as device state, so their events are
    // only dropped; pumping has already updated that state.
    SDL_FlushEvents(SDL_KEYDOWN, SDL_MOUSEWHEEL);
    SDL_FlushEvents(SDL_FINGERDOWN, SDL_MULTIGESTURE);

    SDL_Event event;
    if (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) <= 0)
        return MSG_NONE;
    if (event.type == SDL_QUIT) return MSG_QUIT;
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_CLOSE)
        return MSG_QUIT;
    return MSG_OTHER;
}

void PlatformPostQuit()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    SDL_Event event{};
    event.type = SDL_QUIT;
    event.quit.timestamp = SDL_GetTicks();
    SDL_PushEvent(&event);
}

void PlatformShowCursor(bool show)
{
    sdl::CursorShown = show;
    sdl::ApplyCursorMode();
}

bool PlatformGetWindowRect(int32_t rect[4])
{
    if (Window == nullptr) return false;
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(Window, &x, &y);
    SDL_GetWindowSize(Window, &w, &h);
    rect[0] = x;
    rect[1] = y;
    rect[2] = x + w;
    rect[3] = y + h;
    return true;
}

void PlatformSetCursorPos(int32_t x, int32_t y)
{
    if (Window == nullptr) return;
    int left = 0, top = 0;
    SDL_GetWindowPosition(Window, &left, &top);
    SDL_WarpMouseInWindow(Window, x - left, y - top);
}

void PlatformMessageBox(const char* text)
{
    if (text == nullptr) text = "";
    std::fprintf(stderr, "ERRORE: %s\n", text);
    std::fflush(stderr);

    // Without a display there is nobody to press OK: standard error is enough.
    bool ownVideo = false;
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return;
        ownVideo = true;
    }
    if (!sdl::DisplayAvailable()) {
        if (ownVideo) SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return;
    }
    // The pointer must be free to reach the OK button.
    if (Window != nullptr) {
        SDL_SetRelativeMouseMode(SDL_FALSE);
        SDL_ShowCursor(SDL_ENABLE);
    }
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, "ERRORE", text, Window);
    sdl::ApplyCursorMode();
    if (ownVideo) SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

int32_t PlatformClock()
{
    static const auto origin = std::chrono::steady_clock::now();
    auto elapsed = std::chrono::steady_clock::now() - origin;
    return static_cast<int32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

int32_t PlatformTime() { return static_cast<int32_t>(std::time(nullptr)); }

void PlatformExePath(char* buffer, size_t size)
{
    if (buffer == nullptr || size == 0) return;
    buffer[0] = '\0';
    ssize_t n = readlink("/proc/self/exe", buffer, size - 1);
    // A path that fills the buffer may have been cut: unknown, not wrong.
    if (n <= 0 || static_cast<size_t>(n) >= size - 1) {
        buffer[0] = '\0';
        return;
    }
    buffer[n] = '\0';
}
