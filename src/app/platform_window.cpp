// The game window and its GL context on SDL2.
#include <SDL2/SDL.h>

#include "app/game_window.h"
#include "app/globals.h"
#include "app/graphics_init.h"
#include "app/message_box.h"
#include "app/viewport.h"

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

/// Asks the display for a mode of exactly width x height. Returns false when
/// it has none.
bool findFullscreenMode(int width, int height, SDL_DisplayMode& mode)
{
    SDL_DisplayMode wanted{};
    wanted.w = width;
    wanted.h = height;
    if (SDL_GetClosestDisplayMode(0, &wanted, &mode) == nullptr) return false;
    return mode.w == width && mode.h == height;
}

/// The full-screen refusal: Yes goes on windowed, anything else ends.
bool acceptWindowedInstead()
{
    const MessageAnswer answer =
        showMessage("The requested fullscreen mode is not supported by\nyour video card. Use windowed mode instead?",
                    "Brelk GL", MessageIcon::Exclamation, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) return true;
    showMessage("Program will now close.", "ERROR", MessageIcon::Stop);
    return false;
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
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 0);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
}

/// Window position: full screen at the origin, windowed centred on the
/// primary display using the size held in the globals (after a toggle, still
/// the previous window's size).
void windowPosition(int& x, int& y)
{
    x = 0;
    y = 0;
    if (fullscreen) return;
    SDL_DisplayMode desktop{};
    if (SDL_GetDesktopDisplayMode(0, &desktop) != 0) {
        x = y = static_cast<int>(SDL_WINDOWPOS_CENTERED);
        return;
    }
    x = (desktop.w - windowWidth) / 2;
    y = (desktop.h - windowHeight) / 2;
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
        gVideoStarted = true;
    }
    SDL_DisableScreenSaver();

    // Switch the display for full screen
    SDL_DisplayMode mode{};
    if (fullscreen && !findFullscreenMode(width, height, mode)) {
        if (!acceptWindowedInstead()) return false;
        fullscreen = false;
    }

    // Create the window with a GL-capable pixel format
    requestPixelFormat(gPixelBits);
    int x = 0;
    int y = 0;
    windowPosition(x, y);
    Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    if (fullscreen) flags |= SDL_WINDOW_FULLSCREEN;
    gWindow = SDL_CreateWindow(title, x, y, width, height, flags);
    if (gWindow == nullptr) {
        destroyGameWindow();
        creationError("Window creation error.");
        return false;
    }
    if (fullscreen && SDL_SetWindowDisplayMode(gWindow, &mode) != 0) {
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

    SDL_ShowWindow(gWindow);
    SDL_RaiseWindow(gWindow);
    // Text fields take virtual-key codes, not composed text.
    SDL_StopTextInput();

    resizeViewport(width, height);
    initGraphics();
    return true;
}

void destroyGameWindow()
{
    if (fullscreen && gWindow != nullptr) SDL_SetWindowFullscreen(gWindow, 0);

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

void gameWindowSize(int& width, int& height)
{
    width = 0;
    height = 0;
    if (gWindow != nullptr) SDL_GL_GetDrawableSize(gWindow, &width, &height);
}
