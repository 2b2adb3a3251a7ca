#pragma once

#include <algorithm>
#include <cstdint>

#include "app/clock.h"
#include "app/globals.h"
#include "app/input.h"
#include "app/window_proc.h"

/// Puts the shell's globals back to their start values, so that tests do not
/// see each other's keys, camera or window size.
inline void resetShellState()
{
    std::fill(std::begin(keys), std::end(keys), false);
    mouse = MouseState{};
    cameraOffset = Vector2D(-1.3f, 0.0f);
    inMainMenu = true;
    quitRequested = false;
    windowActive = true;
    fullscreen = false;
    windowWidth = 800;
    windowHeight = 600;
    lastTick = 0;
    WindowMessage pending;
    while (takeQuitMessage(pending)) {
    }
}

/// A clock that only moves when the game sleeps or the test says so.
struct FakeClock {
    static inline std::uint32_t now = 0;
    static inline std::uint32_t slept = 0;
    static std::uint32_t ticks() { return now; }
    static void sleep(std::uint32_t ms)
    {
        now += ms;
        slept += ms;
    }
    static void install(std::uint32_t start)
    {
        now = start;
        slept = 0;
        setTickSource(ticks);
        setSleepSink(sleep);
    }
    static void uninstall()
    {
        setTickSource(nullptr);
        setSleepSink(nullptr);
    }
};
