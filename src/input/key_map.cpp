#include "input/key_map.h"

#include <array>
#include <utility>

#include "input/input.h"

namespace {

// Keys outside the letter, digit, function-key and keypad-digit runs.
constexpr std::array<std::pair<std::int32_t, int>, 41> kSingleKeys{{
    {sdl_key::kBackspace, kVkBack},
    {sdl_key::kTab, kVkTab},
    {sdl_key::kReturn, kVkReturn},
    {sdl_key::kKpEnter, kVkReturn},
    {sdl_key::kEscape, kVkEscape},
    {sdl_key::kSpace, kVkSpace},
    {sdl_key::kDelete, kVkDelete},
    {sdl_key::kCapsLock, kVkCapital},
    {sdl_key::kPause, kVkPause},
    {sdl_key::kInsert, kVkInsert},
    {sdl_key::kHome, kVkHome},
    {sdl_key::kPageUp, kVkPrior},
    {sdl_key::kEnd, kVkEnd},
    {sdl_key::kPageDown, kVkNext},
    {sdl_key::kLeft, kVkLeft},
    {sdl_key::kUp, kVkUp},
    {sdl_key::kRight, kVkRight},
    {sdl_key::kDown, kVkDown},
    {sdl_key::kKpDivide, kVkDivide},
    {sdl_key::kKpMultiply, kVkMultiply},
    {sdl_key::kKpMinus, kVkSubtract},
    {sdl_key::kKpPlus, kVkAdd},
    {sdl_key::kKpPeriod, kVkDecimal},
    {sdl_key::kLShift, kVkShift},
    {sdl_key::kRShift, kVkShift},
    {sdl_key::kLCtrl, kVkControl},
    {sdl_key::kRCtrl, kVkControl},
    {sdl_key::kLAlt, kVkMenu},
    {sdl_key::kRAlt, kVkMenu},
    {';', kVkOemSemicolon},
    {'=', kVkOemPlus},
    // A layout with a key of its own for + (German, Nordic) sends it, not '='.
    {'+', kVkOemPlus},
    {',', kVkOemComma},
    {'-', kVkOemMinus},
    {'.', kVkOemPeriod},
    {'/', kVkOemSlash},
    {'`', kVkOemBackquote},
    {'[', kVkOemOpenBracket},
    {'\\', kVkOemBackslash},
    {']', kVkOemCloseBracket},
    {'\'', kVkOemQuote},
}};

} // namespace

int virtualKeyFromSdl(std::int32_t code)
{
    if (code >= sdl_key::kA && code <= sdl_key::kA + 25) return kVkA + (code - sdl_key::kA);
    if (code >= sdl_key::k0 && code <= sdl_key::k0 + 9) return kVk0 + (code - sdl_key::k0);
    if (code >= sdl_key::kF1 && code <= sdl_key::kF12) return kVkF1 + (code - sdl_key::kF1);
    // SDL orders the keypad 1..9 then 0; the game's codes run 0..9.
    if (code >= sdl_key::kKp1 && code < sdl_key::kKp0) return kVkNumpad0 + 1 + (code - sdl_key::kKp1);
    if (code == sdl_key::kKp0) return kVkNumpad0;
    for (const auto& [sdl, vk] : kSingleKeys)
        if (sdl == code) return vk;
    return 0;
}
