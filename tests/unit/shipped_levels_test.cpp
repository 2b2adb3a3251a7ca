// Every shipped level must be solvable with its stored solution and must not
// finish by itself: a level the ball completes with no rope teaches nothing.
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "level/list_file.h"
#include "play/headless_player.h"

namespace {

const std::string kSourceDir = TANGLOOP_SOURCE_DIR;
constexpr int kSixtySeconds = 6000;  // frames of 10 ms

struct Solution {
    std::string ropes;
    int frames = 0;
};

bool readSolution(const std::string& name, Solution& solution)
{
    std::ifstream in(kSourceDir + "/tests/levels/" + name + ".solution");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        if (key == "ropes") std::getline(words >> std::ws, solution.ropes);
        if (key == "frames") words >> solution.frames;
    }
    return solution.frames > 0;
}

std::vector<std::string> shippedLevels()
{
    std::ifstream in(kSourceDir + "/data/levels.txt");
    std::stringstream text;
    text << in.rdbuf();
    return parseListEntries(text.str());
}

}  // namespace

TEST(ShippedLevels, EachIsSolvedByItsSolutionInTimeAndNotWithoutRopes)
{
    const std::vector<std::string> names = shippedLevels();
    ASSERT_GE(names.size(), 3u);
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string file = kSourceDir + "/data/levels/" + name + ".txt";
        Solution solution;
        ASSERT_TRUE(readSolution(name, solution)) << "no solution file";
        const auto plan = parseRopePlan(solution.ropes);
        ASSERT_TRUE(plan.has_value());

        const HeadlessResult idle = playHeadless(file, {}, kSixtySeconds);
        ASSERT_TRUE(idle.loaded);
        EXPECT_FALSE(idle.completed) << "finished without any rope at frame " << idle.frame;

        const HeadlessResult solved = playHeadless(file, *plan, solution.frames);
        EXPECT_EQ(solved.ropesPlaced, static_cast<int>(plan->size()));
        EXPECT_TRUE(solved.completed) << "solution did not finish within " << solution.frames << " frames";
    }
}
