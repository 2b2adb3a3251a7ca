#include <gtest/gtest.h>

#include "input/input.h"
#include "input/key_map.h"

TEST(KeyMap, LettersDigitsAndFunctionKeysRunInOrder)
{
    EXPECT_EQ(virtualKeyFromSdl('a'), 0x41);  // letters give the capital's code
    EXPECT_EQ(virtualKeyFromSdl('m'), 0x4D);
    EXPECT_EQ(virtualKeyFromSdl('z'), 0x5A);
    EXPECT_EQ(virtualKeyFromSdl('0'), 0x30);
    EXPECT_EQ(virtualKeyFromSdl('9'), 0x39);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kF1), 0x70);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kF1 + 5), 0x75);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kF12), 0x7B);
}

TEST(KeyMap, KeypadDigitsMapToTheirOwnCodesWithZeroFirst)
{
    // SDL orders the keypad 1..9, 0; the game's codes run 0..9.
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kKp0), 0x60);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kKp1), 0x61);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kKp1 + 8), 0x69);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kKpEnter), kVkReturn);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kKpPeriod), kVkDecimal);
}

TEST(KeyMap, ControlAndNavigationKeys)
{
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kLeft), 0x25);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kUp), 0x26);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kRight), 0x27);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kDown), 0x28);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kReturn), 0x0D);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kBackspace), 0x08);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kSpace), 0x20);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kEscape), 0x1B);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kDelete), 0x2E);
    // Both sides of a modifier give one code.
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kLShift), 0x10);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kRShift), 0x10);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kLCtrl), 0x11);
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::kRCtrl), 0x11);
}

TEST(KeyMap, UnknownKeysGiveNoCode)
{
    EXPECT_EQ(virtualKeyFromSdl(0), 0);
    EXPECT_EQ(virtualKeyFromSdl('A'), 0);  // SDL never reports capitals
    EXPECT_EQ(virtualKeyFromSdl(sdl_key::fromScancode(104)), 0);  // F13
    EXPECT_EQ(virtualKeyFromSdl(-1), 0);
}
