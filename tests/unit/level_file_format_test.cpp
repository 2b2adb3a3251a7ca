#include "level/level.h"
#include "level/level_reader.h"
#include "level/level_writer.h"
#include "level/number_reader.h"
#include "level/atomic_file.h"
#include "level/build_simulation.h"
#include "physics/simulation.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "level_test_folder.h"

namespace fs = std::filesystem;

namespace {

const char* const kWorkedExample =
    "(0){0}<3>{1}<2>{3}<>(6)[0]{0}<-1>{1}<-1>{2}<1>{3}<-1>(5){0}<2>{1}<0.5>{2}<0.3>"
    "(4)[0]{0}<0>{1}<1>(3)[0]:0;{0}<0>{1}<0>:1;{0}<1>{1}<0>:2;{0}<0>{1}<1>"
    "(2)[0]:0;{0}<0>{1}<1>{2}<1>{3}<1>{4}<0.5>:1;{0}<0.5>{1}<1>{2}<1>{3}<0>"
    "(1)[0]{0}<-2>{1}<1>{2}<0.3>{3}<3>{4}<1>";

Mass makeMass(Vector2D at, float weight, bool fixed)
{
    Mass m;
    m.position = at;
    m.mass = weight;
    m.fixed = fixed;
    return m;
}

Ball makeBall(Vector2D at, float radius, float weight, bool held)
{
    Ball b;
    b.position = at;
    b.radius = radius;
    b.mass = weight;
    b.held = held;
    return b;
}

Simulation workedExampleWorld()
{
    Simulation w;
    w.size = {3, 2};
    Line line;
    line.ends[0] = {-1, -1};
    line.ends[1] = {1, -1};
    w.lines.push_back(line);
    w.exitPosition = {2, 0.5f};
    w.exitRadius = 0.3f;
    DockPoint dock;
    dock.position = {0, 1};
    w.dockPoints.push_back(dock);
    Vertex tri;
    tri.corners[0] = {0, 0};
    tri.corners[1] = {1, 0};
    tri.corners[2] = {0, 1};
    w.vertices.push_back(tri);
    Rope rope;
    rope.masses.push_back(makeMass({0, 1}, 1, true));
    rope.masses.push_back(makeMass({0.5f, 1}, 1, false));
    Spring spring;
    spring.restLength = 0.5f;
    spring.first = 0;
    spring.second = 1;
    rope.springs.push_back(spring);
    w.ropes.push_back(rope);
    w.balls.push_back(makeBall({-2, 1}, 0.3f, 3, true));
    return w;
}

// What a float reads back as after being written with 6 significant digits,
// read by the game's own reader.
float rounded(float value) { return parseNumber(formatLevelNumber(value)); }

void expectRounded(float actual, float original)
{
    EXPECT_EQ(actual, rounded(original)) << "written from " << original;
}

void expectVecRounded(Vector2D actual, Vector2D original)
{
    expectRounded(actual.x, original.x);
    expectRounded(actual.y, original.y);
}

// A level with every section and several elements, values needing rounding.
Level richLevel()
{
    Level level;
    level.size = {4.5f, 3.1234567f};
    level.theme = "Forest";
    level.description = "Hand-written text is never saved";
    level.exitPosition = {-1.8765432f, 2.5f};
    level.exitRadius = 0.45f;
    for (int i = 0; i < 3; ++i) {
        Line line;
        line.ends[0] = {-2.0f + i * 0.3333333f, -1.5f};
        line.ends[1] = {1.0f + i, -1.25f + i * 0.1f};
        level.lines.push_back(line);
    }
    for (int i = 0; i < 2; ++i) {
        DockPoint dock;
        dock.position = {-1.0f + i * 2.0f, 1.7777777f};
        level.dockPoints.push_back(dock);
    }
    for (int i = 0; i < 2; ++i) {
        Vertex tri;
        tri.corners[0] = {-4.0f + i, -3.0f};
        tri.corners[1] = {-3.0f + i, -3.0f};
        tri.corners[2] = {-3.5f + i, -2.1428571f};
        level.vertices.push_back(tri);
    }
    Rope long_rope;
    for (int j = 0; j < 4; ++j) long_rope.masses.push_back(makeMass({0.35f * j, 1.0f}, 1.0f, j == 0 || j == 3));
    for (int j = 0; j < 3; ++j) {
        Spring s;
        s.restLength = 0.2625f;
        long_rope.springs.push_back(s);
    }
    Rope short_rope;
    short_rope.masses.push_back(makeMass({2.0f, 2.0f}, 2.5f, true));
    short_rope.masses.push_back(makeMass({2.3f, 1.9f}, 0.75f, false));
    Spring s;
    s.restLength = 0.15811388f;
    short_rope.springs.push_back(s);
    level.ropes = {long_rope, short_rope};
    level.balls.push_back(makeBall({-3.0f, 2.0f}, 0.3f, 1.0f, true));
    level.balls.push_back(makeBall({1.2345678f, -0.5f}, 0.25f, 2.0f, false));
    level.balls.push_back(makeBall({0.0f, 0.0f}, 0.6f, 0.5f, false));
    return level;
}

} // namespace

