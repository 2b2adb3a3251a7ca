#pragma once

struct Input;

/// F1, F11 and Alt+Enter (pressed in `input`) each ask for the other window
/// mode, as does requestFullscreenToggle.
bool fullscreenRequested(const Input& input);

/// Asks for the other window mode, as F1 does (the Options screen).
void requestFullscreenToggle();

/// Forgets the request (the keys' flags in `input`), so one press toggles once.
void clearFullscreenRequest(Input& input);
