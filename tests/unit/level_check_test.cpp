// The level checker on small data folders written here: each broken level
// must give exactly its own finding, and a sound level none.
#include <fstream>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "level/level.h"
#include "level/level_reader.h"
#include "level/text_file.h"
#include "devtools/level_check.h"
#include "level_test_folder.h"

namespace {

// A ball held high on the left of a 4 by 4 area; the exit lies low on the
// right. Alone the ball drops to the floor and stays; a rope from dock 0 to
// dock 1 is a slide that carries it across in about 130 frames, whether
// the ball is let go at once or after the rope has sagged.
const std::string kSlideHeader = "(0){0}<2>{1}<2>(5){0}<1.6>{1}<-1.6>{2}<0.3>";
const std::string kSlideDocks = "(4)[0]{0}<-1.9>{1}<0.8>[1]{0}<0.8>{1}<-0.8>";
const std::string kSlideBall = "(1)[0]{0}<-1.6>{1}<1.5>{2}<0.2>{3}<1>{4}<1>";
const std::string kSlide = kSlideHeader + kSlideDocks + kSlideBall;
const std::string kSlideSolution = "ropes 0-1\nframes 400\n";

/// A data folder with levels.txt, levels/ and a folder of solutions.
class CheckFolder {
public:
    CheckFolder()
    {
        std::filesystem::create_directories(folder_.path("data/levels"));
        std::filesystem::create_directories(folder_.path("solutions"));
    }
    std::string data() const { return folder_.path("data"); }
    std::string solutions() const { return folder_.path("solutions"); }

    void list(const std::vector<std::string>& names) const
    {
        std::string text = "Levels in order.\n";
        for (const std::string& name : names) text += "<" + name + ">\n";
        folder_.write("data/levels.txt", text);
    }
    void level(const std::string& name, const std::string& text) const
    {
        folder_.write("data/levels/" + name + ".txt", text);
    }
    void solution(const std::string& name, const std::string& text) const
    {
        folder_.write("solutions/" + name + ".solution", text);
    }
    LevelCheckReport check() const { return checkLevels(data(), solutions()); }

private:
    TestFolder folder_;
};

std::map<std::string, std::vector<std::string>> byLevel(const LevelCheckReport& report)
{
    std::map<std::string, std::vector<std::string>> found;
    for (const LevelFinding& finding : report.findings) found[finding.level].push_back(finding.message);
    return found;
}

bool mentions(const std::string& message, const std::string& words)
{
    return message.find(words) != std::string::npos;
}

}  // namespace

TEST(LevelCheck, EachBrokenLevelGivesExactlyItsFinding)
{
    CheckFolder folder;
    folder.list({"Clean", "Missing", "BallOutside", "CloseDocks", "WalledIn", "NoSolution", "SlowSolution"});

    folder.level("Clean", kSlide);
    folder.solution("Clean", kSlideSolution);

    folder.solution("Missing", kSlideSolution);

    // A second ball below the floor; the walls push it up beneath the slide,
    // where it is no harm to the first ball's way.
    folder.level("BallOutside", kSlide + "[1]{0}<-1.5>{1}<-3>{2}<0.2>{3}<1>");
    folder.solution("BallOutside", kSlideSolution);

    // Dock 2 is 0.05 from dock 1; the drag still finds dock 1 first.
    folder.level("CloseDocks", kSlideHeader + kSlideDocks + "[2]{0}<0.85>{1}<-0.8>" + kSlideBall);
    folder.solution("CloseDocks", kSlideSolution);

    // Four lines box the exit into the corner, two of them along the walls.
    folder.level("WalledIn", kSlide + "(6)[0]{0}<1>{1}<-2>{2}<1>{3}<-1>[1]{0}<1>{1}<-1>{2}<2>{3}<-1>"
                                      "[2]{0}<2>{1}<-1>{2}<2>{3}<-2>[3]{0}<2>{1}<-2>{2}<1>{3}<-2>");
    folder.solution("WalledIn", kSlideSolution);

    folder.level("NoSolution", kSlide);

    folder.level("SlowSolution", kSlide);
    folder.solution("SlowSolution", "ropes 0-1\nframes 20\n");

    const LevelCheckReport report = folder.check();
    EXPECT_EQ(report.levelsChecked, 7);
    auto found = byLevel(report);
    for (const auto& [level, messages] : found) {
        SCOPED_TRACE(level);
        EXPECT_EQ(messages.size(), 1u) << messages.front() << " | " << messages.back();
    }
    EXPECT_EQ(found.count("Clean"), 0u);
    ASSERT_EQ(found.size(), 6u);
    EXPECT_TRUE(mentions(found["Missing"][0], "cannot read the level file"));
    EXPECT_TRUE(mentions(found["Missing"][0], "levels/Missing.txt"));
    EXPECT_TRUE(mentions(found["BallOutside"][0], "ball 1 at (-1.5, -3) is outside the play area"));
    EXPECT_TRUE(mentions(found["CloseDocks"][0], "dock points 1 and 2 are 0.05"));
    EXPECT_TRUE(mentions(found["WalledIn"][0], "walled in"));
    EXPECT_TRUE(mentions(found["NoSolution"][0], "no solution file"));
    EXPECT_TRUE(mentions(found["SlowSolution"][0], "does not complete within 20 frames"));
}

