#include "devtools/level_par.h"

#include <algorithm>

#include "level/game.h"
#include "level/level.h"
#include "level/list_file.h"
#include "level/par_file.h"
#include "level/text_file.h"
#include "devtools/headless_player.h"
#include "devtools/rope_choices.h"
#include "devtools/solution_variants.h"

namespace {

std::string ropesText(long long count)
{
    return std::to_string(count) + (count == 1 ? " rope" : " ropes");
}

/// "1 rope finishes it", "2 ropes finish it".
std::string finishText(const std::vector<RopePlan>& win)
{
    return ropesText(static_cast<long long>(win.size())) + (win.size() == 1 ? " finishes it (" : " finish it (") +
           formatRopePlan(win);
}

std::string untriedText(const ParSearch& search, long long budget)
{
    return "the " + std::to_string(search.untriedChoices) + " choices of " + ropesText(search.untriedRopes) +
           " are more than the " + std::to_string(search.triesLeft) + " tries left of the " + std::to_string(budget) +
           " the search plays";
}

void giveUp(ParSearch& search, int ropes, long long choices, long long left)
{
    search.exhaustive = false;
    search.untriedRopes = ropes;
    search.untriedChoices = choices;
    search.triesLeft = left;
}

/// The lone ropes, fewest ropes first: cheap enough to play all or none.
bool searchLoneRopes(const std::string& file, int pairs, int frameLimit, long long budget, ParSearch& search)
{
    const long long tries = 3LL * pairs;
    if (tries > budget) {
        giveUp(search, 1, tries, budget);
        return false;
    }
    search.plays += tries;
    const std::vector<RopePlan> wins = winningSingleRopes(file, frameLimit);
    if (!wins.empty()) {
        search.win = {wins.front()};
        search.winFrame = playHeadless(file, search.win, frameLimit).frame;
    }
    return true;
}

/// The choices of k pairs: all of them when the budget left allows,
/// otherwise a sample as large as what is left. Returns whether it went on
/// to the end without a finish.
bool searchChoices(const std::string& file, const std::vector<RopePlan>& pairs, int k, const LevelSolution& solution,
                   long long budget, ParSearch& search)
{
    const int frameLimit = 2 * solution.frames;
    const long long left = budget - search.plays;
    // Counted exactly up to a trillion, for the note that tells it.
    const long long count = chooseCount(static_cast<long long>(pairs.size()), k, 1000000000LL);
    if (count > left) giveUp(search, k, count, left);
    if (left <= 0) return false;
    forEachChoice(static_cast<int>(pairs.size()), k, left, [&](const std::vector<int>& picked) {
        ++search.plays;
        const std::vector<RopePlan> plan = choicePlan(pairs, picked, solution);
        // A level whose ropes must go up in order is played as its answer is.
        const HeadlessResult result = playHeadless(file, plan, frameLimit, FrameObserver(), 0, ropePause(solution));
        if (!result.completed) return true;
        search.win = plan;
        search.winFrame = result.frame;
        return false;
    });
    return search.win.empty() && search.exhaustive;
}

std::vector<std::string> listedLevels(const std::string& dataDir, std::vector<LevelFinding>& findings)
{
    std::string text;
    const std::string listFile = dataDir + "/levels.txt";
    if (!readWholeFile(listFile, text)) {
        findings.push_back({"", "cannot read the level list " + listFile});
        return {};
    }
    std::vector<std::string> names = parseListEntries(text);
    if (names.size() > kMaxLevels) names.resize(kMaxLevels);
    return names;
}

/// The level's stored solution, or a finding that says why there is none.
bool readSolution(const std::string& solutionsDir, const std::string& name, LevelSolution& solution,
                  std::vector<LevelFinding>& findings)
{
    std::string error;
    const std::string path = levelSolutionPath(solutionsDir, name);
    switch (readLevelSolution(path, solution, error)) {
    case SolutionRead::kOk: return true;
    case SolutionRead::kMissing: findings.push_back({name, "no solution file " + path}); break;
    case SolutionRead::kMalformed: findings.push_back({name, "the solution file " + path + " is unreadable: " + error});
    }
    return false;
}

/// The stored plan of exactly `par` ropes, if the solution holds one.
const std::vector<RopePlan>* storedPlanOf(const LevelSolution& solution, int par)
{
    for (const std::vector<RopePlan>* plan : {&solution.shortest, &solution.ropes})
        if (!plan->empty() && static_cast<int>(plan->size()) == par) return plan;
    return nullptr;
}

/// That the stored plan of `par` ropes finishes the level in its frames.
bool checkStoredPlan(const std::string& file, const std::string& name, const LevelSolution& solution, int par,
                     std::vector<LevelFinding>& findings)
{
    const std::size_t fewest = solution.fewestRopes().size();
    const std::vector<RopePlan>* plan = storedPlanOf(solution, par);
    if (!plan) {
        findings.push_back({name, static_cast<std::size_t>(par) < fewest
                                      ? "par " + std::to_string(par) + " is lower than the " + ropesText(fewest) +
                                            " of its stored solution"
                                      : "par " + std::to_string(par) + " is not the rope count of a stored solution"});
        return false;
    }
    const HeadlessResult result = playHeadless(file, *plan, solution.frames, FrameObserver(), 0, ropePause(solution));
    if (result.completed && result.ropesPlaced == par) return true;
    findings.push_back({name, "the stored solution of " + ropesText(par) + " does not finish within " +
                                  std::to_string(solution.frames) + " frames"});
    return false;
}

void checkLevelPar(const std::string& dataDir, const std::string& solutionsDir, const std::string& name, int par,
                   long long budget, ParCheckReport& report)
{
    LevelSolution solution;
    if (!readSolution(solutionsDir, name, solution, report.findings)) return;
    const std::string file = dataDir + "/" + levelFilePath(name);
    if (!checkStoredPlan(file, name, solution, par, report.findings)) return;

    const ParSearch search = searchBelowPar(file, solution, par, budget);
    const std::string parText = "par " + std::to_string(par);
    if (!search.win.empty()) {
        report.findings.push_back({name, parText + " is too high: " + finishText(search.win) + ")"});
    } else if (!search.exhaustive) {
        report.notes.push_back({name, parText + " is not proven minimal: " + untriedText(search, budget)});
    } else {
        ++report.proven;
    }
}

}  // namespace

