#include "ui/page_holder.h"

#include "ui/button.h"
#include "ui/slider.h"
#include "ui_test_support.h"

namespace {

// The editor's strip: at (5, 50), 190 by 20, tabs "Edit", "Rope", "Misc".
class PageHolderTest : public UiTest {
protected:
    PageHolder& strip()
    {
        if (pageHolders.empty()) {
            pageHolders.emplace_back();
            PageHolder& holder = pageHolders.back();
            holder.name = "Page Holder";
            holder.position = Vector2D(5.0f, 50.0f);
            holder.size = Vector2D(190.0f, 20.0f);
            holder.addPage("Edit");
            holder.addPage("Rope");
            holder.addPage("Misc");
        }
        return pageHolders[0];
    }

    // Mouse position d pixels into the strip, halfway down.
    void step(int d, bool leftDown)
    {
        moveMouse(5 + d, 60, leftDown);
        strip().update(input);
    }
};

TEST_F(PageHolderTest, ThreePagesOnAStripOf190AreSixtyThreeWideWithCentredCaptions)
{
    PageHolder defaults;
    EXPECT_FLOAT_EQ(defaults.size.x, 10.0f);
    EXPECT_FLOAT_EQ(defaults.size.y, 300.0f);
    EXPECT_EQ(defaults.currentPage, 0);

    PageHolder& holder = strip();
    EXPECT_EQ(holder.tabWidth, 63);
    ASSERT_EQ(holder.pages.size(), 3u);
    for (const PageHolder::Page& page : holder.pages) {
        EXPECT_FLOAT_EQ(page.labelOffset.x, 11.0f);  // 63 / 2 - 4 * 5
        EXPECT_FLOAT_EQ(page.labelOffset.y, 5.0f);
    }

    // Adding a page lays every tab out again.
    holder.addPage("Longer");
    EXPECT_EQ(holder.tabWidth, 47);
    EXPECT_FLOAT_EQ(holder.pages[0].labelOffset.x, 3.0f);
    EXPECT_FLOAT_EQ(holder.pages[3].labelOffset.x, -7.0f);
}

TEST_F(PageHolderTest, PressOnTheBorderOfTwoTabsPicksTheRightHandOne)
{
    step(63, true);
    EXPECT_EQ(strip().hoverPage, 1);
    EXPECT_EQ(strip().currentPage, 1);
    step(126, true);
    EXPECT_EQ(strip().currentPage, 2);
    step(0, true);
    EXPECT_EQ(strip().currentPage, 0);
}

TEST_F(PageHolderTest, HoverWithoutPressDoesNotSelectAndLeavingClearsHover)
{
    step(100, false);
    EXPECT_EQ(strip().hoverPage, 1);
    EXPECT_EQ(strip().currentPage, 0);

    moveMouse(5 + 100, 71, true);  // just below the strip
    strip().update(input);
    EXPECT_EQ(strip().hoverPage, -1);
    EXPECT_EQ(strip().currentPage, 0);
}

TEST_F(PageHolderTest, DraggingAlongTheStripSwitchesPagesAsItPassesEachTab)
{
    const int expected[] = {0, 0, 1, 1, 2, 2};
    const int offsets[] = {2, 40, 64, 120, 130, 180};
    for (int i = 0; i < 6; ++i) {
        step(offsets[i], true);
        EXPECT_EQ(strip().currentPage, expected[i]) << "at " << offsets[i];
    }
    step(300, true);  // off the strip the selection stays
    EXPECT_EQ(strip().currentPage, 2);
}

TEST_F(PageHolderTest, PressRightOfTheLastTabAfterEnteringThereSelectsNoPage)
{
    Button button;
    button.position = Vector2D(10.0f, 100.0f);
    button.size = Vector2D(50.0f, 20.0f);
    Slide slide;
    slide.position = Vector2D(10.0f, 200.0f);
    slide.width = 100;
    slide.pageIndex = 2;

    step(250, false);  // off the strip
    EXPECT_EQ(strip().hoverPage, -1);
    step(190, false);  // the strip's last pixel is beyond the third tab (189)
    EXPECT_EQ(strip().hoverPage, -1);
    step(190, true);
    EXPECT_EQ(strip().currentPage, -1);

    moveMouse(20, 110, true);
    button.update(input, pageHolders);
    EXPECT_FALSE(button.hover);
    moveMouse(20, 205, true);
    slide.update(input, pageHolders);
    EXPECT_TRUE(slide.changed);  // not updated at all
    EXPECT_FLOAT_EQ(slide.value, 50.0f);

    // Coming from inside the third tab, the remainder keeps that tab.
    step(150, false);
    step(190, true);
    EXPECT_EQ(strip().currentPage, 2);
}

} // namespace
