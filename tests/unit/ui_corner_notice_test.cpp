// The corner line: how long a line stays, and what the sound's line says.
#include <gtest/gtest.h>

#include "audio/sound_control.h"
#include "ui/corner_notice.h"

TEST(CornerNotice, ALineStaysTwoSecondsOfUpdatesAndANewOneTakesItsPlaceWithItsOwnTimeInstead)
{
    CornerNotice notice;
    notice.show("");
    EXPECT_EQ(notice.text(), "") << "an empty line is no line";
    notice.show("Volume 60%");
    for (int i = 0; i < CornerNotice::kShownUpdates - 1; ++i)
        notice.update();
    EXPECT_EQ(notice.text(), "Volume 60%");
    // A slider moved step by step: the last value, seen for the full time.
    notice.showInstead("Volume 60%", "Volume 70%");
    for (int i = 0; i < CornerNotice::kShownUpdates - 1; ++i)
        notice.update();
    EXPECT_EQ(notice.text(), "Volume 70%");
    notice.update();
    EXPECT_EQ(notice.text(), "");
    notice.update();
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
