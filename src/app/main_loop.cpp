#include "app/main_loop.h"

#include <GL/gl.h>

#include "app/clock.h"
#include "app/frame_timing.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/texture.h"
#include "editor/slide_menu.h"
#include "level/game.h"
#include "level/list_file.h"
#include "level/progress.h"
#include "menu/menu.h"
#include "menu/menu_setup.h"
#include "play/play_menu.h"
#include "ui/text.h"

namespace {

constexpr float kCameraStep = 0.1f;
constexpr int kWindowedWidth = 800;
constexpr int kWindowedHeight = 600;
constexpr int kFullscreenWidth = 1024;
constexpr int kFullscreenHeight = 768;

/// One frame: wait out the rest of the 10 ms since the last one, take the
/// frame time, update, draw, present.
void runFrame(const ShellServices& shell)
{
    const std::uint32_t wait = framePaceWait(tickCount(), lastTick);
    if (wait > 0) sleepMs(wait);

    const float dt = frameDt(tickCount(), lastTick);
    // A second reading, so the time spent above is not counted twice.
    lastTick = tickCount();

    updateFrame(dt);
    mouse.wheel = 0;  // a turn of the wheel counts for the frame it came in
    drawFrame();
    shell.swapBuffers();
}

/// F1: the window is made anew in the other mode. Returns false when the new
/// window cannot be made; the game then ends at once.
bool toggleFullscreen(const ShellServices& shell)
{
    keys[kVkF1] = false;
    shell.destroyWindow();
    fullscreen = !fullscreen;
    const int width = fullscreen ? kFullscreenWidth : kWindowedWidth;
    const int height = fullscreen ? kFullscreenHeight : kWindowedHeight;
    return shell.createWindow(kWindowTitle, width, height, 32, fullscreen);
}

} // namespace

int runGame(const ShellServices& shell)
{
    if (!shell.createWindow(kWindowTitle, windowWidth, windowHeight, colorBits, fullscreen)) return 0;
    lastTick = tickCount();
    gameInit();

    int exitCode = 0;
    while (!quitRequested) {
        // Messages are drained one per pass before any frame runs.
        WindowMessage message;
        if (takeQuitMessage(message) || shell.peekMessage(message)) {
            if (message.kind == MessageKind::Quit) {
                quitRequested = true;
                exitCode = static_cast<int>(message.wParam);
            } else {
                windowProc(message);
            }
            continue;
        }

        if (windowActive)
            runFrame(shell);
        else
            sleepMs(kInactiveSleepMs);

        if (keys[kVkF1] && !toggleFullscreen(shell)) return 0;  // nothing saved
    }

    // Progress is saved before the window goes. It was also saved each time
    // it grew; this write covers a hand-edited file the game read at start.
    writeProgress(game);
    shell.destroyWindow();
    return exitCode;
}

void gameInit()
{
    // Each piece plugs in at its place; the order matters:
    // 1. Scan the themes listed in "themes.txt".
    scanThemes(game, [](const std::string& path) { return static_cast<unsigned int>(loadTexture(path)); });
    // 2. Make the first theme current; with no theme at all the game starts
    //    with no current theme (triangles drawn as outlines).
    if (!game.themes.empty()) makeThemeCurrent(game.themes.front());
    // 3. The font's glyph table.
    buildGlyphTable();
    // 4. Read the main-menu screens from "menusetup.txt".
    readMenuSetup("menusetup.txt");
    // 5. Load every main-menu screen's picture.
    loadMenuPictures();
    // 6. Open screen 0 when there is at least one screen.
    if (menuCount > 0) openScreen(0);
    // 7. Scan the levels listed in "levels.txt".
    scanLevels(game);
    // 8. Read the completed-level count from "config.txt".
    readProgress(game);
}

void moveCameraByKeys()
{
    if (keys[kVkUp]) cameraOffset.y += kCameraStep;
    if (keys[kVkDown]) cameraOffset.y -= kCameraStep;
    if (keys[kVkRight]) cameraOffset.x += kCameraStep;
    if (keys[kVkLeft]) cameraOffset.x -= kCameraStep;
}

void updateFrame(float dt)
{
    if (inMainMenu) {
        for (Menu& screen : menus) screen.update(dt);
        return;
    }
    moveCameraByKeys();
    if (editor.active) editor.update(dt);
    playMenu.update(dt);
}

bool drawFrame()
{
    // The clear colour set below takes effect at the next frame's clear.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (inMainMenu) {
        glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        for (Menu& screen : menus) screen.draw();
        return true;
    }
    glClearColor(0.5f, 0.5f, 1.0f, 0.5f);
    if (editor.active) editor.draw();
    playMenu.draw();
    return true;
}
