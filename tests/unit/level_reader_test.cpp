#include "level/level.h"
#include "level/level_reader.h"
#include "level/build_simulation.h"
#include "physics/simulation.h"

#include <cmath>
#include <random>
#include <string>

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

Level read(std::string_view text)
{
    Level level;
    parseLevel(text, level);
    return level;
}

std::size_t ropePoints(const Level& level)
{
    std::size_t n = 0;
    for (const Rope& rope : level.ropes) n += rope.masses.size() + rope.springs.size();
    return n;
}

void expectBounded(const Level& level)
{
    EXPECT_LE(level.lines.size(), static_cast<std::size_t>(kMaxLevelLines));
    EXPECT_LE(level.balls.size(), static_cast<std::size_t>(kMaxLevelBalls));
    EXPECT_LE(level.ropes.size(), static_cast<std::size_t>(kMaxLevelRopes));
    EXPECT_LE(level.vertices.size(), static_cast<std::size_t>(kMaxLevelTriangles));
    EXPECT_LE(level.dockPoints.size(), static_cast<std::size_t>(kMaxLevelDockPoints));
    for (const Rope& rope : level.ropes) {
        EXPECT_LE(rope.masses.size(), static_cast<std::size_t>(kMaxRopeMasses));
        EXPECT_LE(rope.springs.size(), static_cast<std::size_t>(kMaxRopeMasses));
    }
    EXPECT_LE(ropePoints(level), kMaxLevelRopePoints);
}

} // namespace

TEST(LevelReader, ReadsNumbersWithTheGamesOwnQuirks)
{
    Level exitValues = read("(5){0}<-0.5>{1}<5->{2}<0.5 >");
    EXPECT_EQ(exitValues.exitPosition.x, -0.5f);
    EXPECT_EQ(exitValues.exitPosition.y, -5.0f);
    EXPECT_EQ(exitValues.exitRadius, 0.05f);  // the space counts as a decimal place

    Level exponent = read("(0){0}<1e-07>{1}<2e+06>");
    EXPECT_EQ(exponent.size.x, 0.0f);
    EXPECT_EQ(exponent.size.y, 0.0f);

    // Empty values read as -1, which also makes a flag true.
    Level empty = read("(1)[0]{2}<>{4}<>(2)[0]:0;{3}<>");
    ASSERT_EQ(empty.balls.size(), 1u);
    EXPECT_EQ(empty.balls[0].radius, -1.0f);
    EXPECT_TRUE(empty.balls[0].held);
    EXPECT_TRUE(empty.ropes[0].masses[0].fixed);

    // Flags are true for any number but 0.
    Level flags = read("(1)[0]{4}<0>[1]{4}<0.0>[2]{4}<2>");
    EXPECT_FALSE(flags.balls[0].held);
    EXPECT_FALSE(flags.balls[1].held);
    EXPECT_TRUE(flags.balls[2].held);
}

TEST(LevelReader, PlacesValuesByTheSelectorsInForce)
{
    // Before any header: section 1, field 1, index 0, the y of ball 0.
    Level early = read("<7>");
    ASSERT_EQ(early.balls.size(), 1u);
    EXPECT_EQ(early.balls[0].position.y, 7.0f);

    // Index 3 of an empty list makes elements 0 to 3, the first three default.
    Level grown = read("(6)[3]{2}<1.5>");
    ASSERT_EQ(grown.lines.size(), 4u);
    EXPECT_EQ(grown.lines[0].ends[1].x, 0.0f);
    EXPECT_EQ(grown.lines[3].ends[1].x, 1.5f);

    // Unknown sections and fields are dropped, but the list has grown.
    Level unknown = read("(9){0}<1>(4)[1]{5}<3>(3)[0]:3;{0}<4>");
    EXPECT_EQ(unknown.dockPoints.size(), 2u);
    EXPECT_EQ(unknown.dockPoints[1].position.x, 0.0f);
    ASSERT_EQ(unknown.vertices.size(), 1u);
    EXPECT_EQ(unknown.vertices[0].corners[0].x, 0.0f);

    // A rest length grows the masses as well as the springs.
    Level rope = read("(2)[1]:2;{4}<0.25>");
    ASSERT_EQ(rope.ropes.size(), 2u);
    EXPECT_EQ(rope.ropes[1].masses.size(), 3u);
    EXPECT_EQ(rope.ropes[1].springs.size(), 3u);
    EXPECT_EQ(rope.ropes[1].springs[2].restLength, 0.25f);

    // Loading adds to what is there: nothing is emptied first.
    Level twice = read("(6)[2]{0}<1>(0){3}<Dune>");
    parseLevel("(6)[0]{0}<5>(0){2}<Second>", twice);
    EXPECT_EQ(twice.lines.size(), 3u);
    EXPECT_EQ(twice.lines[0].ends[0].x, 5.0f);
    EXPECT_EQ(twice.lines[2].ends[0].x, 1.0f);
    EXPECT_EQ(twice.theme, "Dune");
    EXPECT_EQ(twice.description, "Second");
}

