#pragma once

#include <cstdint>

/// SDL key codes as plain integers, so that the mapping to the game's
/// virtual-key codes can live (and be tested) outside the platform layer.
/// The platform checks at compile time that these equal SDL's own values.
namespace sdl_key {
constexpr std::int32_t kScancodeMask = 1 << 30;
constexpr std::int32_t fromScancode(std::int32_t scancode) { return scancode | kScancodeMask; }

constexpr std::int32_t kBackspace = '\b';
constexpr std::int32_t kTab = '\t';
constexpr std::int32_t kReturn = '\r';
constexpr std::int32_t kEscape = 0x1B;
constexpr std::int32_t kSpace = ' ';
constexpr std::int32_t kDelete = 0x7F;
constexpr std::int32_t kA = 'a';  ///< letters are 'a'..'z'
constexpr std::int32_t k0 = '0';  ///< digits are '0'..'9'
constexpr std::int32_t kCapsLock = fromScancode(57);
constexpr std::int32_t kF1 = fromScancode(58);  ///< F1..F12 are consecutive
constexpr std::int32_t kF12 = fromScancode(69);
constexpr std::int32_t kPause = fromScancode(72);
constexpr std::int32_t kInsert = fromScancode(73);
constexpr std::int32_t kHome = fromScancode(74);
constexpr std::int32_t kPageUp = fromScancode(75);
constexpr std::int32_t kEnd = fromScancode(77);
constexpr std::int32_t kPageDown = fromScancode(78);
constexpr std::int32_t kRight = fromScancode(79);
constexpr std::int32_t kLeft = fromScancode(80);
constexpr std::int32_t kDown = fromScancode(81);
constexpr std::int32_t kUp = fromScancode(82);
constexpr std::int32_t kKpDivide = fromScancode(84);
constexpr std::int32_t kKpMultiply = fromScancode(85);
constexpr std::int32_t kKpMinus = fromScancode(86);
constexpr std::int32_t kKpPlus = fromScancode(87);
constexpr std::int32_t kKpEnter = fromScancode(88);
constexpr std::int32_t kKp1 = fromScancode(89);  ///< keypad 1..9 are consecutive, then 0
constexpr std::int32_t kKp0 = fromScancode(98);
constexpr std::int32_t kKpPeriod = fromScancode(99);
constexpr std::int32_t kLCtrl = fromScancode(224);
constexpr std::int32_t kLShift = fromScancode(225);
constexpr std::int32_t kLAlt = fromScancode(226);
constexpr std::int32_t kRCtrl = fromScancode(228);
constexpr std::int32_t kRShift = fromScancode(229);
constexpr std::int32_t kRAlt = fromScancode(230);
} // namespace sdl_key

/// The virtual-key code (input.h) of an SDL key code, or 0 for a key the game
/// has no code for. Letters give the capital's code, as the game's text entry
/// expects; left and right modifiers give the same code.
int virtualKeyFromSdl(std::int32_t sdlKeycode);
