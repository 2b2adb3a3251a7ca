#include "devtools/level_solution.h"

#include <charconv>

#include "level/text_file.h"

namespace {

std::string_view trim(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
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
        if (key == "ropes") {
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
            solution.ropes = *plan;
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

std::string levelSolutionPath(const std::string& solutionsDir, const std::string& levelName)
{
    return solutionsDir + "/" + levelName + ".solution";
}

SolutionRead readLevelSolution(const std::string& path, LevelSolution& solution, std::string& error)
{
    std::string text;
    if (!readWholeFile(path, text)) return SolutionRead::kMissing;
    return parseLevelSolution(text, solution, error) ? SolutionRead::kOk : SolutionRead::kMalformed;
}