TEST(LevelReader, DescriptionsAreCutByClosersAsStoredFilesExpect)
{
    Level plain = read("(0){2}<Drop the ball, then run.>{3}<Sky Blue>");
    EXPECT_EQ(plain.description, "Drop the ball, then run.");
    EXPECT_EQ(plain.theme, "Sky Blue");

    // A semicolon sets the sub-index from the text before it, which is lost.
    Level semi = read("(0){2}<Mind the gap; it is wide>");
    EXPECT_EQ(semi.description, "; it is wide");

    // A closing parenthesis moves the value to section -1: dropped, and the
    // following theme with it.
    Level paren = read("(0){2}<Smile :) now>{3}<Forest>");
    EXPECT_EQ(paren.description, "");
    EXPECT_EQ(paren.theme, "");

    // A doubled '>' stores an empty value: the field becomes -1.
    Level doubled = read("(5){2}<0.4>>");
    EXPECT_EQ(doubled.exitRadius, -1.0f);
}

TEST(LevelReader, HostileIndicesNeverGrowListsWithoutBound)
{
    Level level = read(
        "(6)[99999999999]{0}<1>[2147483647]{0}<1>[-1]{0}<1>[-7]{1}<2>[]{0}<3>"
        "(1)[32]{0}<1>(4)[-3]{0}<1>(3)[-1]:0;{0}<1>"
        "(2)[0]:-1;{0}<1>:-1;{4}<2>:1024;{0}<1>:99999999;{4}<1>[256]:0;{0}<1>");
    EXPECT_TRUE(level.lines.empty());
    EXPECT_TRUE(level.balls.empty());
    EXPECT_TRUE(level.dockPoints.empty());
    EXPECT_TRUE(level.vertices.empty());
    ASSERT_EQ(level.ropes.size(), 1u);
    EXPECT_TRUE(level.ropes[0].masses.empty());
    EXPECT_TRUE(level.ropes[0].springs.empty());

    // The last index inside each limit is still honoured.
    Level edge = read("(6)[255]{0}<1>(2)[0]:511;{0}<2>");
    ASSERT_EQ(edge.lines.size(), 256u);
    EXPECT_EQ(edge.lines[255].ends[0].x, 1.0f);
    EXPECT_EQ(edge.ropes[0].masses.size(), 512u);

    // Many long ropes stop at the level-wide budget of rope points.
    std::string manyRopes;
    for (int i = 0; i < 120; ++i) manyRopes += "(2)[" + std::to_string(i) + "]:511;{4}<1>";
    Level heavy = read(manyRopes);
    expectBounded(heavy);
    EXPECT_EQ(heavy.ropes.size(), 120u);
    EXPECT_GT(ropePoints(heavy), kMaxLevelRopePoints - 2 * kMaxRopeMasses);
}

TEST(LevelReader, GarbageOfAnyKindLoadsWithoutHarm)
{
    std::mt19937 random(1234);
    const std::string grammar = "(){}[]:;<>0123456789-. e";
    for (int run = 0; run < 300; ++run) {
        std::string text(2000, '\0');
        for (char& c : text) {
            // Half the runs draw from the grammar's characters, half from all bytes.
            c = run % 2 ? grammar[random() % grammar.size()] : static_cast<char>(random() & 0xff);
        }
        Level level;
        parseLevel(text, level);
        expectBounded(level);
        Simulation world;
        buildSimulation(level, world);
        EXPECT_EQ(world.ropes.size(), level.ropes.size());
    }

    // NUL bytes are ordinary characters.
    Level nul = read("(5){2}<0\0.5>(0){3}<a\0b>"s);
    EXPECT_EQ(nul.exitRadius, 0.5f);
    EXPECT_EQ(nul.theme, std::string("a\0b", 3));

    // Unbalanced brackets.
    Level open = read("((((((({{{{[[[[::::<<<<");
    expectBounded(open);
    Level closed = read(")))}}}]]];;;>>>>");
    expectBounded(closed);
    EXPECT_EQ(closed.balls.size(), 0u);  // the '>'s stored at section -1
}

