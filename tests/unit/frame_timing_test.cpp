#include <gtest/gtest.h>

#include "app/frame_timing.h"

TEST(FrameTiming, FrameTimeIsZeroOrOneInWholeTensOfMilliseconds)
{
    EXPECT_EQ(frameDt(1000, 1000), 0.0f);
    EXPECT_EQ(frameDt(1009, 1000), 0.0f);
    EXPECT_EQ(frameDt(1010, 1000), 1.0f);  // exactly 1.0 passes the cap unchanged
    EXPECT_EQ(frameDt(1019, 1000), 1.0f);
    EXPECT_EQ(frameDt(1020, 1000), 1.0f);  // two units, capped
    EXPECT_EQ(frameDt(4000000000u, 1000), 1.0f);  // a long pause is still one unit
}

TEST(FrameTiming, FrameTimeSurvivesTheTickCounterWrapping)
{
    const std::uint32_t beforeWrap = 0xFFFFFFFAu;  // 6 ms before the wrap
    EXPECT_EQ(frameDt(3, beforeWrap), 0.0f);       // 9 ms later
    EXPECT_EQ(frameDt(4, beforeWrap), 1.0f);       // 10 ms later
    EXPECT_EQ(frameDt(0, 0xFFFFFFFFu), 0.0f);      // 1 ms across the wrap
    // A reading just behind the last one counts as nearly 2^32 ms: capped, not negative.
    EXPECT_EQ(frameDt(999, 1000), 1.0f);
}

TEST(FrameTiming, PacingWaitsOutTheRestOfTenMilliseconds)
{
    EXPECT_EQ(framePaceWait(500, 500), 10u);
    EXPECT_EQ(framePaceWait(503, 500), 7u);
    EXPECT_EQ(framePaceWait(509, 500), 1u);
    EXPECT_EQ(framePaceWait(510, 500), 0u);
    EXPECT_EQ(framePaceWait(900, 500), 0u);
    // Across the wrap: 4 ms elapsed leaves 6 to wait.
    EXPECT_EQ(framePaceWait(2, 0xFFFFFFFEu), 6u);
    // After waiting, the next frame's time is always a whole unit.
    const std::uint32_t last = 0xFFFFFFFCu;
    const std::uint32_t now = 1;
    EXPECT_EQ(frameDt(now + framePaceWait(now, last), last), 1.0f);
}
