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
#include <cstdio>

#include "devtools/level_check.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: levelcheck DATA_DIR SOLUTIONS_DIR\n");
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
