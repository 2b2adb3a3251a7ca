// Every shipped level must pass the level checker: readable, laid out inside
// its play area, solvable with its stored solution in time, and not finished
// by itself, since a level the ball completes with no rope teaches nothing.
#include <string>

#include <gtest/gtest.h>

#include "devtools/level_check.h"

namespace {

const std::string kSourceDir = TANGLOOP_SOURCE_DIR;

}  // namespace

TEST(ShippedLevels, EachIsSolvedByItsSolutionInTimeAndNotWithoutRopes)
{
    const LevelCheckReport report = checkLevels(kSourceDir + "/data", kSourceDir + "/tests/levels");
    EXPECT_GE(report.levelsChecked, 3);
    for (const LevelFinding& finding : report.findings) ADD_FAILURE() << finding.level << ": " << finding.message;
}
