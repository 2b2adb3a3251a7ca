#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

/// One rope the headless player hangs: dragged from dock point `fromDock` to
/// dock point `toDock` (indices into the level's dock points), then, when
/// `sliderValue` is set, lengthened by moving the rope-length slider to that
/// value (0 to 100; rest length = value / 150).
struct RopePlan {
    int fromDock = 0;
    int toDock = 0;
    std::optional<float> sliderValue;
};

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
/// Runs a game and play mode of its own (the game's progress and themes are
/// not touched); the mouse and the camera are as they were afterwards. Safe to call from
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
/// Clicks "Try it out" (two updates) and leaves the mouse up over the world.
void startTry(PlayMenu& menu);

/// Reads a rope plan written as space-separated "from-to" or "from-to@value"
/// items, e.g. "0-2@40 1-3". Returns nothing when an item is malformed.
std::optional<std::vector<RopePlan>> parseRopePlan(const std::string& text);