ParSearch searchBelowPar(const std::string& file, const LevelSolution& solution, int par, long long budget)
{
    ParSearch search;
    Level level;
    if (par <= 1 || !level.load(file)) return search;
    const std::vector<RopePlan> pairs = dockPairs(static_cast<int>(level.dockPoints.size()));
    if (!searchLoneRopes(file, static_cast<int>(pairs.size()), 2 * solution.frames, budget, search)) return search;
    for (int k = 2; k < par && search.win.empty(); ++k)
        if (!searchChoices(file, pairs, k, solution, budget, search)) break;
    return search;
}

ParCheckReport checkPars(const std::string& dataDir, const std::string& solutionsDir, long long budget)
{
    ParCheckReport report;
    const std::vector<std::string> names = listedLevels(dataDir, report.findings);
    std::string text;
    const std::string parFile = dataDir + "/" + kParFileName;
    if (!readWholeFile(parFile, text)) {
        report.findings.push_back({"", "cannot read the par file " + parFile});
        return report;
    }
    const ParTable pars = parsePars(text);
    for (const auto& [name, par] : pars)
        if (std::find(names.begin(), names.end(), name) == names.end())
            report.findings.push_back({name, "has a par in " + parFile + " but is not listed in levels.txt"});

    for (const std::string& name : names) {
        ++report.levelsChecked;
        const std::optional<int> par = parOf(pars, name);
        if (!par) {
            report.findings.push_back({name, "has no par in " + parFile});
            continue;
        }
        checkLevelPar(dataDir, solutionsDir, name, *par, budget, report);
    }
    return report;
}

std::string workOutPars(const std::string& dataDir, const std::string& solutionsDir, long long budget,
                        std::vector<LevelFinding>& notes)
{
    std::vector<std::pair<std::string, int>> pars;
    for (const std::string& name : listedLevels(dataDir, notes)) {
        LevelSolution solution;
        if (!readSolution(solutionsDir, name, solution, notes)) continue;
        int par = static_cast<int>(solution.fewestRopes().size());
        if (par == 0) {
            notes.push_back({name, "its solution hangs no rope, so it gets no par"});
            continue;
        }
        const std::string file = dataDir + "/" + levelFilePath(name);
        const ParSearch search = searchBelowPar(file, solution, par, budget);
        if (!search.win.empty()) {
            par = static_cast<int>(search.win.size());
            notes.push_back({name, finishText(search.win) + ", at frame " + std::to_string(search.winFrame) +
                                       "): store them as a shortest line of " + levelSolutionPath(solutionsDir, name)});
        } else if (!search.exhaustive) {
            notes.push_back(
                {name, "par " + std::to_string(par) + " is not proven minimal: " + untriedText(search, budget)});
        }
        pars.emplace_back(name, par);
    }
    return formatPars(pars);
}
