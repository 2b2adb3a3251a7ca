#include "devtools/level_check.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>

#include "level/game.h"
#include "level/level.h"
#include "level/level_solution.h"
#include "level/list_file.h"
#include "level/record_scanner.h"
#include "level/text_file.h"
#include "devtools/exit_reach.h"
#include "devtools/headless_player.h"
#include "devtools/solution_variants.h"

namespace {

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

std::string point(const Vector2D& p)
{
    std::string text = "(";
    text += number(p.x);
    text += ", ";
    text += number(p.y);
    text += ")";
    return text;
}

bool finite(const Vector2D& v) { return std::isfinite(v.x) && std::isfinite(v.y); }

bool insideArea(const Vector2D& p, const Vector2D& size)
{
    return finite(p) && std::fabs(p.x) <= size.x && std::fabs(p.y) <= size.y;
}

/// Collects findings of one kind for one level, keeping the first few and
/// counting the rest, so a hostile file cannot flood the report.
class CappedFindings {
public:
    CappedFindings(const std::string& name, std::vector<LevelFinding>& findings, std::string what)
        : name_(name), findings_(findings), what_(std::move(what))
    {
    }
    ~CappedFindings()
    {
        if (count_ > kMaxFindingsPerKind)
            findings_.push_back({name_, "and " + std::to_string(count_ - kMaxFindingsPerKind) + " more " + what_});
    }
    CappedFindings(const CappedFindings&) = delete;
    CappedFindings& operator=(const CappedFindings&) = delete;

    /// Counts one more finding; true when it is one of the first few, to be
    /// worded and added. The rest are only counted: wording costs more than
    /// the test, and a crowded level has millions.
    bool count() { return ++count_ <= kMaxFindingsPerKind; }
    void add(std::string message) { findings_.push_back({name_, std::move(message)}); }

private:
    const std::string& name_;
    std::vector<LevelFinding>& findings_;
    std::string what_;
    long long count_ = 0;
};

std::string areaText(const Vector2D& size)
{
    return "the play area (x from " + number(-size.x) + " to " + number(size.x) + ", y from " + number(-size.y) +
           " to " + number(size.y) + ")";
}

void checkBallsInside(const Level& level, const std::string& name, std::vector<LevelFinding>& findings)
{
    CappedFindings outside(name, findings, "balls outside the play area");
    for (std::size_t i = 0; i < level.balls.size(); ++i)
        if (!insideArea(level.balls[i].position, level.size) && outside.count())
            outside.add("ball " + std::to_string(i) + " at " + point(level.balls[i].position) + " is outside " +
                        areaText(level.size));
}

void checkDockSpacing(const Level& level, const std::string& name, std::vector<LevelFinding>& findings)
{
    CappedFindings close(name, findings, "pairs of dock points closer than " + number(kMinDockSpacing));
    const auto& docks = level.dockPoints;
    for (std::size_t i = 0; i < docks.size(); ++i)
        for (std::size_t j = i + 1; j < docks.size(); ++j) {
            const float apart = distance(docks[i].position, docks[j].position);
            if (apart < kMinDockSpacing && close.count())
                close.add("dock points " + std::to_string(i) + " and " + std::to_string(j) + " are " + number(apart) +
                          " apart, closer than " + number(kMinDockSpacing));
        }
}

/// Contact tests of one world step, roughly: every ball against the lines,
/// the rope points and the other balls, plus the ropes themselves.
long long playCost(const Level& level)
{
    long long ropePoints = 0;
    for (const Rope& rope : level.ropes) ropePoints += static_cast<long long>(rope.masses.size() + rope.springs.size());
    const long long balls = std::max<long long>(static_cast<long long>(level.balls.size()), 1);
    return balls * (static_cast<long long>(level.lines.size()) + ropePoints + balls) + ropePoints;
}

void checkPlay(const std::string& file, const std::string& name, const LevelSolution* solution,
               std::vector<LevelFinding>& findings)
{
    const HeadlessResult idle = playHeadless(file, {}, kIdleFrames);
    if (idle.completed)
        findings.push_back({name, "completes by itself at frame " + std::to_string(idle.frame) + " with no ropes"});
    if (!solution) return;

    const int pause = ropePause(*solution);
    const HeadlessResult solved = playHeadless(file, solution->ropes, solution->frames, FrameObserver(), 0, pause);
    if (solved.ropesPlaced != static_cast<int>(solution->ropes.size()))
        findings.push_back({name, "the solution hangs only " + std::to_string(solved.ropesPlaced) + " of its " +
                                      std::to_string(solution->ropes.size()) + " ropes"});
    if (!solved.completed)
        findings.push_back({name, "the solution does not complete within " + std::to_string(solution->frames) +
                                      " frames"});
    // A player looks at the ropes before letting the ball go; by then they
    // hang and have stopped swinging, and the solution must still hold.
    else if (!playHeadless(file, solution->ropes, solution->frames, FrameObserver(), kSettleFrames, pause).completed)
        findings.push_back({name, "the solution does not complete within " + std::to_string(solution->frames) +
                                      " frames when the ropes hang " + std::to_string(kSettleFrames) +
                                      " frames before Try it out"});
    else
        checkSolutionVariants(file, name, *solution, findings);
}

}  // namespace