TEST(LevelFile, WritesTheWorkedExampleByteForByteAndReadsItBack)
{
    Simulation world = workedExampleWorld();
    EXPECT_EQ(formatLevel(world, ""), kWorkedExample);

    TestFolder dir;
    LevelSaveResult saved = saveLevelFile(world, "", dir.path("example"));
    EXPECT_TRUE(saved.written);
    EXPECT_EQ(saved.fileName, dir.path("example.TXT"));
    EXPECT_EQ(dir.read("example.TXT"), kWorkedExample);

    Level level;
    parseLevel(kWorkedExample, level);
    EXPECT_EQ(level.size.x, 3.0f);
    EXPECT_EQ(level.size.y, 2.0f);
    EXPECT_EQ(level.theme, "");
    ASSERT_EQ(level.lines.size(), 1u);
    EXPECT_EQ(level.lines[0].ends[0].x, -1.0f);
    EXPECT_EQ(level.lines[0].ends[1].x, 1.0f);
    EXPECT_EQ(level.lines[0].ends[1].y, -1.0f);
    EXPECT_EQ(level.exitPosition.x, 2.0f);
    EXPECT_EQ(level.exitPosition.y, 0.5f);
    EXPECT_EQ(level.exitRadius, 0.3f);
    ASSERT_EQ(level.dockPoints.size(), 1u);
    EXPECT_EQ(level.dockPoints[0].position.y, 1.0f);
    ASSERT_EQ(level.vertices.size(), 1u);
    EXPECT_EQ(level.vertices[0].corners[1].x, 1.0f);
    EXPECT_EQ(level.vertices[0].corners[2].y, 1.0f);
    ASSERT_EQ(level.ropes.size(), 1u);
    ASSERT_EQ(level.ropes[0].masses.size(), 2u);
    ASSERT_EQ(level.ropes[0].springs.size(), 1u);
    EXPECT_TRUE(level.ropes[0].masses[0].fixed);
    EXPECT_FALSE(level.ropes[0].masses[1].fixed);
    EXPECT_EQ(level.ropes[0].masses[1].position.x, 0.5f);
    EXPECT_EQ(level.ropes[0].springs[0].restLength, 0.5f);
    ASSERT_EQ(level.balls.size(), 1u);
    EXPECT_EQ(level.balls[0].position.x, -2.0f);
    EXPECT_EQ(level.balls[0].radius, 0.3f);
    EXPECT_EQ(level.balls[0].mass, 3.0f);
    EXPECT_TRUE(level.balls[0].held);

    // Built again and written again, it is the same file.
    Simulation rebuilt;
    buildSimulation(level, rebuilt);
    EXPECT_EQ(formatLevel(rebuilt, ""), kWorkedExample);
}

TEST(LevelFile, RichLevelSurvivesSaveAndLoadRoundedToSixDigits)
{
    Level original = richLevel();
    Simulation world;
    buildSimulation(original, world);
    TestFolder dir;
    LevelSaveResult saved = saveLevelFile(world, original.theme, dir.path("rich"));
    ASSERT_TRUE(saved.written);

    // The editor loads "rich" + ".txt": the file is found in spite of the case.
    Level back;
    ASSERT_TRUE(back.load(dir.path("rich.txt")));
    // Saved again, the level is the same bytes: six digits read and written
    // again are the same six digits.
    Simulation again;
    buildSimulation(back, again);
    EXPECT_EQ(dir.read("rich.TXT"), formatLevel(world, original.theme));
    EXPECT_EQ(formatLevel(again, back.theme), dir.read("rich.TXT"));

    expectVecRounded(back.size, original.size);
    EXPECT_EQ(back.theme, "Forest");
    EXPECT_EQ(back.description, "");  // the description is never written
    expectVecRounded(back.exitPosition, original.exitPosition);
    expectRounded(back.exitRadius, original.exitRadius);

    ASSERT_EQ(back.lines.size(), original.lines.size());
    for (std::size_t i = 0; i < back.lines.size(); ++i)
        for (int e = 0; e < 2; ++e) expectVecRounded(back.lines[i].ends[e], original.lines[i].ends[e]);
    ASSERT_EQ(back.dockPoints.size(), original.dockPoints.size());
    for (std::size_t i = 0; i < back.dockPoints.size(); ++i)
        expectVecRounded(back.dockPoints[i].position, original.dockPoints[i].position);
    ASSERT_EQ(back.vertices.size(), original.vertices.size());
    for (std::size_t i = 0; i < back.vertices.size(); ++i)
        for (int k = 0; k < 3; ++k) expectVecRounded(back.vertices[i].corners[k], original.vertices[i].corners[k]);
    ASSERT_EQ(back.ropes.size(), original.ropes.size());
    for (std::size_t i = 0; i < back.ropes.size(); ++i) {
        const Rope& a = back.ropes[i];
        const Rope& b = original.ropes[i];
        ASSERT_EQ(a.masses.size(), b.masses.size());
        ASSERT_EQ(a.springs.size(), b.springs.size());
        for (std::size_t j = 0; j < a.masses.size(); ++j) {
            expectVecRounded(a.masses[j].position, b.masses[j].position);
            expectRounded(a.masses[j].mass, b.masses[j].mass);
            EXPECT_EQ(a.masses[j].fixed, b.masses[j].fixed);
        }
        for (std::size_t j = 0; j < a.springs.size(); ++j) expectRounded(a.springs[j].restLength, b.springs[j].restLength);
    }
    ASSERT_EQ(back.balls.size(), original.balls.size());
    for (std::size_t i = 0; i < back.balls.size(); ++i) {
        expectVecRounded(back.balls[i].position, original.balls[i].position);
        expectRounded(back.balls[i].radius, original.balls[i].radius);
        expectRounded(back.balls[i].mass, original.balls[i].mass);
        EXPECT_EQ(back.balls[i].held, original.balls[i].held);
    }
}

