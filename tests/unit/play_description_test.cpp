#include <gtest/gtest.h>

#include "play/description_layout.h"
#include "play/start_level.h"
#include "level/game.h"
#include "play_test_support.h"

namespace {

TEST(DescriptionLayout, LinesAreCutAtTheLastSpaceBeforeTwentySevenCharacters)
{
    // 60 characters: the words move whole to the next line.
    const std::string description = "Swing the ball over the gap and let it roll into the exit!!";
    ASSERT_EQ(description.size(), 59u);
    const std::vector<std::string> lines = layoutDescription(description + "!");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Swing the ball over the");
    EXPECT_EQ(lines[1], "gap and let it roll into");
    EXPECT_EQ(lines[2], "the exit!!!");

    EXPECT_TRUE(layoutDescription("").empty());
    EXPECT_EQ(layoutDescription("short"), (std::vector<std::string>{"short"}));
    // Exactly 27 characters fit on one line.
    EXPECT_EQ(layoutDescription(std::string(27, 'a')).size(), 1u);
}

TEST(DescriptionLayout, WordLongerThanALineIsBroken)
{
    const std::string word(60, 'x');
    const std::vector<std::string> lines = layoutDescription("a " + word + " b");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], std::string(27, 'x'));
    EXPECT_EQ(lines[2], std::string(27, 'x'));
    EXPECT_EQ(lines[3], "xxxxxx b");
    for (const std::string& line : lines) EXPECT_LE(line.size(), kDescriptionLineLength);
}

TEST(DescriptionLayout, RunsOfSpacesNeverStall)
{
    const std::vector<std::string> lines = layoutDescription(std::string(80, ' ') + "end");
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(line.size(), kDescriptionLineLength);
        joined += line;
    }
    EXPECT_NE(joined.find("end"), std::string::npos);
}

TEST(DescriptionLayout, TitleAndLinesArePlacedAndDelayed)
{
    std::vector<BText> texts(2);
    layoutLevelTexts(texts, "Hill", "Swing the ball over the gap and let it roll into the exit!!!");
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, "Hill:");
    EXPECT_EQ(texts[0].alignment, 1);
    EXPECT_EQ(texts[0].position.x, 500.0f);
    EXPECT_EQ(texts[0].position.y, 115.0f);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(texts[k].alignment, 0);
        EXPECT_EQ(texts[k].position.x, 300.0f);
        EXPECT_EQ(texts[k].position.y, 150.0f + 20.0f * static_cast<float>(k));
        EXPECT_EQ(texts[k].delay, 25 * k);
    }
}

}  // namespace

namespace {

// A level that says nothing of its task must not show the last level's words.
TEST(LevelStart, EachLevelShowsOnlyItsOwnDescription)
{
    TestFolder folder;
    writeText(folder.path("told.txt"), "(0){0}<3>{1}<2>{2}<Reach the far side>(1)[0]{0}<-1>{1}<0>{2}<0.3>{3}<1>{4}<1>");
    writeText(folder.path("silent.txt"), "(0){0}<4>{1}<2>(1)[0]{0}<1>{1}<0>{2}<0.3>{3}<1>{4}<1>");
    Game game;
    View view;
    PlayMenu play(game, view);
    ASSERT_TRUE(startLevelFile(play, folder.path("told.txt"), "Told", 0));
    ASSERT_EQ(play.descriptionTexts.size(), 2u);
    EXPECT_EQ(play.descriptionTexts[1].text, "Reach the far side");

    ASSERT_TRUE(startLevelFile(play, folder.path("silent.txt"), "Silent", 1));
    EXPECT_EQ(play.level.description, "");
    ASSERT_EQ(play.descriptionTexts.size(), 1u);
    EXPECT_EQ(play.descriptionTexts[0].text, "Silent:");
    EXPECT_EQ(play.level.size.x, 4.0f);
}

}  // namespace
