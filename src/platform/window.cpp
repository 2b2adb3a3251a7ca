// The game window and its GL context on SDL2.
#include <SDL2/SDL.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "platform/window.h"
#include "app/globals.h"
#include "app/graphics_init.h"
#include "app/message_box.h"
#include "app/viewport.h"
#include "app/window_placement.h"
#include "level/settings.h"

namespace {

SDL_Window* gWindow = nullptr;
SDL_GLContext gContext = nullptr;
bool gVideoStarted = false;
// The colour depth of the first window is kept for every later one.
int gPixelBits = 0;

void creationError(const char* text)
{
    showMessage(text, "ERROR", MessageIcon::Exclamation);
}

void shutdownError(const char* text)
{
    showMessage(text, "SHUTDOWN ERROR", MessageIcon::Information);
}

bool gFullscreenRefused = false;

/// SDL falls back to drivers that show nothing (offscreen, dummy); a game in
/// such a window would run on unseen, so they count as no display at all.
bool isRealVideoDriver(const char* name)
{
    if (name == nullptr) return false;
    const std::string driver = name;
    return driver != "offscreen" && driver != "dummy" && driver != "evdev";
}

void requestPixelFormat(int bits)
{
    // Default profile, which is a compatibility context: the game draws in
    // immediate mode, and a core profile would draw nothing.
    SDL_GL_ResetAttributes();
    const int channel = bits >= 24 ? 8 : 5;
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, channel);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 0);
    // No depth buffer: the game draws back to front with depth testing off.
    // A depth buffer it never reads would still keep the software renderer
    // off its fast paths for plain pictures, shades and clears (measured:
    // about half the frame time at large window sizes).
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
}

/// Window position: windowed centred on the primary display by the window's
/// own size (full screen places itself).
void windowPosition(int width, int height, int& x, int& y)
{
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        x = y = static_cast<int>(SDL_WINDOWPOS_CENTERED);
        return;
    }
    x = (desktop.w - width) / 2;
    y = (desktop.h - height) / 2;
}

/// A hidden, resizable window: windowed at the placement's size (the logical
/// picture's when it has none), or covering the desktop.
SDL_Window* createSdlWindow(const char* title, int width, int height, bool fullscreenWindow)
{
    int w = windowPlacement.width > 0 ? windowPlacement.width : width;
    int h = windowPlacement.height > 0 ? windowPlacement.height : height;
    // A stored size larger than the display (a hand-edited or foreign
    // settings file) would make a window nobody can see whole, and come back
    // every start: it is cut to the display, and kept so.
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) == 0 && usable.w > 0 && usable.h > 0) {
        w = std::min(w, usable.w);
        h = std::min(h, usable.h);
        if (windowPlacement.width > 0) windowPlacement.width = w;
        if (windowPlacement.height > 0) windowPlacement.height = h;
    }
    int x = 0;
    int y = 0;
    windowPosition(w, h, x, y);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    SDL_Rect desktop{};
    if (fullscreenWindow) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        // Made at the display's own place and size: with no window manager
        // to enlarge it, the window would keep its windowed size.
        if (SDL_GetDisplayBounds(0, &desktop) == 0) {
            x = desktop.x;
            y = desktop.y;
            w = desktop.w;
            h = desktop.h;
        }
    } else if (windowPlacement.maximized) {
        flags |= SDL_WINDOW_MAXIMIZED;
    }
    SDL_Window* window = SDL_CreateWindow(title, x, y, w, h, flags);
    if (window != nullptr) SDL_SetWindowMinimumSize(window, kMinWindowSize, kMinWindowSize);
    return window;
}

} // namespace