TEST(LevelReader, TenMegabyteTextsAreReadInOnePass)
{
    const std::string record = "(6)[1]{0}<0.25>(1)[0]{4}<1>";
    std::string big;
    big.reserve(10u << 20);
    while (big.size() < (10u << 20)) big += record;
    Level level = read(big);
    EXPECT_EQ(level.lines.size(), 2u);
    EXPECT_EQ(level.lines[1].ends[0].x, 0.25f);

    // One value ten megabytes long: too many digits for a float.
    std::string value = "(5){2}<0." + std::string(10u << 20, '3') + ">";
    Level longValue = read(value);
    EXPECT_TRUE(std::isinf(longValue.exitRadius));

    // Ten megabytes of an open pair that never closes.
    Level unclosed = read("(5){2}<" + std::string(10u << 20, '7'));
    EXPECT_EQ(unclosed.exitRadius, 0.3f);
}

TEST(LevelReader, LimitsLeaveRoomForEveryShippedLevelAndReportACut)
{
    // Well above what the shipped levels hold (at most 3 balls, 23 lines,
    // 20 triangles, 9 dock points, 4 ropes of 76 points together).
    EXPECT_GE(kMaxLevelBalls, 10 * 3);
    EXPECT_GE(kMaxLevelLines, 10 * 23);
    EXPECT_GE(kMaxLevelTriangles, 10 * 20);
    EXPECT_GE(kMaxLevelDockPoints, 10 * 9);
    EXPECT_GE(kMaxLevelRopePoints, 6u * 2 * 76);
    EXPECT_GE(kMaxRopeMasses, 10 * 19);

    Level fits;
    EXPECT_FALSE(parseLevel("(1)[31]{0}<1>(6)[255]{0}<1>(3)[1023]:2;{0}<1>(4)[255]{0}<1>(2)[255]:0;{0}<1>",
                            fits).any());

    // 10 000 balls in fifteen bytes: the reader keeps 32 and says so.
    Level crowd;
    const LevelCuts cuts = parseLevel("(1)[9999]{0}<1>", crowd);
    EXPECT_TRUE(crowd.balls.empty());
    EXPECT_TRUE(cuts.balls);
    EXPECT_EQ(cuts.describe(), "balls");
    std::string many;
    for (int i = 0; i < 40; ++i) many += "(1)[" + std::to_string(i) + "]{0}<1>";
    many += "(6)[256]{0}<1>(3)[1024]:0;{0}<1>(4)[256]{0}<1>(2)[256]:0;{0}<1>[0]:512;{0}<1>";
    Level cut;
    const LevelCuts all = parseLevel(many, cut);
    EXPECT_EQ(cut.balls.size(), 32u);
    EXPECT_EQ(all.describe(), "balls, lines, triangles, dock points, ropes, rope points");
}

TEST(LevelReader, TheLongestRopeAddRopeLaysIsOneTheReaderTakesWhole)
{
    // Grow the span until addRope refuses it; the last rope it laid must fit
    // the reader's limit, and one point more must not.
    Simulation world;
    std::size_t longest = 0;
    for (float span = 170.0f; span < 190.0f; span += 0.05f) {
        world.ropes.clear();
        addRope({0.0f, 0.0f}, {span, 0.0f}, world);
        if (world.ropes.empty()) break;
        longest = world.ropes[0].masses.size();
    }
    EXPECT_EQ(longest, static_cast<std::size_t>(kMaxRopeMasses));
    const std::string last = std::to_string(longest - 1);
    Level level;
    EXPECT_FALSE(parseLevel("(2)[0]:" + last + ";{0}<1>", level).any());
    EXPECT_EQ(level.ropes[0].masses.size(), longest);
    EXPECT_TRUE(parseLevel("(2)[0]:" + std::to_string(longest) + ";{0}<1>", level).ropePoints);
}
