// Checks every level a data folder lists before it ships.
//
//   levelcheck DATA_DIR SOLUTIONS_DIR
//
// Reads DATA_DIR/levels.txt, each listed DATA_DIR/levels/NAME.txt and its
// stored answer SOLUTIONS_DIR/NAME.solution, and prints one line per fault,
// "NAME: what is wrong": a missing or unreadable file, a ball or the exit
// outside the play area, dock points too close to pick apart, an exit walled
// in by lines, no solution, a solution that does not finish in its frames,
// or a level that finishes by itself with no rope.
// Exit status: 0 all well (one summary line), 1 findings, 2 bad arguments.
//
//   levelcheck --difficulty DATA_DIR SOLUTIONS_DIR [FIRST]
//
// prints instead how hard each listed level is to find out by trying (see
// level_difficulty.h), from list position FIRST (1 by default) on, one row a
// level, and the means. It plays thousands of tries: run it with nice.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "level/list_file.h"
#include "level/text_file.h"
#include "devtools/level_check.h"
#include "devtools/level_difficulty.h"
#include "devtools/level_solution.h"

namespace {

int printDifficulty(const std::string& dataDir, const std::string& solutionsDir, int first)
{
    std::string text;
    if (!readWholeFile(dataDir + "/levels.txt", text)) {
        std::fprintf(stderr, "levelcheck: cannot read %s/levels.txt\n", dataDir.c_str());
        return 1;
    }
    const std::vector<std::string> names = parseListEntries(text);
    std::printf("%-3s %-12s %5s %5s %9s %7s\n", "no", "level", "docks", "ropes", "wins", "share");
    double ropeSum = 0.0, shareSum = 0.0;
    int measured = 0;
    for (std::size_t i = static_cast<std::size_t>(first - 1); i < names.size(); ++i) {
        LevelSolution solution;
        std::string error;
        if (readLevelSolution(levelSolutionPath(solutionsDir, names[i]), solution, error) != SolutionRead::kOk) {
            std::printf("%-3zu %-12s no readable solution\n", i + 1, names[i].c_str());
            continue;
        }
        const LevelDifficulty d = measureDifficulty(dataDir + "/levels/" + names[i] + ".txt", solution);
        char wins[32];
        std::snprintf(wins, sizeof wins, "%lld/%lld%s", d.wins, d.choices, d.sampled ? "~" : "");
        std::printf("%-3zu %-12s %5d %5d %9s %6.2f%%\n", i + 1, names[i].c_str(), d.dockPoints, d.shortestRopes, wins,
                    100.0 * d.winShare());
        std::fflush(stdout);
        ropeSum += d.shortestRopes;
        shareSum += d.winShare();
        ++measured;
    }
    if (measured > 0)
        std::printf("mean of %d: %.2f ropes, %.2f%% of choices win\n", measured, ropeSum / measured,
                    100.0 * shareSum / measured);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && argc <= 5 && std::strcmp(argv[1], "--difficulty") == 0)
        return printDifficulty(argv[2], argv[3], argc == 5 ? std::max(1, std::atoi(argv[4])) : 1);
    if (argc != 3) {
        std::fprintf(stderr, "usage: levelcheck DATA_DIR SOLUTIONS_DIR\n"
                             "       levelcheck --difficulty DATA_DIR SOLUTIONS_DIR [FIRST]\n");
        return 2;
    }
    const LevelCheckReport report = checkLevels(argv[1], argv[2]);
    for (const LevelFinding& finding : report.findings)
        std::printf("%s: %s\n", finding.level.empty() ? "levelcheck" : finding.level.c_str(), finding.message.c_str());

    if (report.findings.empty()) {
        std::printf("levelcheck: %d level%s, all well\n", report.levelsChecked, report.levelsChecked == 1 ? "" : "s");
        return 0;
    }
    std::printf("levelcheck: %zu finding%s in %d level%s\n", report.findings.size(),
                report.findings.size() == 1 ? "" : "s", report.levelsChecked, report.levelsChecked == 1 ? "" : "s");
    return 1;
}
