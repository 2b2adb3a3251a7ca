// Stored level solutions: what the checker and the shipped-level test read.
#include <string>

#include <gtest/gtest.h>

#include "level_test_folder.h"
#include "level/level_solution.h"

namespace {

struct Parsed {
    bool ok = false;
    LevelSolution solution;
    std::string error;
};

Parsed parse(const std::string& text)
{
    Parsed parsed;
    parsed.ok = parseLevelSolution(text, parsed.solution, parsed.error);
    return parsed;
}

}  // namespace

TEST(LevelSolution, ReadsRopesAndFramesAroundCommentsBlankLinesAndCarriageReturns)
{
    const Parsed parsed = parse("# the relay\r\n\r\n  ropes   0-1 1-2@22 \r\nnote ignored\r\nframes 700\r\n");
    ASSERT_TRUE(parsed.ok) << parsed.error;
    ASSERT_EQ(parsed.solution.ropes.size(), 2u);
    EXPECT_EQ(parsed.solution.ropes[1].fromDock, 1);
    EXPECT_EQ(parsed.solution.ropes[1].toDock, 2);
    EXPECT_FLOAT_EQ(*parsed.solution.ropes[1].sliderValue, 22.0f);
    EXPECT_FALSE(parsed.solution.ropes[0].sliderValue.has_value());
    EXPECT_EQ(parsed.solution.frames, 700);
    EXPECT_FALSE(parsed.solution.ordered);
    EXPECT_TRUE(parse("order\nframes 5").solution.ordered);

    // No ropes line means no ropes; a repeated key keeps its last value; no final line break.
    const Parsed bare = parse("frames 10\nframes 20");
    ASSERT_TRUE(bare.ok);
    EXPECT_TRUE(bare.solution.ropes.empty());
    EXPECT_EQ(bare.solution.frames, 20);

    // A plan of fewer ropes stands beside the answer, never in its place.
    const Parsed shorter = parse("ropes 0-1 2-3@24 4-5\nshortest 0-3 1-4\nframes 450\n");
    ASSERT_TRUE(shorter.ok) << shorter.error;
    EXPECT_EQ(shorter.solution.ropes.size(), 3u);
    EXPECT_EQ(formatRopePlan(shorter.solution.fewestRopes()), "0-3 1-4");
    EXPECT_EQ(formatRopePlan(parsed.solution.fewestRopes()), "0-1 1-2@22");
}

TEST(LevelSolution, RejectsMissingOrOutOfRangeFramesAndMalformedRopes)
{
    for (const char* text : {"", "ropes 0-1\n", "frames\n", "frames 0\n", "frames -5\n", "frames 12x\n",
                             "frames 60001\n", "frames 99999999999999999999\n", "frames 1.5\n"}) {
        SCOPED_TRACE(text);
        const Parsed parsed = parse(text);
        EXPECT_FALSE(parsed.ok);
        EXPECT_FALSE(parsed.error.empty());
    }
    EXPECT_TRUE(parse("frames 60000").ok);

    for (const char* ropes : {"ropes 0_1\nframes 5", "ropes 0-1@\nframes 5", "ropes 0-1x\nframes 5",
                              "shortest 0-1x\nframes 5"}) {
        SCOPED_TRACE(ropes);
        const Parsed parsed = parse(ropes);
        EXPECT_FALSE(parsed.ok);
        EXPECT_NE(parsed.error.find("rope plan"), std::string::npos);
    }

    // A runaway plan is refused before anyone drags a hundred thousand ropes.
    std::string many = "ropes";
    for (int i = 0; i < 101; ++i) many += " 0-1";
    EXPECT_FALSE(parse(many + "\nframes 5").ok);
    EXPECT_FALSE(parse("shortest\nframes 5").ok);  // a shorter plan of no rope is no plan
}

TEST(LevelSolution, TellsAMissingFileFromAMalformedOne)
{
    TestFolder folder;
    LevelSolution solution;
    std::string error;
    EXPECT_EQ(levelSolutionPath(folder.root(), "Bridge"), folder.root() + "/Bridge.solution");
    EXPECT_EQ(readLevelSolution(folder.path("Bridge.solution"), solution, error), SolutionRead::kMissing);
    EXPECT_EQ(readLevelSolution(folder.root(), solution, error), SolutionRead::kMissing);  // a folder

    folder.write("Bridge.solution", "ropes 0-1\n");
    EXPECT_EQ(readLevelSolution(folder.path("Bridge.solution"), solution, error), SolutionRead::kMalformed);
    EXPECT_NE(error.find("frames"), std::string::npos);

    folder.write("Bridge.solution", "ropes 0-1\nframes 600\n");
    EXPECT_EQ(readLevelSolution(folder.path("Bridge.solution"), solution, error), SolutionRead::kOk);
    EXPECT_EQ(solution.frames, 600);
}
