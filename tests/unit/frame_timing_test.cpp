#include <gtest/gtest.h>

#include "app/frame_timing.h"

TEST(FrameTiming, EveryTenMillisecondsIsOneUpdateAndTheRestWaits)
{
    UpdateClock clock;
    clock.restart(1000);
    EXPECT_EQ(clock.advance(1009), 0);  // too soon: no update, 9 ms owed
    EXPECT_FLOAT_EQ(clock.fraction(), 0.9f);
    EXPECT_EQ(clock.advance(1010), 1);  // the 10th ms
    EXPECT_EQ(clock.advance(1037), 2);  // 27 ms: two, 7 kept
    EXPECT_EQ(clock.advance(1040), 1);  // 3 more make the third
    EXPECT_FLOAT_EQ(clock.fraction(), 0.0f);

    // Time away is not owed: a restart forgets it and the remainder.
    clock.advance(1045);
    clock.restart(90000);
    EXPECT_EQ(clock.advance(90009), 0);
}

TEST(FrameTiming, TheClockSurvivesTheTickCounterWrapping)
{
    UpdateClock clock;
    clock.restart(0xFFFFFFFAu);       // 6 ms before the wrap
    EXPECT_EQ(clock.advance(3), 0);   // 9 ms later
    EXPECT_EQ(clock.advance(4), 1);   // 10 ms later
    // A reading just behind the last one counts as nearly 2^32 ms: capped, not negative.
    EXPECT_EQ(clock.advance(3), kMaxUpdatesPerFrame);
}

TEST(FrameTiming, OnlyASwapThatDoesNotWaitIsPacedToTheDisplay)
{
    // Frames every 16 or 17 ms on a 60 Hz display: the swap waits; no sleep, ever.
    FramePacer waiting;
    waiting.restart(60);
    std::uint32_t now = 0;
    for (int i = 0; i < 100; ++i, now += 16 + (i % 3 == 0)) {
        EXPECT_EQ(waiting.waitBeforeFrame(now), 0u);
        waiting.frameStarted(now);
    }
    EXPECT_FALSE(waiting.pacing());

    // Frames every 3 ms: paced once enough of them show it, then to 60 a
    // second on average, unknown rate taken as 60.
    FramePacer quick;
    quick.restart(0);
    now = 0;
    int frames = 0;
    std::uint32_t pacedFrom = 0;
    while (now < 2000) {
        if (const std::uint32_t wait = quick.waitBeforeFrame(now); wait > 0) {
            now += wait;
            continue;
        }
        quick.frameStarted(now);
        if (quick.pacing() && pacedFrom == 0) pacedFrom = now;
        if (pacedFrom != 0) ++frames;
        now += 3;
    }
    EXPECT_TRUE(quick.pacing());
    EXPECT_NEAR(frames, (2000 - pacedFrom) * 60 / 1000, 1);
}
