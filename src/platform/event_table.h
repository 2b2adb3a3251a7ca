#pragma once

#include <SDL2/SDL.h>

#include "app/picture_fit.h"
#include "input/window_proc.h"

/// Turns SDL events into the game's window messages, one event at a time.
/// It remembers whether the window is minimised, so that every activation
/// message says so whatever order the window system sends its focus and
/// minimise events in.
class EventTable {
public:
    /// The message for one event. `geometry` is the window's size now: sizes
    /// go out as drawable pixels, mouse positions as logical pixels of the
    /// picture, clamped to its edge.
    WindowMessage translate(const SDL_Event& event, const WindowGeometry& geometry);

    bool minimised() const { return minimised_; }

private:
    WindowMessage fromWindowEvent(const SDL_WindowEvent& event, const WindowGeometry& geometry);
    WindowMessage activation(bool focused) const;

    bool minimised_ = false;
};
