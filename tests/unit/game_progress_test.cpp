#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>

#include "level/atomic_file.h"
#include "level/game.h"
#include "level/progress.h"
#include "play_test_support.h"

namespace {

class ProgressFileTest : public ::testing::Test {
protected:
    TestFolder folder;
    Game progress;

    void SetUp() override { progress.configFile = folder.path("config.txt"); }

    int readFrom(const std::string& text, int before = 0)
    {
        writeText(progress.configFile, text);
        progress.completedLevels = before;
        readProgress(progress);
        return progress.completedLevels;
    }
};

TEST(KeyValue, ReadsTheFirstOccurrenceUpToLineBreakOrSemicolon)
{
    EXPECT_EQ(readKeyValue("completedlevels=3;\n", kProgressKey), 3.0f);
    EXPECT_EQ(readKeyValue("volume=7\nname=x completedlevels=4;", kProgressKey), 4.0f);
    EXPECT_EQ(readKeyValue("completedlevels=2;completedlevels=9;", kProgressKey), 2.0f);
    EXPECT_EQ(readKeyValue("completedlevels=5\ncompletedlevels=9;", kProgressKey), 5.0f);
    EXPECT_EQ(readKeyValue("completedlevels=6", kProgressKey), 6.0f);
    EXPECT_EQ(readKeyValue("CompletedLevels=6;", kProgressKey), 0.0f);
    EXPECT_EQ(readKeyValue("", kProgressKey), 0.0f);
}

TEST_F(ProgressFileTest, CountIsTruncatedAndNeverNegative)
{
    EXPECT_EQ(readFrom("completedlevels=2.7;\n"), 2);
    EXPECT_EQ(readFrom("completedlevels=-2;\n"), 0);
    EXPECT_EQ(readFrom("completedlevels=1e3;\n"), 0);
    EXPECT_EQ(readFrom("completedlevels=;\n"), 0);  // an empty value reads -1
    EXPECT_EQ(readFrom("nothing to see", 4), 0);
    EXPECT_EQ(readFrom("", 4), 0);
    EXPECT_EQ(readFrom("completedlevels=99999999999999999999999;"), INT_MAX);
}

TEST_F(ProgressFileTest, MissingFileKeepsTheCount)
{
    progress.completedLevels = 2;
    readProgress(progress);
    EXPECT_EQ(progress.completedLevels, 2);
}

TEST_F(ProgressFileTest, WrittenCountReadsBack)
{
    progress.completedLevels = 3;
    ASSERT_TRUE(writeProgress(progress));
    EXPECT_EQ(readText(progress.configFile), "completedlevels=3;\n");
    progress.completedLevels = 0;
    readProgress(progress);
    EXPECT_EQ(progress.completedLevels, 3);
}

TEST_F(ProgressFileTest, FailedWriteKeepsTheOldFileAndSaysSo)
{
    writeText(progress.configFile, "completedlevels=1;\n");
    progress.completedLevels = 2;
    atomic_file_testing::failNextWriteAfter(5);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeProgress(progress));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("config.txt"), std::string::npos);
    EXPECT_EQ(readText(progress.configFile), "completedlevels=1;\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(std::filesystem::path(progress.configFile).parent_path()),
                            std::filesystem::directory_iterator()),
              1);

    progress.configFile = folder.path("no such folder/config.txt");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeProgress(progress));
    EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
}

TEST_F(ProgressFileTest, OnlyTheNextLevelAdvancesTheCountAndIsSavedAtOnce)
{
    progress.completedLevels = 3;
    EXPECT_FALSE(recordCompletion(progress, 0));  // replaying an earlier level
    EXPECT_EQ(progress.completedLevels, 3);
    EXPECT_FALSE(std::filesystem::exists(progress.configFile));

    EXPECT_TRUE(recordCompletion(progress, 3));
    EXPECT_EQ(progress.completedLevels, 4);
    EXPECT_EQ(readText(progress.configFile), "completedlevels=4;\n");
}

// Two copies of the game on one folder: the one that quits last must not
// take back what the other saved. Only an explicit reset lowers the count.
TEST_F(ProgressFileTest, ProgressOnlyGrowsUnlessResetOnPurpose)
{
    progress.completedLevels = 0;
    writeText(progress.configFile, "completedlevels=2;\n");  // the other copy
    ASSERT_TRUE(writeProgress(progress));
    EXPECT_EQ(readText(progress.configFile), "completedlevels=2;\n");
    EXPECT_EQ(progress.completedLevels, 2);

    progress.completedLevels = 5;
    ASSERT_TRUE(writeProgress(progress));
    EXPECT_EQ(readText(progress.configFile), "completedlevels=5;\n");

    progress.completedLevels = 0;
    ASSERT_TRUE(writeProgressExactly(progress));
    EXPECT_EQ(readText(progress.configFile), "completedlevels=0;\n");
    EXPECT_TRUE(progress.notices.empty());
}

// A progress file that is there but cannot be read is the player's to mend,
// never the game's to replace; the player hears of it once.
TEST_F(ProgressFileTest, AnUnreadableFileIsNeverWrittenOverAndSaidOnce)
{
    ASSERT_EQ(::mkfifo(progress.configFile.c_str(), 0600), 0);
    testing::internal::CaptureStderr();
    readProgress(progress);
    EXPECT_TRUE(progress.progressFrozen);
    progress.completedLevels = 0;
    EXPECT_TRUE(recordCompletion(progress, 0));
    EXPECT_FALSE(writeProgress(progress));
    EXPECT_FALSE(writeProgressExactly(progress));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("config.txt"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_fifo(progress.configFile));
    ASSERT_EQ(progress.notices.size(), 1u);
    EXPECT_NE(progress.notices[0].find("cannot be kept"), std::string::npos);
}

}  // namespace
