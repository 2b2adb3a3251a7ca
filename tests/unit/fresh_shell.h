#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "app/clock.h"
#include "app/globals.h"
#include "input/window_proc.h"
#include "game/shell.h"
#include "ui/overlay.h"

/// Puts the app layer's globals (window, the view drawn through) back to
/// their start values and drops a posted quit, so that tests do not see each
/// other's window or view. Everything else a test touches lives in a shell
/// or a part it made itself.
inline void resetAppGlobals()
{
    windowActive = true;
    fullscreen = false;
    useView(View());
    WindowMessage pending;
    while (takeQuitMessage(pending)) {
    }
}

/// The one way tests get the game's state: a fresh shell of their own (on the
/// heap, it holds whole worlds), with the app globals reset around it.
struct FreshShell {
    FreshShell() { resetAppGlobals(); }
    ~FreshShell() { resetAppGlobals(); }
    FreshShell(const FreshShell&) = delete;
    FreshShell& operator=(const FreshShell&) = delete;

    Shell& operator*() { return *shell; }
    Shell* operator->() { return shell.get(); }

    std::unique_ptr<Shell> shell = std::make_unique<Shell>();
};

/// A test on a fresh shell, which sets the shell's input by the names the
/// game's code reads it by, as the window procedure would.
class ShellTest : public ::testing::Test {
protected:
    FreshShell shell;
    Input& input = shell->input;
    MouseState& mouse = input.mouse;
    bool (&keys)[256] = input.keys;
    bool (&keysPressed)[256] = input.keysPressed;

    void clearKeyPresses() { input.clearKeyPresses(); }
};

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
