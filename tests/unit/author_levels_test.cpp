// The author's saved levels as "Your Levels" finds them, and the check of a
// level file named on the command line.
#include <gtest/gtest.h>

#include <filesystem>

#include "level/author_levels.h"
#include "level/level_file_check.h"
#include "level_test_folder.h"

namespace fs = std::filesystem;

TEST(AuthorLevels, OnlyTheEditorsSavesNewestFirstWithTheUnreadableKept)
{
    TestFolder folder;
    folder.write("OLD.TXT", "(0){0}<2>{1}<2>");
    folder.write("NEW.TXT", "(0){0}<2>{1}<2>");
    folder.write("output.txt", "(0){0}<2>{1}<2>");
    folder.write("levels.txt", "<Ramp>");       // the game's own data
    folder.write("menusetup.TXT.bak", "x");
    fs::create_directory(folder.path("BROKEN.TXT"));  // a name that does not read
    const auto now = fs::file_time_type::clock::now();
    fs::last_write_time(folder.path("OLD.TXT"), now - std::chrono::hours(2));
    fs::last_write_time(folder.path("output.txt"), now - std::chrono::hours(1));
    fs::last_write_time(folder.path("NEW.TXT"), now);
    fs::last_write_time(folder.path("BROKEN.TXT"), now - std::chrono::hours(3));

    const std::vector<AuthorLevel> levels = scanAuthorLevels(folder.root());
    ASSERT_EQ(levels.size(), 4u);
    EXPECT_EQ(levels[0].name, "NEW");
    EXPECT_EQ(levels[1].name, "output");
    EXPECT_EQ(levels[2].name, "OLD");
    EXPECT_EQ(levels[3].name, "BROKEN");
    EXPECT_EQ(levels[0].path, folder.path("NEW.TXT"));
    EXPECT_TRUE(levels[0].readable && levels[1].readable && levels[2].readable);
    EXPECT_FALSE(levels[3].readable);

    EXPECT_TRUE(scanAuthorLevels(folder.path("missing")).empty());
    EXPECT_FALSE(isAuthorLevelFileName(".TXT"));
    EXPECT_FALSE(isAuthorLevelFileName("hill.txt"));
}

TEST(AuthorLevels, RenameNeverReplacesAnotherLevelAndDeleteSaysWhenItFails)
{
    TestFolder folder;
    folder.write("HILL.TXT", "hill");
    folder.write("DALE.TXT", "dale");
    EXPECT_NE(renameAuthorLevel(folder.path("HILL.TXT"), "dale"), "");  // letter case aside
    EXPECT_NE(renameAuthorLevel(folder.path("HILL.TXT"), " "), "");
    EXPECT_EQ(folder.read("DALE.TXT"), "dale");
    EXPECT_EQ(renameAuthorLevel(folder.path("HILL.TXT"), "PEAK"), "");
    EXPECT_EQ(folder.read("PEAK.TXT"), "hill");
    EXPECT_FALSE(fs::exists(folder.path("HILL.TXT")));
    EXPECT_EQ(deleteAuthorLevel(folder.path("PEAK.TXT")), "");
    EXPECT_NE(deleteAuthorLevel(folder.path("PEAK.TXT")), "");
}

TEST(LevelFileCheck, SaysWhyAFileCannotBeOpened)
{
    TestFolder folder;
    folder.write("HILL.TXT", "(0){0}<2>{1}<2>{3}<>(6)(5){0}<0>{1}<0>{2}<0.3>(4)(3)(2)(1)");
    folder.write("notes.txt", "not a level at all");
    folder.write("empty.txt", "");
    fs::create_directory(folder.path("dir.txt"));
    EXPECT_EQ(levelFileProblem(folder.path("HILL.TXT")), "");
    EXPECT_EQ(levelFileProblem(folder.path("notes.txt")), "holds no level");
    EXPECT_EQ(levelFileProblem(folder.path("empty.txt")), "holds no level");
    EXPECT_EQ(levelFileProblem(folder.path("dir.txt")), "is a folder");
    EXPECT_EQ(levelFileProblem(folder.path("none.txt")), "no such file");
}