bool checkLevelLayout(const Level& level, const std::string& name, std::vector<LevelFinding>& findings)
{
    const Vector2D size = level.size;
    if (!finite(size) || size.x <= 0.0f || size.y <= 0.0f) {
        // Walls at zero hold nothing in; every other place test is moot.
        findings.push_back({name, "the play area has no size (X size " + number(size.x) + ", Y size " +
                                      number(size.y) + ")"});
        checkDockSpacing(level, name, findings);
        return false;
    }
    checkBallsInside(level, name, findings);
    if (!insideArea(level.exitPosition, size))
        findings.push_back({name, "the exit at " + point(level.exitPosition) + " is outside " + areaText(size)});
    checkDockSpacing(level, name, findings);

    bool playable = true;
    if (insideArea(level.exitPosition, size) && reachExit(level) == ExitReach::kWalledIn) {
        findings.push_back({name, "the exit at " + point(level.exitPosition) +
                                      " is walled in by lines: no ball can get to it"});
        playable = false;
    }
    if (playCost(level) > kMaxPlayCost) {
        findings.push_back({name, "too big to play through (" + std::to_string(level.balls.size()) + " balls, " +
                                      std::to_string(level.lines.size()) + " lines, " +
                                      std::to_string(level.ropes.size()) + " ropes)"});
        playable = false;
    }
    return playable;
}

void checkRecordText(const std::string& file, const std::string& name, std::vector<LevelFinding>& findings)
{
    std::string text;
    if (!readWholeFile(file, text)) return;  // a missing file is reported where it matters
    CappedFindings misread(name, findings, "texts the reader cuts");
    auto lineOf = [&text](std::size_t at) {
        return std::to_string(1 + std::count(text.begin(), text.begin() + static_cast<long>(at), '\n'));
    };
    auto quoted = [&text](std::size_t at) { return std::string("'") + text[at] + "'"; };
    for (const StructureFault& fault : findMisreadStructure(text)) {
        if (!misread.count()) continue;
        std::string where = file + " line ";
        if (fault.opener == StructureFault::kNone)
            misread.add(where + lineOf(fault.at) + ": " + quoted(fault.at) + " stands outside any record");
        else if (fault.at == StructureFault::kNone)
            misread.add(where + lineOf(fault.opener) + ": " + quoted(fault.opener) + " is never closed");
        else
            misread.add(where + lineOf(fault.opener) + ": the text after " + quoted(fault.opener) + " holds " +
                        quoted(fault.at) + (lineOf(fault.at) == lineOf(fault.opener) ? "" : " on line " + lineOf(fault.at)) +
                        ", which the reader takes as structure");
    }
}

void checkListedLevel(const std::string& dataDir, const std::string& solutionsDir, const std::string& name,
                      std::vector<LevelFinding>& findings, const std::vector<std::string>& themes)
{
    const std::string file = dataDir + "/" + levelFilePath(name);
    Level level;
    if (!level.load(file)) {
        // Nothing else about a level can be told without its file.
        findings.push_back({name, "cannot read the level file " + file});
        return;
    }
    checkRecordText(file, name, findings);
    const bool playable = checkLevelLayout(level, name, findings);
    // An unknown theme is not an error in play (the backdrop stays as it
    // was), but a shipped level that names one was certainly meant to look
    // different.
    if (!level.theme.empty() && std::find(themes.begin(), themes.end(), level.theme) == themes.end())
        findings.push_back({name, "the theme \"" + level.theme + "\" is not listed in themes.txt"});

    LevelSolution solution;
    std::string error;
    const std::string solutionFile = levelSolutionPath(solutionsDir, name);
    const SolutionRead read = readLevelSolution(solutionFile, solution, error);
    if (read == SolutionRead::kMissing) findings.push_back({name, "no solution file " + solutionFile});
    if (read == SolutionRead::kMalformed)
        findings.push_back({name, "the solution file " + solutionFile + " is unreadable: " + error});

    if (playable) checkPlay(file, name, read == SolutionRead::kOk ? &solution : nullptr, findings);
}

LevelCheckReport checkLevels(const std::string& dataDir, const std::string& solutionsDir)
{
    LevelCheckReport report;
    const std::string listFile = dataDir + "/levels.txt";
    std::string text;
    if (!readWholeFile(listFile, text)) {
        report.findings.push_back({"", "cannot read the level list " + listFile});
        return report;
    }
    const std::vector<std::string> names = parseListEntries(text);
    if (names.empty()) report.findings.push_back({"", "the level list " + listFile + " names no level"});

    // The menu description and the menu's background levels are read by
    // the same grammar: their words must come through whole as well.
    checkRecordText(dataDir + "/menusetup.txt", "menusetup.txt", report.findings);
    std::error_code error;
    for (std::filesystem::directory_iterator it(dataDir + "/menu", error); !error && it != std::filesystem::directory_iterator();
         it.increment(error))
        if (it->path().extension() == ".txt")
            checkRecordText(it->path().string(), "menu/" + it->path().filename().string(), report.findings);

    std::string themesText;
    std::vector<std::string> themes;
    if (readWholeFile(dataDir + "/themes.txt", themesText)) themes = parseListEntries(themesText);

    std::vector<std::string> seen;
    for (const std::string& name : names) {
        // The list opens levels by position, so a name listed twice is a
        // level played twice and another one never reached.
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) {
            report.findings.push_back({name, "is listed more than once in " + listFile});
            continue;
        }
        seen.push_back(name);
        checkListedLevel(dataDir, solutionsDir, name, report.findings, themes);
        ++report.levelsChecked;
    }
    return report;
}
