#pragma once

/// F1, F11 and Alt+Enter each ask for the other window mode.
bool fullscreenRequested();

/// Forgets the request (the keys' flags), so one press toggles once.
void clearFullscreenRequest();
