#include <gtest/gtest.h>

#include "app/display_options.h"
#include "app/window_placement.h"
#include "unit/fresh_shell.h"

namespace {

class DisplayOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { resetAppGlobals(); }
    void TearDown() override
    {
        resetAppGlobals();
        windowPlacement = WindowPlacement{};
    }
};

} // namespace

TEST_F(DisplayOptionsTest, CommandLineModeOverridesTheStoredOneForThisRunOnly)
{
    DisplayOptions options;
    EXPECT_FALSE(parseDisplayOption("--fullscreenx", options));
    EXPECT_FALSE(parseDisplayOption("-fullscreen", options));
    EXPECT_FALSE(options.fullscreen.has_value());
    EXPECT_TRUE(parseDisplayOption("--window", options));
    EXPECT_TRUE(parseDisplayOption("--fullscreen", options));  // the last one wins
    ASSERT_TRUE(options.fullscreen.has_value());

    Settings stored;
    stored.windowWidth = 1200;
    stored.windowHeight = 700;
    stored.maximized = true;
    stored.volume = 30;
    applyDisplaySettings(stored, options);
    EXPECT_TRUE(fullscreen);
    EXPECT_EQ(windowPlacement.width, 1200);
    EXPECT_TRUE(windowPlacement.maximized);

    // Not toggled during the run: the stored windowed choice is kept, the
    // window's new size is taken, the rest is left as it was.
    windowPlacement.width = 640;
    windowPlacement.maximized = false;
    Settings kept = displaySettingsToKeep(stored, true);
    EXPECT_FALSE(kept.fullscreen);
    EXPECT_EQ(kept.windowWidth, 640);
    EXPECT_EQ(kept.windowHeight, 700);
    EXPECT_FALSE(kept.maximized);
    EXPECT_EQ(kept.volume, 30);

    // Toggled back to a window by the player: that is kept.
    fullscreen = false;
    kept = displaySettingsToKeep(stored, true);
    EXPECT_FALSE(kept.fullscreen);
    stored.fullscreen = true;
    EXPECT_FALSE(displaySettingsToKeep(stored, true).fullscreen);

    // Without an option the stored choice holds.
    applyDisplaySettings(stored, DisplayOptions{});
    EXPECT_TRUE(fullscreen);
}
