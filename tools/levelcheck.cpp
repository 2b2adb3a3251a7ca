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
//
//   levelcheck --par DATA_DIR SOLUTIONS_DIR [TRIES]
//
// checks the par DATA_DIR/par.txt gives each listed level: the stored
// solution of that many ropes finishes it, and no choice of fewer ropes does
// (see level_par.h). Each level's search plays at most TRIES tries; where
// that is not enough to play every choice, a line says the par is not proven
// minimal, which is no fault. Exit status as above.
//
//   levelcheck --write-par DATA_DIR SOLUTIONS_DIR [TRIES]
//
// works the pars out and prints the text of par.txt; what was not proven,
// and finishes with fewer ropes than a stored solution, go to stderr.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "level/level_solution.h"
#include "level/list_file.h"
#include "level/text_file.h"
#include "devtools/level_check.h"
#include "devtools/level_difficulty.h"
#include "devtools/level_par.h"

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

void printFindings(const std::vector<LevelFinding>& findings, std::FILE* to)
{
    for (const LevelFinding& finding : findings)
        std::fprintf(to, "%s: %s\n", finding.level.empty() ? "levelcheck" : finding.level.c_str(),
                     finding.message.c_str());
}

int printParCheck(const std::string& dataDir, const std::string& solutionsDir, long long tries)
{
    const ParCheckReport report = checkPars(dataDir, solutionsDir, tries);
    printFindings(report.notes, stdout);
    printFindings(report.findings, stdout);
    const int proven = report.proven;
    const int levels = report.levelsChecked;
    if (report.findings.empty()) {
        std::printf("levelcheck: %d par%s, all well; %d proven minimal\n", levels, levels == 1 ? "" : "s", proven);
        return 0;
    }
    std::printf("levelcheck: %zu finding%s in the pars of %d level%s\n", report.findings.size(),
                report.findings.size() == 1 ? "" : "s", levels, levels == 1 ? "" : "s");
    return 1;
}

int writePars(const std::string& dataDir, const std::string& solutionsDir, long long tries)
{
    std::vector<LevelFinding> notes;
    std::fputs(workOutPars(dataDir, solutionsDir, tries, notes).c_str(), stdout);
    printFindings(notes, stderr);
    return 0;
}

/// The optional TRIES argument: a positive count, else the default.
long long triesArgument(int argc, char** argv, long long fallback)
{
    if (argc < 5) return fallback;
    const long long tries = std::atoll(argv[4]);
    return tries > 0 ? tries : fallback;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 4 && argc <= 5 && std::strcmp(argv[1], "--difficulty") == 0)
        return printDifficulty(argv[2], argv[3], argc == 5 ? std::max(1, std::atoi(argv[4])) : 1);
    if (argc >= 4 && argc <= 5 && std::strcmp(argv[1], "--par") == 0)
        return printParCheck(argv[2], argv[3], triesArgument(argc, argv, kParCheckPlays));
    if (argc >= 4 && argc <= 5 && std::strcmp(argv[1], "--write-par") == 0)
        return writePars(argv[2], argv[3], triesArgument(argc, argv, kParWorkPlays));
    if (argc != 3) {
        std::fprintf(stderr, "usage: levelcheck DATA_DIR SOLUTIONS_DIR\n"
                             "       levelcheck --difficulty DATA_DIR SOLUTIONS_DIR [FIRST]\n"
                             "       levelcheck --par DATA_DIR SOLUTIONS_DIR [TRIES]\n"
                             "       levelcheck --write-par DATA_DIR SOLUTIONS_DIR [TRIES]\n");
        return 2;
    }
    const LevelCheckReport report = checkLevels(argv[1], argv[2]);
    printFindings(report.findings, stdout);

    if (report.findings.empty()) {
        std::printf("levelcheck: %d level%s, all well\n", report.levelsChecked, report.levelsChecked == 1 ? "" : "s");
        return 0;
    }
    std::printf("levelcheck: %zu finding%s in %d level%s\n", report.findings.size(),
                report.findings.size() == 1 ? "" : "s", report.levelsChecked, report.levelsChecked == 1 ? "" : "s");
    return 1;
}
