#pragma once

#include <gtest/gtest.h>

#include "input/input.h"
#include "fresh_shell.h"
#include "ui/page_holder.h"

/// Widget tests drive an input and a list of tab strips of their own, as an
/// owner of widgets would; the app globals are reset around them.
class UiTest : public ::testing::Test {
protected:
    void SetUp() override { resetAppGlobals(); }
    void TearDown() override { resetAppGlobals(); }

    std::vector<PageHolder> pageHolders;
    Input input;
    MouseState& mouse = input.mouse;

    void moveMouse(int x, int y, bool leftDown)
    {
        mouse.x = x;
        mouse.y = y;
        mouse.leftDown = leftDown;
    }

    /// One holder whose strip covers nothing the tests click, with the
    /// given number of pages and page 0 current.
    PageHolder& addHolder(int pageCount)
    {
        pageHolders.emplace_back();
        PageHolder& holder = pageHolders.back();
        holder.position = Vector2D(5.0f, 50.0f);
        holder.size = Vector2D(190.0f, 20.0f);
        for (int i = 0; i < pageCount; ++i) holder.addPage("Page");
        return holder;
    }

};