TEST(LevelFile, WritesFloatsInGeneralNotationButNeverWithAnExponent)
{
    // What %g writes without an exponent stays byte for byte as it was.
    EXPECT_EQ(formatLevelNumber(3.0f), "3");
    EXPECT_EQ(formatLevelNumber(0.3f), "0.3");
    EXPECT_EQ(formatLevelNumber(-1.25f), "-1.25");
    EXPECT_EQ(formatLevelNumber(123456.0f), "123456");
    EXPECT_EQ(formatLevelNumber(1.2345678f), "1.23457");
    EXPECT_EQ(formatLevelNumber(0.0001f), "0.0001");
    // The reader takes an exponent as 0, so those values are written out.
    EXPECT_EQ(formatLevelNumber(1e-7f), "0.0000001");
    EXPECT_EQ(formatLevelNumber(-0.00001f), "-0.00001");
    EXPECT_EQ(formatLevelNumber(2e6f), "2000000");
    EXPECT_EQ(formatLevelNumber(2500000.0f), "2500000");
    EXPECT_EQ(formatLevelNumber(-1234567.0f), "-1234570");
    EXPECT_EQ(formatLevelNumber(1.5e-12f), "0.0000000000015");

    // Every written number reads back within its six digits, across the
    // whole range of floats, infinity included.
    for (float v = 1.1754944e-38f; v < 3e38f; v *= 1.37f) {
        for (float value : {v, -v}) {
            const std::string text = formatLevelNumber(value);
            ASSERT_EQ(text.find('e'), std::string::npos) << text;
            EXPECT_NEAR(parseNumber(text), value, std::fabs(value) * 1e-5f) << text;
        }
    }
    EXPECT_EQ(parseNumber(formatLevelNumber(INFINITY)), INFINITY);
    EXPECT_EQ(parseNumber(formatLevelNumber(-INFINITY)), -INFINITY);

    // Old files written with an exponent still read as they always did.
    Level old;
    parseLevel("(5){0}<1e-05>{1}<2.5e+06>{2}<0.0001>", old);
    EXPECT_EQ(old.exitPosition.x, 0.0f);
    EXPECT_EQ(old.exitPosition.y, 0.0f);
    EXPECT_EQ(old.exitRadius, parseNumber("0.0001"));

    Simulation world;
    world.exitPosition = {0.00001f, 2500000.0f};
    Level back;
    parseLevel(formatLevel(world, ""), back);
    EXPECT_NEAR(back.exitPosition.x, 0.00001f, 1e-10f);
    EXPECT_EQ(back.exitPosition.y, 2500000.0f);
}

TEST(LevelFile, SaveNamesFollowTheCaseSensitiveTxtRule)
{
    EXPECT_EQ(levelSaveName(""), "output.txt");
    EXPECT_EQ(levelSaveName("hill"), "hill.TXT");
    EXPECT_EQ(levelSaveName("hill.TXT"), "hill.TXT");
    EXPECT_EQ(levelSaveName("hill.txt"), "hill.txt.TXT");
    EXPECT_EQ(levelSaveName("hill.Txt"), "hill.Txt.TXT");
    EXPECT_EQ(levelSaveName("my.TXT.old"), "my.TXT.old");

    // An empty name saves "output.txt" in the working directory.
    TestFolder dir;
    fs::path before = fs::current_path();
    fs::current_path(dir.root());
    LevelSaveResult saved = saveLevelFile(Simulation(), "", "");
    fs::current_path(before);
    EXPECT_EQ(saved.fileName, "output.txt");
    EXPECT_TRUE(saved.written);
    EXPECT_TRUE(fs::exists(dir.path("output.txt")));
}

