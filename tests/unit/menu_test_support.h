#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "app/input.h"
#include "editor/slide_menu.h"
#include "level/game.h"
#include "menu/menu.h"
#include "menu/menu_setup.h"
#include "play/play_menu.h"

/// Puts the globals a main-menu screen reads and writes back to their start
/// values around each test, so tests can drive screens through mouse alone.
class MenuTest : public ::testing::Test {
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { resetGlobals(); }

    static void resetGlobals()
    {
        menus.clear();
        menuCount = 0;
        inMainMenu = true;
        quitRequested = false;
        windowWidth = 800;
        windowHeight = 600;
        cameraOffset = Vector2D(-1.3f, 0.0f);
        mouse = MouseState{};
        currentTexture = nullptr;
        playMenu.active = false;
        editor.active = false;
        game.levels.clear();
        game.completedLevels = 0;
    }

    /// Reads a description with background levels that never load.
    static void readScreens(const std::string& text)
    {
        parseMenuSetup(text, menus, [](Level&, const std::string&) { return false; });
        menuCount = static_cast<int>(menus.size());
    }

    static void moveMouseTo(int x, int y, bool leftDown = false)
    {
        mouse.x = x;
        mouse.y = y;
        mouse.leftDown = leftDown;
    }

    /// One frame of the main menu: every screen updated in index order.
    static void updateAll(float dt = 1.0f)
    {
        for (Menu& screen : menus)
            screen.update(dt);
    }

    static void runFrames(int count)
    {
        for (int i = 0; i < count; ++i)
            updateAll();
    }

    /// Presses and releases the left button over (x, y), one frame each.
    static void clickAt(int x, int y)
    {
        moveMouseTo(x, y, true);
        updateAll();
        moveMouseTo(x, y, false);
        updateAll();
    }
};
