#include "level/atomic_file.h"
#include "level/level.h"
#include "level/level_file_check.h"
#include "level/level_writer.h"
#include "level/text_file.h"
#include "physics/simulation.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(AtomicFile, KeepsModeFollowsLinksAndTakesNamesUpToTheLimit)
{
    TestFolder dir;
    dir.write("shared.txt", "old");
    fs::permissions(dir.path("shared.txt"), fs::perms(0640));
    ASSERT_TRUE(writeFileAtomically(dir.path("shared.txt"), "new"));
    EXPECT_EQ(fs::status(dir.path("shared.txt")).permissions(), fs::perms(0640));

    // The link stays a link; its target gets the bytes.
    fs::create_directory(dir.path("real"));
    dir.write("real/level.TXT", "old");
    fs::create_symlink("real/level.TXT", dir.path("link.TXT"));
    ASSERT_TRUE(writeFileAtomically(dir.path("link.TXT"), "through"));
    EXPECT_TRUE(fs::is_symlink(dir.path("link.TXT")));
    EXPECT_EQ(dir.read("real/level.TXT"), "through");
    // A link to a file that is not there yet creates that file.
    fs::create_symlink("real/fresh.TXT", dir.path("dangling.TXT"));
    ASSERT_TRUE(writeFileAtomically(dir.path("dangling.TXT"), "made"));
    EXPECT_TRUE(fs::is_symlink(dir.path("dangling.TXT")));
    EXPECT_EQ(dir.read("real/fresh.TXT"), "made");

    // 255 bytes is the usual limit for one name; the temporary file must
    // not need more.
    const std::string longName = std::string(251, 'n') + ".TXT";
    ASSERT_TRUE(writeFileAtomically(dir.path(longName), "long"));
    ASSERT_TRUE(writeFileAtomically(dir.path(longName), "longer"));
    EXPECT_EQ(dir.read(longName), "longer");
}

// A file-size limit is what a quota or a full disk looks like to a writer.
TEST(AtomicFile, AFileSizeLimitLeavesTheOldFileWhole)
{
    TestFolder dir;
    const std::string old(100, 'o');
    dir.write("config.txt", old);
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 50;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = writeFileAtomically(dir.path("config.txt"), std::string(200, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_EQ(dir.read("config.txt"), old);
}

// Root writes into any folder, so the read-only folder is tried as the
// unprivileged user "nobody" in a child process.
TEST(AtomicFile, AReadOnlyFolderWithAWritableFileIsWrittenInPlace)
{
    TestFolder dir;
    fs::create_directory(dir.path("ro"));
    dir.write("ro/level.TXT", "old level, longer than the new");
    fs::permissions(dir.path("ro/level.TXT"), fs::perms(0666));
    fs::permissions(dir.root(), fs::perms(0755));
    fs::permissions(dir.path("ro"), fs::perms(0555));

    const struct passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() == 0 && nobody == nullptr) GTEST_SKIP() << "no unprivileged user to run as";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && (::setgid(nobody->pw_gid) != 0 || ::setuid(nobody->pw_uid) != 0)) ::_exit(3);
        if (::access(dir.path("ro").c_str(), W_OK) == 0) ::_exit(4);  // still writable: cannot tell
        // Over a file-size limit the old bytes must survive in place too.
        std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        const rlim_t unlimited = limit.rlim_cur;
        limit.rlim_cur = 40;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        if (writeFileAtomically(dir.path("ro/level.TXT"), std::string(100, 'x'))) ::_exit(5);
        limit.rlim_cur = unlimited;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        if (dir.read("ro/level.TXT") != "old level, longer than the new") ::_exit(6);
        ::_exit(writeFileAtomically(dir.path("ro/level.TXT"), "new") ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    fs::permissions(dir.path("ro"), fs::perms(0755));
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 4) GTEST_SKIP() << "the folder stays writable";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(dir.read("ro/level.TXT"), "new");
}

// A save goes through a link only to a regular file: a device, pipe or
// folder at the end is refused and stays what it was.
TEST(AtomicFile, RefusesEveryTargetThatIsNotARegularFile)
{
    TestFolder dir;
    ASSERT_EQ(::mkfifo(dir.path("pipe").c_str(), 0600), 0);
    fs::create_directory(dir.path("folder"));
    fs::create_symlink("pipe", dir.path("to-pipe.txt"));
    fs::create_symlink("folder", dir.path("to-folder.txt"));
    std::vector<std::string> targets{"pipe", "to-pipe.txt", "to-folder.txt"};
    // A character device, where the system lets us make one (root).
    if (::mknod(dir.path("device").c_str(), S_IFCHR | 0600, ::makedev(1, 3)) == 0) {
        fs::create_symlink("device", dir.path("to-device.txt"));
        targets.push_back("to-device.txt");
    }
    for (const std::string& name : targets) {
        EXPECT_FALSE(writeFileAtomically(dir.path(name), "bytes")) << name;
        EXPECT_EQ(errno, EINVAL) << name;
    }
    EXPECT_TRUE(fs::is_fifo(dir.path("pipe")));
    EXPECT_TRUE(fs::is_directory(dir.path("folder")));
    EXPECT_TRUE(fs::is_symlink(dir.path("to-pipe.txt")));
    if (fs::exists(fs::symlink_status(dir.path("device")))) {
        EXPECT_TRUE(fs::is_character_file(dir.path("device")));
    }
}

TEST(TextFile, RefusesFilesBeyondTheSizeLimitWithoutReadingThem)
{
    TestFolder dir;
    // A sparse 2 GB file: reading it whole would take seconds and gigabytes.
    { std::ofstream(dir.path("huge.txt")); }
    fs::resize_file(dir.path("huge.txt"), std::uintmax_t(2) << 30);
    std::string text = "keep";
    EXPECT_EQ(readDataFile(dir.path("huge.txt"), text), FileState::kTooLarge);
    EXPECT_EQ(text, "keep");
    Level level;
    EXPECT_FALSE(level.load(dir.path("huge.txt")));
    EXPECT_NE(levelFileProblem(dir.path("huge.txt")).find("larger than any level"), std::string::npos);

    dir.write("limit.txt", std::string(100, ' '));
    EXPECT_EQ(readDataFile(dir.path("limit.txt"), text, 100), FileState::kRead);
    EXPECT_EQ(text.size(), 100u);
    EXPECT_EQ(readDataFile(dir.path("limit.txt"), text, 99), FileState::kTooLarge);
}

// Letter case is ignored for the names the game looks up, never for the
// folder the player gave: x/Case/ud beside x/case still saves and loads.
TEST(TextFile, LetterCaseIsIgnoredOnlyInsideTheGivenFolder)
{
    TestFolder dir;
    fs::create_directories(dir.path("Case/ud/levels"));
    fs::create_directory(dir.path("case"));
    const std::string user = dir.path("Case/ud");
    dir.write("Case/ud/levels/Hill.txt", "x");
    EXPECT_EQ(findFileIgnoringCase(user, "LEVELS/hill.TXT"), user + "/levels/Hill.txt");
    EXPECT_EQ(findFileIgnoringCase(user + "/levels/hill.txt"), user + "/levels/Hill.txt");
    EXPECT_FALSE(findFileIgnoringCase(dir.path("CASE/ud"), "levels/Hill.txt"));

    Simulation world;
    const LevelSaveResult saved = saveLevelFile(world, "", "hill", user + "/levels");
    EXPECT_TRUE(saved.written);
    EXPECT_EQ(saved.fileName, "Hill.txt");  // the existing spelling, not a second file
    Level level;
    EXPECT_TRUE(level.load(user + "/levels/HILL.txt"));
}
