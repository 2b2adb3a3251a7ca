// The corner line: how long a line stays, and what the sound's line says.
#include <gtest/gtest.h>

#include "app/sound_control.h"
#include "ui/corner_notice.h"

TEST(CornerNotice, ALineStaysTwoSecondsOfUpdatesAndANewStateTakesItsPlaceWithItsOwnTime)
{
    CornerNotice notice;
    notice.showNow("");
    EXPECT_EQ(notice.text(), "") << "an empty line is no line";
    notice.showNow("Volume 60%");
    for (int i = 0; i < CornerNotice::kShownUpdates - 1; ++i)
        notice.update();
    EXPECT_EQ(notice.text(), "Volume 60%");
    // A slider moved step by step: the last value, seen for the full time.
    notice.showNow("Volume 70%");
    for (int i = 0; i < CornerNotice::kShownUpdates - 1; ++i)
        notice.update();
    EXPECT_EQ(notice.text(), "Volume 70%");
    notice.update();
    EXPECT_EQ(notice.text(), "");
    notice.update();
    EXPECT_EQ(notice.text(), "");

    // What goes wrong is said once each, in turn.
    notice.show("Progress not saved: the disk is full");
    notice.show("Settings cannot be kept this run");
    notice.show("Progress not saved: the disk is full");
    EXPECT_EQ(notice.text(), "Progress not saved: the disk is full");
    for (int i = 0; i < CornerNotice::kShownUpdates; ++i) notice.update();
    EXPECT_EQ(notice.text(), "Settings cannot be kept this run");
    for (int i = 0; i < CornerNotice::kShownUpdates; ++i) notice.update();
    EXPECT_EQ(notice.text(), "");
}

TEST(CornerNotice, TheSoundLineSaysOffOnOrTheVolume)
{
    EXPECT_EQ(soundChangeText(60, false, 60, true), "Sound off");
    EXPECT_EQ(soundChangeText(60, true, 60, false), "Sound on");
    // A volume key unmutes and moves the volume: the volume says both.
    EXPECT_EQ(soundChangeText(60, true, 70, false), "Volume 70%");
    // A key at the end of the range still says where it stands.
    EXPECT_EQ(soundChangeText(100, false, 100, false), "Volume 100%");
}
