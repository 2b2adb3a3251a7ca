#include "level/atomic_file.h"
#include "level/text_file.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "level_test_folder.h"

namespace fs = std::filesystem;

TEST(TextFile, ReadsBytesExactlyAndFailsOnlyWhenNothingCanBeOpened)
{
    TestFolder dir;
    std::string text = "keep";
    EXPECT_FALSE(readWholeFile(dir.path("missing.txt"), text));
    EXPECT_FALSE(readWholeFile(dir.root(), text));
    EXPECT_FALSE(readWholeFile("", text));
    EXPECT_FALSE(readWholeFile("/dev/zero", text));  // would never end
    EXPECT_EQ(text, "keep");

    dir.write("empty.txt", "");
    EXPECT_TRUE(readWholeFile(dir.path("empty.txt"), text));
    EXPECT_EQ(text, "");

    std::string binary("a\0b\r\n\xff", 6);
    dir.write("binary.txt", binary);
    EXPECT_TRUE(readWholeFile(dir.path("binary.txt"), text));
    EXPECT_EQ(text, binary);
}

TEST(TextFile, FindsTheOneFileWhoseNameDiffersOnlyInCase)
{
    TestFolder dir;
    dir.write("Hill.TXT", "x");
    dir.write("exact.txt", "x");
    EXPECT_EQ(findFileIgnoringCase(dir.path("exact.txt")), dir.path("exact.txt"));
    EXPECT_EQ(findFileIgnoringCase(dir.path("hill.txt")), dir.path("Hill.TXT"));
    EXPECT_EQ(findFileIgnoringCase(dir.path("HILL.txt")), dir.path("Hill.TXT"));
    EXPECT_FALSE(findFileIgnoringCase(dir.path("valley.txt")));
    EXPECT_FALSE(findFileIgnoringCase(dir.path("nofolder/hill.txt")));
    EXPECT_FALSE(findFileIgnoringCase(""));

    // Two spellings: no guessing.
    dir.write("twin.TXT", "a");
    dir.write("Twin.txt", "b");
    EXPECT_FALSE(findFileIgnoringCase(dir.path("twin.txt")));

    // A folder of that name is no file to open.
    fs::create_directory(dir.path("Sub.TXT"));
    EXPECT_FALSE(findFileIgnoringCase(dir.path("sub.txt")));
}

TEST(AtomicFile, ReplacesTheFileWholeOrLeavesTheOldOneIntact)
{
    TestFolder dir;
    std::string target = dir.path("save.txt");
    EXPECT_TRUE(writeFileAtomically(target, "first"));
    EXPECT_EQ(dir.read("save.txt"), "first");
    EXPECT_TRUE(writeFileAtomically(target, "second, longer"));
    EXPECT_EQ(dir.read("save.txt"), "second, longer");

    // A write cut short (disk full) keeps the previous content.
    atomic_file_testing::failNextWriteAfter(3);
    EXPECT_FALSE(writeFileAtomically(target, "third"));
    EXPECT_EQ(dir.read("save.txt"), "second, longer");

    // The hook is spent: the next save goes through.
    EXPECT_TRUE(writeFileAtomically(target, ""));
    EXPECT_EQ(dir.read("save.txt"), "");

    // Missing folder, a folder as target, an empty name: all refused.
    EXPECT_FALSE(writeFileAtomically(dir.path("nofolder/save.txt"), "x"));
    fs::create_directory(dir.path("folder"));
    EXPECT_FALSE(writeFileAtomically(dir.path("folder"), "x"));
    EXPECT_TRUE(fs::is_directory(dir.path("folder")));
    EXPECT_FALSE(writeFileAtomically("", "x"));

    // No temporary file is left behind, failed or not.
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.root())) ++entries;
    EXPECT_EQ(entries, 2);
}
