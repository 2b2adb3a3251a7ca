#include "level/level_solution.h"

#include <charconv>
#include <cstdio>
#include <sstream>

#include "level/text_file.h"

namespace {

std::string_view trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

/// Reads the plan of a "ropes" or "shortest" line, at most kMaxSolutionRopes long.
bool parsePlan(std::string_view key, std::string_view value, std::vector<RopePlan>& ropes, std::string& error)
{
    const auto plan = parseRopePlan(std::string(value));
    if (!plan) {
        error = "the rope plan \"" + std::string(value) + "\" is not of the form FROM-TO[@SLIDER] ...";
        return false;
    }
    if (plan->size() > static_cast<std::size_t>(kMaxSolutionRopes)) {
        error = "the rope plan hangs " + std::to_string(plan->size()) + " ropes, more than " +
                std::to_string(kMaxSolutionRopes);
        return false;
    }
    if (key == "shortest" && plan->empty()) {
        error = "the \"shortest\" line hangs no rope";
        return false;
    }
    ropes = *plan;
    return true;
}

bool parseFrames(std::string_view text, int& frames, std::string& error)
{
    long value = 0;
    const auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (status != std::errc() || end != text.data() + text.size() || text.empty()) {
        error = "the frame count \"" + std::string(text) + "\" is not a whole number";
        return false;
    }
    if (value < 1 || value > kMaxSolutionFrames) {
        error = "the frame count " + std::string(text) + " is not between 1 and " + std::to_string(kMaxSolutionFrames);
        return false;
    }
    frames = static_cast<int>(value);
    return true;
}

}  // namespace

bool parseLevelSolution(std::string_view text, LevelSolution& solution, std::string& error)
{
    solution = LevelSolution();
    bool haveFrames = false;
    while (!text.empty()) {
        const auto newline = text.find('\n');
        const std::string_view line = trim(text.substr(0, newline));
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (line.empty() || line.front() == '#') continue;

        const auto space = line.find_first_of(" \t");
        const std::string_view key = line.substr(0, space);
        const std::string_view value = space == std::string_view::npos ? std::string_view() : trim(line.substr(space));
        if (key == "ropes" || key == "shortest") {
            if (!parsePlan(key, value, key == "ropes" ? solution.ropes : solution.shortest, error)) return false;
        } else if (key == "frames") {
            if (!parseFrames(value, solution.frames, error)) return false;
            haveFrames = true;
        } else if (key == "breather") {
            solution.breather = true;
        } else if (key == "order") {
            solution.ordered = true;
        }
    }
    if (!haveFrames) {
        error = "there is no \"frames\" line";
        return false;
    }
    return true;
}

std::optional<std::vector<RopePlan>> parseRopePlan(const std::string& text)
{
    std::vector<RopePlan> plan;
    std::istringstream items(text);
    std::string item;
    while (items >> item) {
        RopePlan rope;
        std::istringstream in(item);
        char dash = 0;
        if (!(in >> rope.fromDock >> dash >> rope.toDock) || dash != '-') return std::nullopt;
        char at = 0;
        if (in >> at) {
            float value = 0.0f;
            if (at != '@' || !(in >> value)) return std::nullopt;
            rope.sliderValue = value;
        }
        if (in >> at) return std::nullopt;  // trailing characters
        plan.push_back(rope);
    }
    return plan;
}

std::string formatRopePlan(const std::vector<RopePlan>& ropes)
{
    std::string text;
    for (const RopePlan& rope : ropes) {
        if (!text.empty()) text += ' ';
        text += std::to_string(rope.fromDock) + "-" + std::to_string(rope.toDock);
        if (rope.sliderValue) {
            char value[32];
            std::snprintf(value, sizeof value, "@%g", static_cast<double>(*rope.sliderValue));
            text += value;
        }
    }
    return text;
}

std::string levelSolutionPath(const std::string& solutionsDir, const std::string& levelName)
{
    return solutionsDir + "/" + levelName + ".solution";
}

std::string solutionFilePath(const std::string& name)
{
    return "solutions/" + name + ".solution";
}

SolutionRead readLevelSolution(const std::string& path, LevelSolution& solution, std::string& error)
{
    std::string text;
    if (!readWholeFile(path, text)) return SolutionRead::kMissing;
    return parseLevelSolution(text, solution, error) ? SolutionRead::kOk : SolutionRead::kMalformed;
}
