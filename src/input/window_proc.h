#pragma once

#include <cstdint>

struct View;

/// The window messages the game handles. The platform layer turns each of its
/// events into one of these; game code never sees the window system's types.
/// wParam of a Close message that came from the player closing the window,
/// not from a signal or the session ending; only such a close may be refused.
constexpr std::uint32_t kClosedByPlayer = 1;

enum class MessageKind {
    Activate,     ///< wParam: low word active state, high word non-zero when minimised
    Close,        ///< a request to end: wParam kClosedByPlayer for the window's own close box
    KeyDown,      ///< wParam: virtual-key code
    KeyUp,        ///< wParam: virtual-key code
    Size,         ///< lParam: low word drawable width, high word drawable height, pixels
    MouseMove,    ///< lParam: low word x, high word y, logical pixels of the picture
    LButtonDown,
    LButtonUp,
    MouseWheel,   ///< wParam: notches turned as a signed 32-bit count, positive away from the player
    TypedText,    ///< wParam: up to four bytes of text the keyboard typed (UTF-8), the first in the low byte
    SysCommand,   ///< wParam: the system command
    Quit,         ///< posted by postQuitMessage; wParam: exit code
    Other,        ///< anything else the platform passes on
};

struct WindowMessage {
    MessageKind kind = MessageKind::Other;
    std::uint32_t wParam = 0;
    std::uint32_t lParam = 0;
};

/// System commands that would start the screen saver or power the monitor down.
constexpr std::uint32_t kScScreenSave = 0xF140;
constexpr std::uint32_t kScMonitorPower = 0xF170;

/// Two 16-bit words packed as the window system packs sizes and positions.
constexpr std::uint32_t packWords(std::uint32_t low, std::uint32_t high)
{
    return (low & 0xFFFFu) | ((high & 0xFFFFu) << 16);
}
constexpr std::uint32_t lowWord(std::uint32_t v) { return v & 0xFFFFu; }
constexpr std::uint32_t highWord(std::uint32_t v) { return (v >> 16) & 0xFFFFu; }

/// The bytes of a TypedText message's wParam, in order; a zero byte ends them.
template <typename Visit>
void forEachTypedByte(std::uint32_t wParam, Visit&& visit)
{
    for (int i = 0; i < 4; ++i) {
        const auto byte = static_cast<unsigned char>((wParam >> (8 * i)) & 0xFFu);
        if (byte == 0) return;
        visit(static_cast<char>(byte));
    }
}

/// Turns one message into the game's input state (`keys`, `mouse`,
/// `windowActive`; a pointer maps to the world through `view`), resizes the
/// viewport, or posts the quit message. Returns true
/// when the message was handled; false means the window system's default
/// handling applies. Called on the main thread between frames only; what the
/// game itself does with a key press or a restored window is the shell's.
bool windowProc(const WindowMessage& message, const View& view);

/// Queues the quit message with an exit code; the main loop takes it before
/// any further window message.
void postQuitMessage(int exitCode);

/// Takes the posted quit message, if any, as a Quit message. Returns false when
/// none is pending.
bool takeQuitMessage(WindowMessage& out);