TEST(LevelFile, LoadFindsTheFileOnlyWhenItExistsInSomeCase)
{
    TestFolder dir;
    dir.write("Hill.TXT", "(5){2}<0.7>");
    dir.write("hill.txt", "(5){2}<0.2>");

    // Two spellings of one name: no guess, not even for the exact one.
    Level exact;
    EXPECT_FALSE(exact.load(dir.path("hill.txt")));
    Level other;
    EXPECT_FALSE(other.load(dir.path("HILL.TXT")));

    dir.write("Valley.TXT", "(5){2}<0.7>");
    Level valley;
    ASSERT_TRUE(valley.load(dir.path("valley.txt")));
    EXPECT_FLOAT_EQ(valley.exitRadius, 0.7f);

    // Missing file or empty name: false and the level untouched.
    Level untouched;
    untouched.exitRadius = 0.9f;
    untouched.lines.resize(2);
    EXPECT_FALSE(untouched.load(dir.path("missing.txt")));
    EXPECT_FALSE(untouched.load(""));
    EXPECT_FALSE(untouched.load(dir.root()));
    EXPECT_EQ(untouched.exitRadius, 0.9f);
    EXPECT_EQ(untouched.lines.size(), 2u);

    // An empty file loads and changes nothing.
    dir.write("empty.txt", "");
    EXPECT_TRUE(untouched.load(dir.path("empty.txt")));
    EXPECT_EQ(untouched.exitRadius, 0.9f);
    EXPECT_EQ(untouched.lines.size(), 2u);
}

TEST(LevelFile, FailedSaveKeepsTheOldFileAndSaysSo)
{
    TestFolder dir;
    Simulation world = workedExampleWorld();
    dir.write("hill.TXT", "old level");

    // The disk fills up half-way through the new file.
    atomic_file_testing::failNextWriteAfter(20);
    LevelSaveResult cut = saveLevelFile(world, "", dir.path("hill"));
    EXPECT_FALSE(cut.written);
    EXPECT_EQ(cut.fileName, dir.path("hill.TXT"));
    EXPECT_EQ(dir.read("hill.TXT"), "old level");

    // A folder standing where the file should go.
    fs::create_directory(dir.path("taken.TXT"));
    EXPECT_FALSE(saveLevelFile(world, "", dir.path("taken")).written);
    EXPECT_TRUE(fs::is_directory(dir.path("taken.TXT")));

    // A folder that does not exist.
    LevelSaveResult nowhere = saveLevelFile(world, "", dir.path("no/such/place"));
    EXPECT_FALSE(nowhere.written);
    EXPECT_EQ(nowhere.fileName, dir.path("no/such/place.TXT"));
}

TEST(LevelFile, TypedNamesIgnoreCaseInEveryFolderAndASaveKeepsTheExistingSpelling)
{
    TestFolder dir;
    fs::create_directory(dir.path("levels"));
    dir.write("levels/Ramp.txt", "(5){2}<0.7>");
    const Simulation world = workedExampleWorld();

    // What the editor makes of typed capitals: "LEVELS/RAMP", inside the
    // folder it saves in (which itself is taken as given).
    Level ramp;
    ASSERT_TRUE(ramp.load(dir.root(), "LEVELS/RAMP.txt"));
    EXPECT_FLOAT_EQ(ramp.exitRadius, 0.7f);

    LevelSaveResult saved = saveLevelFile(world, "", "LEVELS/RAMP", dir.root());
    ASSERT_TRUE(saved.written);
    EXPECT_EQ(saved.fileName, "levels/Ramp.txt");
    EXPECT_EQ(dir.read("levels/Ramp.txt"), formatLevel(world, ""));
    int files = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path("levels"))) ++files;
    EXPECT_EQ(files, 1) << "no second spelling beside the level";

    // A new level goes into the folder as it is spelled on disk.
    saved = saveLevelFile(world, "", "LEVELS/HILL", dir.root());
    ASSERT_TRUE(saved.written);
    EXPECT_EQ(saved.fileName, "levels/HILL.TXT");

    // Two spellings on disk: the save is refused and both stay as they were.
    dir.write("levels/ramp.TXT", "other");
    saved = saveLevelFile(world, "", dir.path("levels/RAMP"));
    EXPECT_FALSE(saved.written);
    EXPECT_EQ(dir.read("levels/ramp.TXT"), "other");
    EXPECT_EQ(dir.read("levels/Ramp.txt"), formatLevel(world, ""));
}
