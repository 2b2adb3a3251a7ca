#pragma once

#include "mode/mode_request.h"

struct Input;
struct View;

/// What the shell asks of the mode it shows (the main menu, the play mode or
/// the editor). The shell owns the one input and the one view and hands them
/// over; a mode changes nothing outside itself but the camera of its view,
/// and asks for everything else by the request its update returns.
class GameMode {
public:
    virtual ~GameMode() = default;

    /// One update of game time, dt in 10 ms units, seeing `input` as the
    /// player left it since the last update. No GL.
    virtual ModeRequest update(const Input& input, float dt) = 0;

    /// Draws the mode through `view`, the picture's view (the one handed to
    /// useView). GL only; changes nothing.
    virtual void draw(const View& view) const = 0;

    /// A key press (virtual-key code) while the mode is shown, with the
    /// input as it is at the press (which modifiers are held). What a mode
    /// reads from keysPressed in its update needs nothing here.
    virtual void keyDown(int code, const Input& input) = 0;

    /// A text field of the mode has the keyboard: keys type there, and the
    /// game's own key commands (the sound keys) leave them alone.
    virtual bool wantsKeyboard() const = 0;

protected:
    GameMode() = default;
    GameMode(const GameMode&) = default;
    GameMode& operator=(const GameMode&) = default;
};
