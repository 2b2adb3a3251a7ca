#include "ui/slider.h"

#include <cmath>

#include "ui_test_support.h"

namespace {

class SlideTest : public UiTest {
protected:
    Slide slide;

    void SetUp() override
    {
        UiTest::SetUp();
        slide.position = Vector2D(100.0f, 200.0f);
        slide.width = 200;
        slide.label = "Length";
        slide.alwaysVisible = true;
    }

    void step(int x, int y, bool leftDown)
    {
        moveMouse(x, y, leftDown);
        slide.update(input, pageHolders);
    }
};

TEST_F(SlideTest, ChangedStartsTrueAndLastsUntilTheFirstUpdate)
{
    EXPECT_TRUE(slide.changed);
    EXPECT_FLOAT_EQ(slide.value, 50.0f);
    step(0, 0, false);
    EXPECT_FALSE(slide.changed);
}

TEST_F(SlideTest, EndsOfTheBarGiveZeroAndHundred)
{
    step(100, 210, true);
    EXPECT_FLOAT_EQ(slide.value, 0.0f);
    EXPECT_TRUE(slide.changed);

    step(300, 200, true);
    EXPECT_FLOAT_EQ(slide.value, 100.0f);
    EXPECT_TRUE(slide.changed);

    step(300, 200, true);  // same place: no change to report
    EXPECT_FALSE(slide.changed);

    step(150, 205, true);
    EXPECT_FLOAT_EQ(slide.value, 25.0f);
}

TEST_F(SlideTest, ValueOnlyFollowsAHeldMouseOverTheBar)
{
    step(150, 195, true);  // on the label above the bar
    EXPECT_FALSE(slide.hover);
    EXPECT_FLOAT_EQ(slide.value, 50.0f);
    EXPECT_FALSE(slide.changed);

    step(150, 205, false);  // hovering without the button
    EXPECT_TRUE(slide.hover);
    EXPECT_FLOAT_EQ(slide.value, 50.0f);

    step(180, 205, true);
    step(320, 205, true);  // the drag leaves the bar: the value stays
    EXPECT_FLOAT_EQ(slide.value, 40.0f);
    EXPECT_FALSE(slide.changed);
}

TEST_F(SlideTest, BarWithNoWidthKeepsAFiniteValue)
{
    slide.width = 0;
    step(100, 205, true);
    EXPECT_TRUE(slide.hover);
    EXPECT_TRUE(std::isfinite(slide.value));
    EXPECT_FLOAT_EQ(slide.value, 50.0f);
    EXPECT_FALSE(slide.changed);
}

TEST_F(SlideTest, CaptionShowsTheTruncatedValueOnlyWhileHovered)
{
    slide.value = 37.9f;
    EXPECT_EQ(slide.caption(), "Length");
    slide.hover = true;
    EXPECT_EQ(slide.caption(), "Length: 37");
    slide.value = 100.0f;
    EXPECT_EQ(slide.caption(), "Length: 100");
    slide.value = 0.4f;
    EXPECT_EQ(slide.caption(), "Length: 0");
}

} // namespace
