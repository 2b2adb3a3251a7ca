// The player's results file: the fewest ropes of each level finished without
// a hint, and whether a hint was ever used.
#include <filesystem>

#include <gtest/gtest.h>

#include "level/level_results.h"
#include "level_test_folder.h"

namespace {

ResultsFile loaded(const std::string& path)
{
    ResultsFile file;
    file.path = path;
    loadResults(file);
    return file;
}

}  // namespace

TEST(LevelResults, MissingOrBrokenFileMeansNoResultsAndAnUnreadableOneIsNeverReplaced)
{
    TestFolder folder;
    ResultsFile missing = loaded(folder.path("results.txt"));
    EXPECT_TRUE(missing.results.empty());
    EXPECT_FALSE(missing.frozen);

    // Broken entries are skipped one by one; what still reads is kept.
    folder.write("results.txt", "<Bridge> <Ramp x> <Slack 1x> <Well -> <> <Relay 2 hint more> junk <Pair 2>\n<Well");
    const ResultsFile broken = loaded(folder.path("results.txt"));
    ASSERT_EQ(broken.results.size(), 1u);
    EXPECT_EQ(broken.results.at("Pair").bestRopes, 2);

    // Something there that cannot be read is left as it was, and nothing is kept.
    std::filesystem::create_directory(folder.path("taken.txt"));
    ResultsFile unreadable = loaded(folder.path("taken.txt"));
    EXPECT_TRUE(unreadable.frozen);
    EXPECT_TRUE(recordResult(unreadable, "Bridge", 1, false).newBest);
    EXPECT_FALSE(saveResults(unreadable));
    EXPECT_FALSE(clearResults(unreadable));
    EXPECT_TRUE(std::filesystem::is_directory(folder.path("taken.txt")));
}

TEST(LevelResults, FewestRopesSurviveAnotherCopyOfTheGameWritingTheSameFile)
{
    TestFolder folder;
    ResultsFile first = loaded(folder.path("results.txt"));
    ResultsFile second = loaded(folder.path("results.txt"));

    EXPECT_TRUE(recordResult(first, "Bridge", 3, false).saved);
    // The second copy never saw the first one's 3, but its save reads it first.
    const FinishRecord worse = recordResult(second, "Bridge", 5, false);
    EXPECT_TRUE(worse.saved);
    EXPECT_FALSE(worse.newBest);
    EXPECT_TRUE(recordResult(second, "Ramp", 2, false).newBest);
    EXPECT_FALSE(recordResult(first, "Ramp", 4, false).newBest);
    EXPECT_TRUE(recordResult(first, "Ramp", 1, false).newBest);

    const ResultsFile after = loaded(folder.path("results.txt"));
    EXPECT_EQ(after.results.at("Bridge").bestRopes, 3);
    EXPECT_EQ(after.results.at("Ramp").bestRopes, 1);
    EXPECT_EQ(after.results, first.results);
}

TEST(LevelResults, AHintIsKeptAndAFinishWithOneEarnsNoStar)
{
    TestFolder folder;
    ResultsFile player = loaded(folder.path("results.txt"));
    ResultsFile other = loaded(folder.path("results.txt"));
    const FinishRecord hinted = recordResult(player, "Well", 1, true);
    EXPECT_FALSE(hinted.newBest);
    EXPECT_FALSE(player.results.at("Well").finishedWithoutHint());
    EXPECT_FALSE(starEarned(player.results.at("Well"), 2));

    // A finish without a hint counts for the star; the hint stays on record,
    // also when another copy that never saw it saves its own finish.
    EXPECT_TRUE(recordResult(other, "Well", 2, false).newBest);
    const ResultsFile after = loaded(folder.path("results.txt"));
    EXPECT_EQ(after.results.at("Well"), (LevelResult{2, true}));
    EXPECT_TRUE(starEarned(after.results.at("Well"), 2));
    EXPECT_FALSE(starEarned(after.results.at("Well"), 1));
    EXPECT_FALSE(starEarned(after.results.at("Well"), std::nullopt));

    // Names are read from the end, so an author's level may hold spaces and
    // even the word itself.
    LevelResults named;
    named["My hint 2"] = {0, true};
    named["Over the - top"] = {LevelResult::kNone, true};
    named["Well"] = after.results.at("Well");
    EXPECT_EQ(parseResults(formatResults(named)), named);

    EXPECT_TRUE(clearResults(player));
    EXPECT_TRUE(loaded(folder.path("results.txt")).results.empty());
}
