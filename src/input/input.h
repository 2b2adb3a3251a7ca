#pragma once

#include "app/globals.h"

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
