#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/input.h"
#include "fresh_shell.h"
#include "level/game.h"
#include "menu/menu.h"
#include "menu/menu_setup.h"

/// A fresh shell in the main menu, so tests can drive screens through the
/// mouse alone.
class MenuTest : public ShellTest {
protected:
    std::vector<Menu>& menus = shell->menu.screens;

    /// Reads a description with background levels that never load.
    void readScreens(const std::string& text)
    {
        parseMenuSetup(text, menus, [](Level&, const std::string&) { return false; });
    }

    void openScreen(int index) { shell->menu.open(index, shell->game); }

    void moveMouseTo(int x, int y, bool leftDown = false)
    {
        mouse.x = x;
        mouse.y = y;
        mouse.leftDown = leftDown;
    }

    /// One frame of the shell: in the main menu, every screen updated in
    /// index order.
    void updateAll(float dt = 1.0f) { shell->update(dt); }

    void runFrames(int count)
    {
        for (int i = 0; i < count; ++i)
            updateAll();
    }

    /// Presses and releases the left button over (x, y), one frame each.
    void clickAt(int x, int y)
    {
        moveMouseTo(x, y, true);
        updateAll();
        moveMouseTo(x, y, false);
        updateAll();
    }
};