bool createGameWindow(const char* title, int width, int height, int bits, bool fullscreenWanted)
{
    fullscreen = fullscreenWanted;
    if (gPixelBits == 0) gPixelBits = bits;

    // Start the video system (the window class of the game)
    if (!gVideoStarted) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            showMessage("Failed to register the window class.", "Error", MessageIcon::Exclamation);
            return false;
        }
        if (!isRealVideoDriver(SDL_GetCurrentVideoDriver())) {
            std::fprintf(stderr, "tangloop: no display to open a window on (SDL chose its %s video driver)\n",
                         SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "unknown");
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            showMessage("Failed to register the window class.", "Error", MessageIcon::Exclamation);
            return false;
        }
        gVideoStarted = true;
    }
    SDL_DisableScreenSaver();

    // Create the window with a GL-capable pixel format. Full screen takes
    // the desktop as it is: the picture is scaled, the display mode stays.
    requestPixelFormat(gPixelBits);
    gWindow = createSdlWindow(title, width, height, fullscreen);
    // Some window systems refuse full screen, at creation or when asked.
    if (fullscreen && (gWindow == nullptr || SDL_SetWindowFullscreen(gWindow, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0)) {
        if (gWindow != nullptr) SDL_DestroyWindow(gWindow);
        gWindow = nullptr;
        // Windowed now; whether to go on so is asked over the window.
        gFullscreenRefused = true;
        fullscreen = false;
        gWindow = createSdlWindow(title, width, height, false);
    }
    if (gWindow == nullptr) {
        destroyGameWindow();
        creationError("Window creation error.");
        return false;
    }

    // The rendering context
    gContext = SDL_GL_CreateContext(gWindow);
    if (gContext == nullptr) {
        destroyGameWindow();
        creationError("Can't create a GL rendering context.");
        return false;
    }
    if (SDL_GL_MakeCurrent(gWindow, gContext) != 0) {
        destroyGameWindow();
        creationError("Can't activate the GL rendering context.");
        return false;
    }

    // Presented in step with the display: adaptive sync where the driver
    // has it (a late frame is shown at once rather than a whole refresh
    // later), else plain. The main loop tells whether the swap really waits.
    if (SDL_GL_SetSwapInterval(-1) != 0) SDL_GL_SetSwapInterval(1);

    SDL_ShowWindow(gWindow);
    SDL_RaiseWindow(gWindow);
    // The keys arrive as virtual-key codes for the game and its name fields;
    // the characters they type (Shift, dead keys and layout applied) arrive
    // beside them, for a field that takes real text.
    SDL_StartTextInput();

    int drawableWidth = 0;
    int drawableHeight = 0;
    SDL_GL_GetDrawableSize(gWindow, &drawableWidth, &drawableHeight);
    resizeViewport(drawableWidth, drawableHeight);
    initGraphics();
    return true;
}

bool takeFullscreenRefusal()
{
    return std::exchange(gFullscreenRefused, false);
}

void destroyGameWindow()
{
    noteWindowPlacement();

    if (gContext != nullptr) {
        if (SDL_GL_MakeCurrent(gWindow, nullptr) != 0) shutdownError("Release of DC and RC failed.");
        SDL_GL_DeleteContext(gContext);
        gContext = nullptr;
    }
    // Every handle is cleared once released, so a second call finds nothing
    // to release twice.
    if (gWindow != nullptr) {
        SDL_DestroyWindow(gWindow);
        gWindow = nullptr;
    }
    if (gVideoStarted) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        gVideoStarted = false;
        if (SDL_WasInit(SDL_INIT_VIDEO) != 0) shutdownError("Could not unregister class.");
    }
}

void swapGameBuffers()
{
    if (gWindow != nullptr) SDL_GL_SwapWindow(gWindow);
}

int gameDisplayRefreshRate()
{
    if (gWindow == nullptr) return 0;
    const int display = SDL_GetWindowDisplayIndex(gWindow);
    SDL_DisplayMode mode{};
    if (display < 0 || SDL_GetCurrentDisplayMode(display, &mode) != 0) return 0;
    return mode.refresh_rate > 0 ? mode.refresh_rate : 0;
}

void gameWindowSize(int& width, int& height)
{
    width = 0;
    height = 0;
    if (gWindow != nullptr) SDL_GL_GetDrawableSize(gWindow, &width, &height);
}

WindowGeometry gameWindowGeometry()
{
    WindowGeometry geometry{0, 0, 0, 0};
    if (gWindow == nullptr) return geometry;
    SDL_GetWindowSize(gWindow, &geometry.windowWidth, &geometry.windowHeight);
    SDL_GL_GetDrawableSize(gWindow, &geometry.drawableWidth, &geometry.drawableHeight);
    return geometry;
}

void noteWindowPlacement()
{
    if (gWindow == nullptr || fullscreen) return;
    const Uint32 flags = SDL_GetWindowFlags(gWindow);
    if ((flags & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MINIMIZED)) != 0) return;
    windowPlacement.maximized = (flags & SDL_WINDOW_MAXIMIZED) != 0;
    if (windowPlacement.maximized) return;
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(gWindow, &width, &height);
    if (width >= kMinWindowSize && height >= kMinWindowSize) {
        windowPlacement.width = width;
        windowPlacement.height = height;
    }
}