TEST(LevelCheck, ALevelThatFinishesByItselfOrCannotHangItsRopesIsReported)
{
    CheckFolder folder;
    folder.list({"Drop", "WrongDocks"});
    // Held right above the exit: let go, it falls in.
    folder.level("Drop", "(0){0}<2>{1}<2>(5){0}<0>{1}<-1.5>{2}<0.3>(1)[0]{0}<0>{1}<1>{2}<0.2>{3}<1>{4}<1>");
    folder.solution("Drop", "frames 1000\n");
    folder.level("WrongDocks", kSlide);
    folder.solution("WrongDocks", "ropes 0-7\nframes 400\n");

    auto found = byLevel(folder.check());
    ASSERT_EQ(found["Drop"].size(), 1u);
    EXPECT_TRUE(mentions(found["Drop"][0], "completes by itself at frame"));
    ASSERT_EQ(found["WrongDocks"].size(), 2u);
    EXPECT_TRUE(mentions(found["WrongDocks"][0], "hangs only 0 of its 1 ropes"));
    EXPECT_TRUE(mentions(found["WrongDocks"][1], "does not complete within 400 frames"));
}

TEST(LevelCheck, ASolutionThatOnlyWorksBeforeTheRopeSagsIsReported)
{
    CheckFolder folder;
    folder.list({"Sag"});
    // A long, shallow ramp: let go at once, the ball rides the rope while it
    // is still straight; once the rope has sagged, the ball rolls into the
    // dip in its middle and stays there.
    folder.level("Sag", "(0){0}<5>{1}<3.5>(6)[0]{0}<0.8>{1}<-3.5>{2}<0.8>{3}<-1.6>[1]{0}<0.8>{1}<-1.6>{2}<5>{3}<-2.6>(5){0}<3.8>{1}<-1.85>{2}<0.3>(4)[0]{0}<-4.2>{1}<1>[1]{0}<-1.2>{1}<0.2>[2]{0}<0.8>{1}<-1.5>[3]{0}<-3>{1}<-2.4>(3)[0]:0;{0}<0.8>{1}<-3.5>:1;{0}<5>{1}<-3.5>:2;{0}<5>{1}<-2.6>[1]:0;{0}<0.8>{1}<-3.5>:1;{0}<0.8>{1}<-1.6>:2;{0}<5>{1}<-2.6>(2)(1)[0]{0}<-3.6>{1}<2.6>{2}<0.3>{3}<1>{4}<1>");
    folder.solution("Sag", "ropes 0-2\nframes 600\n");

    auto found = byLevel(folder.check());
    ASSERT_EQ(found["Sag"].size(), 1u);
    EXPECT_TRUE(mentions(found["Sag"][0], "when the ropes hang 300 frames before Try it out"));
}

TEST(LevelCheck, AnAnswerMarkedOrderMustFailTheOtherWayRound)
{
    // The relay of two ropes goes up either way round: its order is no
    // part of its puzzle, and an answer that claims so is told.
    std::string relay;
    ASSERT_TRUE(readWholeFile(std::string(TANGLOOP_SOURCE_DIR) + "/data/levels/Relay.txt", relay));
    CheckFolder folder;
    folder.list({"Relay"});
    folder.level("Relay", relay);
    std::ofstream(folder.data() + "/themes.txt") << "<stone>";
    folder.solution("Relay", "ropes 0-1 1-2@22\nframes 700\norder\n");
    auto found = byLevel(folder.check());
    ASSERT_EQ(found["Relay"].size(), 1u);
    EXPECT_TRUE(mentions(found["Relay"][0], "also complete it hung in reverse order (1-2@22 0-1)"));
}

