#pragma once

struct Input;
struct View;

/// The window messages the game handles, each with the fields of its kind.
/// The platform layer turns each of its events into one of these; game code
/// never sees the window system's types.
enum class MessageKind {
    Activate,     ///< focused, minimised
    Close,        ///< a request to end; byPlayer for the window's own close box
    KeyDown,      ///< key: virtual-key code
    KeyUp,        ///< key: virtual-key code
    Size,         ///< width, height: the drawable, pixels
    MouseMove,    ///< x, y: logical pixels of the picture
    LButtonDown,
    LButtonUp,
    MouseWheel,   ///< wheel: notches turned, positive away from the player
    TypedText,    ///< text: up to four bytes the keyboard typed (UTF-8), zero-ended
    Quit,         ///< posted by postQuitMessage; exitCode
    Other,        ///< anything else the platform passes on
};

struct WindowMessage {
    MessageKind kind = MessageKind::Other;
    int key = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int wheel = 0;
    bool focused = false;
    bool minimised = false;
    /// Of a Close: it came from the player closing the window, not from a
    /// signal or the session ending; only such a close may be refused.
    bool byPlayer = false;
    char text[5] = {};
    int exitCode = 0;

    static WindowMessage keyDown(int code) { return {.kind = MessageKind::KeyDown, .key = code}; }
    static WindowMessage keyUp(int code) { return {.kind = MessageKind::KeyUp, .key = code}; }
    static WindowMessage mouseMove(int x, int y) { return {.kind = MessageKind::MouseMove, .x = x, .y = y}; }
    static WindowMessage size(int width, int height)
    {
        return {.kind = MessageKind::Size, .width = width, .height = height};
    }
    static WindowMessage wheelTurned(int notches) { return {.kind = MessageKind::MouseWheel, .wheel = notches}; }
    static WindowMessage activate(bool focused, bool minimised)
    {
        return {.kind = MessageKind::Activate, .focused = focused, .minimised = minimised};
    }
    static WindowMessage close(bool byPlayer) { return {.kind = MessageKind::Close, .byPlayer = byPlayer}; }
    /// The typed character c alone.
    static WindowMessage typed(char c) { return {.kind = MessageKind::TypedText, .text = {c}}; }
    static WindowMessage of(MessageKind kind) { return {.kind = kind}; }
};

/// Turns one message into the game's input state (`input`, and
/// `windowActive`; a pointer maps to the world through `view`), resizes the
/// viewport, or posts the quit message. Called on the main thread between
/// frames only; what the game itself does with a key press or a restored
/// window is the shell's.
void windowProc(const WindowMessage& message, Input& input, const View& view);

/// Queues the quit message with an exit code; the main loop takes it before
/// any further window message.
void postQuitMessage(int exitCode);

/// Takes the posted quit message, if any, as a Quit message. Returns false when
/// none is pending.
bool takeQuitMessage(WindowMessage& out);
