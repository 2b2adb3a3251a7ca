#include <gtest/gtest.h>

#include "app/globals.h"
#include "input/input.h"
#include "level/game.h"
#include "devtools/headless_player.h"
#include "play_test_support.h"

namespace {

// A ball held above the exit: it only has to fall.
const char* const kDropLevel =
    "(0){0}<2>{1}<2>(5){0}<0>{1}<-1.5>{2}<0.3>(1)[0]{0}<0>{1}<1>{2}<0.2>{3}<1>{4}<1>";

// The ball would land on the floor far from the exit; a rope between the two
// docks makes a slide that carries it across.
const char* const kSlideLevel =
    "(0){0}<2>{1}<2>(5){0}<1.6>{1}<-1.6>{2}<0.3>"
    "(4)[0]{0}<-1.9>{1}<0.8>[1]{0}<1.2>{1}<-0.6>[2]{0}<-1.9>{1}<-1.5>"
    "(1)[0]{0}<-1.6>{1}<1.5>{2}<0.2>{3}<1>{4}<1>";

class HeadlessPlayerTest : public ::testing::Test {
protected:
    TestFolder folder;

    std::string level(const char* text)
    {
        const std::string path = folder.path("level.txt");
        writeText(path, text);
        return path;
    }
};

TEST_F(HeadlessPlayerTest, FallingBallCompletesWithoutRopes)
{
    const HeadlessResult result = playHeadless(level(kDropLevel), {}, 1000);
    EXPECT_TRUE(result.loaded);
    EXPECT_TRUE(result.completed);
    EXPECT_GT(result.frame, 1);
    EXPECT_LT(result.frame, 1000);

    // The same run again gives the same frame: nothing leaks between runs.
    EXPECT_EQ(playHeadless(level(kDropLevel), {}, 1000).frame, result.frame);
    // A limit below the needed frames reports failure.
    const HeadlessResult cut = playHeadless(level(kDropLevel), {}, result.frame - 1);
    EXPECT_FALSE(cut.completed);
    EXPECT_EQ(cut.frame, -1);
}

TEST_F(HeadlessPlayerTest, RopeBetweenDocksSolvesTheSlide)
{
    const std::string path = level(kSlideLevel);
    EXPECT_FALSE(playHeadless(path, {}, 3000).completed);

    const HeadlessResult result = playHeadless(path, {{0, 1, std::nullopt}}, 3000);
    EXPECT_EQ(result.ropesPlaced, 1);
    EXPECT_TRUE(result.completed);
}

TEST_F(HeadlessPlayerTest, LeavesTheGameAsItWas)
{
    // Nothing of one run is left for the next: the same plan plays the same.
    const HeadlessResult first = playHeadless(level(kSlideLevel), {{0, 1, 40.0f}}, 50);
    const HeadlessResult again = playHeadless(level(kSlideLevel), {{0, 1, 40.0f}}, 50);
    EXPECT_EQ(again.ropesPlaced, first.ropesPlaced);
    EXPECT_EQ(again.completed, first.completed);
    EXPECT_EQ(again.frame, first.frame);
}

TEST_F(HeadlessPlayerTest, BadPlansAndFilesAreReportedNotPlayed)
{
    // Dock indices that do not exist, and a rope onto its own dock.
    const HeadlessResult result = playHeadless(level(kSlideLevel), {{0, 9, std::nullopt}, {-1, 0, std::nullopt}, {1, 1, std::nullopt}}, 10);
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(result.ropesPlaced, 0);

    const HeadlessResult missing = playHeadless(folder.path("none.txt"), {}, 10);
    EXPECT_FALSE(missing.loaded);
    EXPECT_FALSE(missing.completed);
}

TEST(RopePlanText, ReadsDockPairsWithOptionalSliderValues)
{
    const auto plan = parseRopePlan("0-2@40  1-3");
    ASSERT_TRUE(plan);
    ASSERT_EQ(plan->size(), 2u);
    EXPECT_EQ((*plan)[0].fromDock, 0);
    EXPECT_EQ((*plan)[0].toDock, 2);
    EXPECT_EQ((*plan)[0].sliderValue, 40.0f);
    EXPECT_EQ((*plan)[1].fromDock, 1);
    EXPECT_FALSE((*plan)[1].sliderValue);

    EXPECT_TRUE(parseRopePlan("")->empty());
    for (const char* bad : {"0", "0-", "a-b", "0-1@", "0-1@x", "0-1x", "0+1"}) EXPECT_FALSE(parseRopePlan(bad)) << bad;
}

}  // namespace