TEST(LevelCheck, BadListsAndFilesAreFindingsNotCrashes)
{
    CheckFolder folder;
    LevelCheckReport report = folder.check();  // no levels.txt at all
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_TRUE(mentions(report.findings[0].message, "cannot read the level list"));

    folder.list({});
    report = folder.check();
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_TRUE(mentions(report.findings[0].message, "names no level"));

    // An empty file, garbage, and a malformed solution: each reported, none played.
    folder.list({"Empty", "Garbage", "BadSolution", ""});
    folder.level("Empty", "");
    folder.solution("Empty", kSlideSolution);
    folder.level("Garbage", std::string("\0\xff((({{<<]]>>;;:", 16) + std::string(5000, '>'));
    folder.solution("Garbage", kSlideSolution);
    folder.level("BadSolution", kSlide);
    folder.solution("BadSolution", "ropes 0-1 and more\nframes 400\n");
    auto found = byLevel(folder.check());
    ASSERT_EQ(found["Empty"].size(), 1u);
    EXPECT_TRUE(mentions(found["Empty"][0], "the play area has no size"));
    // Garbage is full of structure the reader cuts at, and has no play area.
    ASSERT_GE(found["Garbage"].size(), 2u);
    EXPECT_TRUE(mentions(found["Garbage"][0], "which the reader takes as structure"));
    EXPECT_TRUE(mentions(found["Garbage"].back(), "the play area has no size"));
    ASSERT_EQ(found["BadSolution"].size(), 1u);
    EXPECT_TRUE(mentions(found["BadSolution"][0], "is unreadable: the rope plan"));
    ASSERT_EQ(found[""].size(), 1u);  // "<>" names a level without a name
    EXPECT_TRUE(mentions(found[""][0], "cannot read the level file"));
}

TEST(LevelCheck, LayoutFindingsAreCappedAndHugeLevelsAreNotPlayed)
{
    Level level;
    parseLevel(kSlide, level);
    // Three hundred dock points on one spot: five pairs named, the rest counted.
    level.dockPoints.clear();
    level.dockPoints.resize(300);
    std::vector<LevelFinding> findings;
    EXPECT_TRUE(checkLevelLayout(level, "Crowd", findings));
    ASSERT_EQ(findings.size(), static_cast<std::size_t>(kMaxFindingsPerKind) + 1);
    EXPECT_TRUE(mentions(findings.back().message, "and " + std::to_string(299 * 300 / 2 - kMaxFindingsPerKind) +
                                                      " more pairs of dock points"));

    // Too many contacts per step to play 6000 frames of it in a check.
    Level big;
    parseLevel(kSlide, big);
    big.lines.resize(10000, Line{{Vector2D(-1.9f, -1.9f), Vector2D(-1.8f, -1.9f)}});
    big.balls.resize(30, big.balls[0]);
    findings.clear();
    EXPECT_FALSE(checkLevelLayout(big, "Big", findings));
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_TRUE(mentions(findings[0].message, "too big to play through"));

    // The exit outside, and a play area of infinite size: reported, no crash.
    Level away;
    parseLevel(kSlide, away);
    away.exitPosition = Vector2D(5.0f, 0.0f);
    findings.clear();
    checkLevelLayout(away, "Away", findings);
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_TRUE(mentions(findings[0].message, "the exit at (5, 0) is outside"));
    away.size = Vector2D(std::numeric_limits<float>::infinity(), 2.0f);  // as a 40-digit size reads
    findings.clear();
    EXPECT_FALSE(checkLevelLayout(away, "Away", findings));
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_TRUE(mentions(findings[0].message, "has no size"));
}

TEST(LevelCheck, ANameListedTwiceAndAnUnlistedThemeAreReported)
{
    CheckFolder folder;
    folder.list({"Clean", "Mossy", "Clean"});
    folder.level("Clean", kSlide);
    folder.solution("Clean", kSlideSolution);
    folder.level("Mossy", "(0){0}<2>{1}<2>{3}<moss>" + kSlideDocks + kSlideBall + "(5){0}<1.6>{1}<-1.6>{2}<0.3>");
    folder.solution("Mossy", kSlideSolution);

    // With no themes.txt no theme is known.
    auto found = byLevel(folder.check());
    ASSERT_EQ(found["Mossy"].size(), 1u);
    EXPECT_TRUE(mentions(found["Mossy"][0], "the theme \"moss\" is not listed in themes.txt"));
    ASSERT_EQ(found["Clean"].size(), 1u);
    EXPECT_TRUE(mentions(found["Clean"][0], "is listed more than once"));

    {
        std::ofstream themes(folder.data() + "/themes.txt");
        themes << "<sky> <moss>";
    }
    const LevelCheckReport report = folder.check();
    EXPECT_EQ(report.levelsChecked, 2);
    found = byLevel(report);
    EXPECT_EQ(found.count("Mossy"), 0u);
    EXPECT_EQ(found["Clean"].size(), 1u);
}
