#include "ui/text_field.h"

#include "app/clock.h"
#include "ui_test_support.h"

namespace {

std::uint32_t fakeTicks = 0;
std::uint32_t readFakeTicks() { return fakeTicks; }

class InsertTest : public UiTest {
protected:
    Insert field;

    void SetUp() override
    {
        UiTest::SetUp();
        addHolder(1);
        field.position = Vector2D(10.0f, 300.0f);
        field.size = Vector2D(180.0f, 20.0f);
    }

    void TearDown() override
    {
        setTickSource(nullptr);
        UiTest::TearDown();
    }

    void type(std::initializer_list<int> codes)
    {
        for (int code : codes) field.typeKey(code);
    }
};

TEST_F(InsertTest, FocusFollowsTheMouseWithoutAnyClick)
{
    moveMouse(190, 320, false);
    field.update(input, pageHolders);
    EXPECT_TRUE(field.focused);

    moveMouse(191, 320, true);
    field.update(input, pageHolders);
    EXPECT_FALSE(field.focused);
}

TEST_F(InsertTest, KeysEnterTheirCodesCharacters)
{
    type({0x41, 0x5A, 0x30, 0x39});
    EXPECT_EQ(field.text, "AZ09");

    field.text.clear();
    type({kVkNumpad0 + 1, kVkSpace, kVkF1, 0x7A});
    EXPECT_EQ(field.text, "a pz");

    field.text.assign(1, 'x');  // not = "x": g++ 12 wrongly warns (-Wrestrict) on that assignment here
    type({kVkReturn, kVkLeft, kVkUp, kVkRight, kVkDown, kVkShift, kVkEscape, 0x2F, 0x7B});
    EXPECT_EQ(field.text, "x");
}

TEST_F(InsertTest, BackspaceRemovesTheLastCharacterAndIsHarmlessOnEmpty)
{
    field.text = "AB";
    type({kVkBack});
    EXPECT_EQ(field.text, "A");
    type({kVkBack, kVkBack, kVkBack});
    EXPECT_EQ(field.text, "");
}

TEST_F(InsertTest, EighteenthCharacterIsRemovedAtTheNextUpdate)
{
    for (int i = 0; i < 18; ++i) field.typeKey(0x41 + i);
    EXPECT_EQ(field.text.size(), 18u);
    field.update(input, pageHolders);
    EXPECT_EQ(field.text, "ABCDEFGHIJKLMNOPQ");

    // Off its page the field is not updated, so the cut waits too.
    field.text += "RS";
    pageHolders[0].currentPage = 1;
    field.update(input, pageHolders);
    EXPECT_EQ(field.text.size(), 19u);
}

TEST_F(InsertTest, KeyHandlerFeedsOnlyFocusedFieldsShownOrNot)
{
    std::vector<Insert> fields(3);
    fields[0].focused = true;
    fields[2].focused = true;
    fields[2].holderIndex = 5;  // names no holder: never shown
    typeIntoFocused(fields, 0x4B);
    EXPECT_EQ(fields[0].text, "K");
    EXPECT_EQ(fields[1].text, "");
    EXPECT_EQ(fields[2].text, "K");
}

TEST_F(InsertTest, CursorBlinksTwiceASecondWhileFocused)
{
    setTickSource(readFakeTicks);
    field.text = "name";
    field.focused = true;
    fakeTicks = 1000;
    EXPECT_EQ(field.shownText(), "name_");
    fakeTicks = 1249;
    EXPECT_EQ(field.shownText(), "name_");
    fakeTicks = 1250;
    EXPECT_EQ(field.shownText(), "name");
    fakeTicks = 1500;
    EXPECT_EQ(field.shownText(), "name_");

    field.focused = false;
    fakeTicks = 1000;
    EXPECT_EQ(field.shownText(), "name");
}

} // namespace
