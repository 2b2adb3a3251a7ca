#pragma once

/// F1, F11 and Alt+Enter each ask for the other window mode, as does
/// requestFullscreenToggle.
bool fullscreenRequested();

/// Asks for the other window mode, as F1 does (the Options screen).
void requestFullscreenToggle();

/// Forgets the request (the keys' flags), so one press toggles once.
void clearFullscreenRequest();
