#include "ui/button.h"

#include "ui_test_support.h"

namespace {

class ButtonTest : public UiTest {
protected:
    Button button;

    void SetUp() override
    {
        UiTest::SetUp();
        button.position = Vector2D(100.0f, 100.0f);
        button.size = Vector2D(80.0f, 20.0f);
        button.alwaysVisible = true;
    }

    void step(int x, int y, bool leftDown)
    {
        moveMouse(x, y, leftDown);
        button.update(input, pageHolders);
    }
};

TEST_F(ButtonTest, PressOutsideThenSlideInAndReleaseIsAOneUpdateClick)
{
    step(50, 50, true);
    EXPECT_FALSE(button.hover);
    EXPECT_FALSE(button.pressed);

    step(180, 120, true);  // the bottom-right corner counts as inside
    EXPECT_TRUE(button.hover);
    EXPECT_TRUE(button.pressed);
    EXPECT_FALSE(button.clicked);

    step(180, 120, false);
    EXPECT_TRUE(button.clicked);
    EXPECT_FALSE(button.pressed);

    step(180, 120, false);
    EXPECT_FALSE(button.clicked);
    EXPECT_TRUE(button.hover);
}

TEST_F(ButtonTest, LeavingWhileHeldCancelsTheClick)
{
    step(120, 110, true);
    EXPECT_TRUE(button.pressed);

    step(181, 110, true);
    EXPECT_FALSE(button.hover);
    EXPECT_FALSE(button.pressed);

    step(181, 110, false);
    step(120, 110, false);
    EXPECT_TRUE(button.hover);
    EXPECT_FALSE(button.clicked);
}

TEST_F(ButtonTest, ButtonOffItsPageKeepsItsFlags)
{
    PageHolder& holder = addHolder(2);
    button.alwaysVisible = false;
    button.pageIndex = 0;
    step(120, 110, true);
    ASSERT_TRUE(button.pressed);

    holder.currentPage = 1;
    step(120, 110, false);  // would complete the click if the page were shown
    EXPECT_FALSE(button.clicked);
    EXPECT_TRUE(button.pressed);
    EXPECT_TRUE(button.hover);

    holder.currentPage = 0;
    step(120, 110, false);
    EXPECT_TRUE(button.clicked);
}

TEST_F(ButtonTest, ButtonNamingNoHolderIsNeverUpdatedUnlessAlwaysVisible)
{
    addHolder(1);
    button.alwaysVisible = false;
    for (int index : {-1, 1, 7}) {
        button.holderIndex = index;
        step(120, 110, true);
        EXPECT_FALSE(button.hover) << "holder " << index;
    }
    EXPECT_FALSE(onShownPage(false, 1, 0, pageHolders));
    EXPECT_FALSE(onShownPage(false, -1, 0, pageHolders));
    EXPECT_TRUE(onShownPage(true, -1, 0, pageHolders));
    EXPECT_TRUE(onShownPage(false, 0, 0, pageHolders));
    EXPECT_FALSE(onShownPage(false, 0, 1, pageHolders));
}

} // namespace
