#pragma once

#include "app/picture_fit.h"

// The window and its GL context, made by the platform layer. Only the entry
// point, the benches and the GL tests call these.

/// Creates the game window with a current GL context, sets the projection
/// for a logical picture of width x height pixels and runs initGraphics; the
/// caller loads its textures afterwards. Windowed, the window takes the size
/// and maximised state of `windowPlacement`, centred on the display, and can
/// be resized. Full screen covers the display at its own resolution, with no
/// display-mode change; when the window system refuses, the window is made
/// windowed and takeFullscreenRefusal says so once (the game then asks the
/// player in its own dialog). The picture is scaled to fit either way. Only
/// a real display is used: SDL's offscreen and dummy drivers count as none.
/// Every failure is reported in a message box and returns false. Sets
/// `fullscreen` to the mode the window has.
bool createGameWindow(const char* title, int width, int height, int bits, bool fullscreenWanted);

/// True once after a creation that went windowed because full screen was
/// refused.
bool takeFullscreenRefusal();

/// Releases whatever exists of the window and its context, noting a windowed
/// window's placement first. Safe on a partly created window and when called
/// twice.
void destroyGameWindow();

/// Presents the back buffer (in step with the display where the driver
/// honours the vertical sync asked for at creation).
void swapGameBuffers();

/// The refresh rate of the window's display in Hz, 0 when unknown.
int gameDisplayRefreshRate();

/// The current drawable size of the window in pixels (0 x 0 with no window).
void gameWindowSize(int& width, int& height);

/// The window's size in screen points and its drawable's in pixels now.
WindowGeometry gameWindowGeometry();

/// Records a windowed, neither maximised nor minimised window's size, and its
/// maximised state, in `windowPlacement`. Full screen records nothing.
void noteWindowPlacement();
