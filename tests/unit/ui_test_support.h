#pragma once

#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/input.h"
#include "ui/page_holder.h"

/// Widget tests drive the global mouse and tab strips; this fixture puts them
/// back the way a fresh process has them, before and after every test.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }

    static void moveMouse(int x, int y, bool leftDown)
    {
        mouse.x = x;
        mouse.y = y;
        mouse.leftDown = leftDown;
    }

    /// One holder whose strip covers nothing the tests click, with the
    /// given number of pages and page 0 current.
    static PageHolder& addHolder(int pageCount)
    {
        pageHolders.emplace_back();
        PageHolder& holder = pageHolders.back();
        holder.position = Vector2D(5.0f, 50.0f);
        holder.size = Vector2D(190.0f, 20.0f);
        for (int i = 0; i < pageCount; ++i) holder.addPage("Page");
        return holder;
    }

private:
    static void reset()
    {
        mouse = MouseState{};
        pageHolders.clear();
        windowWidth = 800;
        windowHeight = 600;
    }
};
