#pragma once

#include <string>
#include <vector>

#include "devtools/headless_player.h"

struct LevelSolution;
struct LevelFinding;

/// Slider steps a stored answer must survive either way: a player sets the
/// slider by hand and cannot be asked to hit one value exactly.
constexpr float kSliderTolerance = 2.0f;
/// Slider values a lone rope is also tried at besides the length the drag
/// gives it: pulled tight, and let out slack.
constexpr float kTautSlider = 24.0f;
constexpr float kSlackSlider = 70.0f;
/// Frames between two ropes of an answer whose order matters, as a player
/// hangs them, a moment apart: three seconds.
constexpr int kRopePauseFrames = 300;

/// The frames `solution` is played with after each rope: kRopePauseFrames
/// when it is marked "order", since then a rope sets another ball moving
/// and the next one's moment counts; none otherwise.
int ropePause(const LevelSolution& solution);

/// Every pair of dock points, each as a rope dragged from the lower index to
/// the higher, at the length the drag gives it.
std::vector<RopePlan> dockPairs(int dockCount);

/// The ropes of `solution` with every slider value moved by `step`.
std::vector<RopePlan> shiftSliders(const std::vector<RopePlan>& ropes, float step);

/// The lone ropes that finish level `file` within `frameLimit` frames: every
/// pair of dock points at the dragged length, taut and slack.
std::vector<RopePlan> winningSingleRopes(const std::string& file, int frameLimit);

/// Checks that a level's stored answer is no knife edge and that its puzzle
/// cannot be skipped: the answer must also finish in its frames with every
/// slider value kSliderTolerance lower and higher, with its ropes hung in the
/// reverse order, and with each dragged the other way; and when it needs more
/// than one rope (and is not marked a breather), no lone rope may finish the
/// level within twice its frames. An answer marked "order" is played with
/// ropePause after each rope throughout, and hung in the reverse order it
/// must not finish within twice its frames. Appends a finding per fault.
void checkSolutionVariants(const std::string& file, const std::string& name, const LevelSolution& solution,
                           std::vector<LevelFinding>& findings);
