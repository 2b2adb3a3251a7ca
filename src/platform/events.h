#pragma once

#include "input/window_proc.h"

// The window system's events, taken one at a time between frames.

/// Takes one pending window event, translated into a game message, without
/// waiting. Returns false when there is none.
bool peekWindowMessage(WindowMessage& out);

/// Marks a termination request as if a signal had arrived; the next message
/// taken is the close request. Async-signal-safe.
void requestTermination();
