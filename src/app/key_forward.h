#pragma once

/// Hands one key press (a virtual-key code) to the editor's key handler. The
/// window procedure calls it for every key press in every game state, since
/// the editor's text fields decide for themselves whether to take the key.
void forwardKeyToEditor(int virtualKey);

/// Whether a text field of the shown editor has the keyboard now.
bool editorTextFieldFocused();
