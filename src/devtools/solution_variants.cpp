#include "devtools/solution_variants.h"

#include <algorithm>

#include "level/level.h"
#include "level/level_solution.h"
#include "devtools/level_check.h"

namespace {

bool hasSlider(const std::vector<RopePlan>& ropes)
{
    return std::any_of(ropes.begin(), ropes.end(), [](const RopePlan& rope) { return rope.sliderValue.has_value(); });
}

}  // namespace

int ropePause(const LevelSolution& solution) { return solution.ordered ? kRopePauseFrames : 0; }

std::vector<RopePlan> dockPairs(int dockCount)
{
    std::vector<RopePlan> pairs;
    for (int from = 0; from < dockCount; ++from)
        for (int to = from + 1; to < dockCount; ++to) pairs.push_back({from, to, std::nullopt});
    return pairs;
}

std::vector<RopePlan> shiftSliders(const std::vector<RopePlan>& ropes, float step)
{
    std::vector<RopePlan> shifted = ropes;
    for (RopePlan& rope : shifted)
        if (rope.sliderValue) rope.sliderValue = std::clamp(*rope.sliderValue + step, 0.0f, 100.0f);
    return shifted;
}

std::vector<RopePlan> winningSingleRopes(const std::string& file, int frameLimit)
{
    Level level;
    if (!level.load(file)) return {};
    std::vector<RopePlan> wins;
    for (const RopePlan& pair : dockPairs(static_cast<int>(level.dockPoints.size())))
        for (const std::optional<float> slider : {std::optional<float>(), std::optional<float>(kTautSlider),
                                                  std::optional<float>(kSlackSlider)}) {
            const RopePlan rope{pair.fromDock, pair.toDock, slider};
            if (playHeadless(file, {rope}, frameLimit).completed) wins.push_back(rope);
        }
    return wins;
}

void checkSolutionVariants(const std::string& file, const std::string& name, const LevelSolution& solution,
                           std::vector<LevelFinding>& findings)
{
    struct Variant {
        std::vector<RopePlan> ropes;
        const char* what;
    };
    std::vector<Variant> variants;
    if (hasSlider(solution.ropes)) {
        variants.push_back({shiftSliders(solution.ropes, -kSliderTolerance), "with every slider 2 lower"});
        variants.push_back({shiftSliders(solution.ropes, kSliderTolerance), "with every slider 2 higher"});
    }
    const std::vector<RopePlan> reversed(solution.ropes.rbegin(), solution.ropes.rend());
    if (!solution.ordered && solution.ropes.size() > 1)
        variants.push_back({reversed, "with its ropes hung in reverse order"});
    std::vector<RopePlan> turned = solution.ropes;
    for (RopePlan& rope : turned) std::swap(rope.fromDock, rope.toDock);
    if (!turned.empty()) variants.push_back({turned, "with every rope dragged the other way"});

    const int pause = ropePause(solution);
    for (const Variant& variant : variants)
        if (!playHeadless(file, variant.ropes, solution.frames, FrameObserver(), 0, pause).completed)
            findings.push_back({name, std::string("the solution does not complete ") + variant.what + " (" +
                                          formatRopePlan(variant.ropes) + ")"});
    // Its order is the point of such a level: the other way round, a
    // player's moment apart, the ropes must not do.
    if (solution.ordered && playHeadless(file, reversed, 2 * solution.frames, FrameObserver(), 0, pause).completed)
        findings.push_back({name, "its ropes also complete it hung in reverse order (" + formatRopePlan(reversed) +
                                      "), so their order does not matter"});

    if (solution.ropes.size() < 2 || solution.breather) return;
    const std::vector<RopePlan> lone = winningSingleRopes(file, 2 * solution.frames);
    if (!lone.empty())
        findings.push_back({name, "a single rope finishes it: " + formatRopePlan(lone) + (lone.size() > 1 ? " each" : "")});
}
