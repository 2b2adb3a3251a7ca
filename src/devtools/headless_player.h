#pragma once

#include <functional>
#include <string>
#include <vector>

#include "level/level_solution.h"  // RopePlan, the ropes of a stored answer

/// What a headless run did.
struct HeadlessResult {
    bool loaded = false;       ///< the level file could be read
    int ropesPlaced = 0;       ///< ropes the drags actually laid
    bool completed = false;    ///< a ball reached the exit within the frame limit
    int frame = -1;            ///< frames after "Try it out" until completion, -1 if never
};

/// Plays a level file with no window, as a player would: each planned rope
/// is dragged between its dock points with the mouse (three frames: press,
/// move, release), its slider value applied, then "Try it out" is clicked and
/// frames of dt 1 run until the level completes or `frameLimit` frames pass.
/// A file that cannot be read is not played (`loaded` false).
/// Runs a game, view, input and play mode of its own (the game's progress,
/// themes, camera and input are not touched). Safe to call from
/// tests and command-line tools, any number of times.
HeadlessResult playHeadless(const std::string& levelFile, const std::vector<RopePlan>& ropes, int frameLimit);

struct Simulation;
/// Called after every frame of the try with the frame number (from 1) and
/// the world, so design tools can follow the balls.
using FrameObserver = std::function<void(int frame, const Simulation& world)>;
/// `settleFrames` frames run between the last rope and "Try it out", as
/// when a player looks at the hung ropes before letting the ball go, and
/// `pauseFrames` after each rope, as a player takes a moment to reach for
/// the next; both count while the level's other balls move.
HeadlessResult playHeadless(const std::string& levelFile, const std::vector<RopePlan>& ropes, int frameLimit,
                            const FrameObserver& observer, int settleFrames = 0, int pauseFrames = 0);

class PlayMenu;
/// Hangs each planned rope in `menu` (an active play mode, placing) the way
/// playHeadless does: dragged with the mouse over three updates, then its
/// slider value applied. Returns how many ropes were laid.
int hangRopes(PlayMenu& menu, const std::vector<RopePlan>& ropes);
/// Clicks "Try it out" (two updates, the pointer on the button).
void startTry(PlayMenu& menu);
