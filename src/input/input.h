#pragma once

#include "physics/vector2d.h"

struct View;

/// Virtual-key codes the game uses (the codes of a message-driven desktop).
enum VirtualKey : int {
    kVkBack = 0x08,
    kVkTab = 0x09,
    kVkReturn = 0x0D,
    kVkShift = 0x10,
    kVkControl = 0x11,
    kVkMenu = 0x12,  ///< Alt
    kVkPause = 0x13,
    kVkCapital = 0x14,
    kVkEscape = 0x1B,
    kVkSpace = 0x20,
    kVkPrior = 0x21,  ///< Page Up
    kVkNext = 0x22,   ///< Page Down
    kVkEnd = 0x23,
    kVkHome = 0x24,
    kVkLeft = 0x25,
    kVkUp = 0x26,
    kVkRight = 0x27,
    kVkDown = 0x28,
    kVkInsert = 0x2D,
    kVkDelete = 0x2E,
    kVk0 = 0x30,  ///< digits 0x30-0x39, letters 0x41-0x5A (capitals)
    kVkA = 0x41,
    kVkNumpad0 = 0x60,  ///< keypad digits 0x60-0x69
    kVkMultiply = 0x6A,
    kVkAdd = 0x6B,
    kVkSubtract = 0x6D,
    kVkDecimal = 0x6E,
    kVkDivide = 0x6F,
    kVkF1 = 0x70,  ///< F1-F12 0x70-0x7B
    kVkF2 = 0x71,
    kVkF12 = 0x7B,
    kVkOemSemicolon = 0xBA,
    kVkOemPlus = 0xBB,
    kVkOemComma = 0xBC,
    kVkOemMinus = 0xBD,
    kVkOemPeriod = 0xBE,
    kVkOemSlash = 0xBF,
    kVkOemBackquote = 0xC0,
    kVkOemOpenBracket = 0xDB,
    kVkOemBackslash = 0xDC,
    kVkOemCloseBracket = 0xDD,
    kVkOemQuote = 0xDE,
};

/// The virtual-key code of a capital letter's key ('A' to 'Z').
constexpr int letterKey(char letter) { return kVkA + (letter - 'A'); }

/// The mouse as the next update sees it.
struct MouseState {
    int x = 0;           ///< logical pixels of the picture from the left edge
    int y = 0;           ///< logical pixels from the top edge
    Vector2D world;      ///< world position computed at the last move (y up)
    /// Held, as the next update sees it: a press released before any update
    /// ran still reads as held for that one update, so a click of any length
    /// presses a button.
    bool leftDown = false;
    int wheel = 0;       ///< wheel notches since the last update, positive away from the player
    bool pressUnseen = false;    ///< a press that no update has seen yet
    bool releaseWaiting = false; ///< its release, carried out once an update has seen the press
};

/// What the player's keyboard and mouse have done, as the next update sees
/// it. The shell keeps the game's one Input, fills it from the window
/// messages between frames and hands it to the update of the current mode.
struct Input {
    /// Key-down flags indexed by virtual-key code.
    bool keys[256] = {};
    /// Keys pressed since the last update, by virtual-key code: set by the
    /// first key-down of a press (not by its repeats), cleared once an update
    /// has run. Shortcut keys read these so that a press acts once, however short.
    bool keysPressed[256] = {};
    MouseState mouse;

    /// A key went down (a repeat while held sets no fresh press) or up.
    /// Codes outside the tables cannot come from a real key and are ignored.
    void keyDown(int code);
    void keyUp(int code);
    /// The pointer moved to logical pixel (x, y), mapped through `view`.
    void pointerMove(int x, int y, const View& view);
    void buttonDown();
    void buttonUp();
    /// The window lost the keyboard or was minimised: every key and the
    /// button are let go (their releases would never come).
    void releaseAll();
    /// Clears keysPressed.
    void clearKeyPresses();
    /// Whether any key was pressed since the last update.
    bool anyKeyPressed() const;
    /// What one update has taken: the key presses and wheel notches are
    /// cleared, and a release held back for an unseen press is carried out.
    /// The main loop calls it after every update, and only then, so input
    /// that comes while no update runs waits for the next.
    void seenByUpdate();
};
