#include "devtools/headless_player.h"

#include <memory>

#include "input/input.h"
#include "level/game.h"
#include "play/play_mode.h"
#include "play/start_level.h"

namespace {

/// A pixel well clear of the side panel and of every play-mode button.
constexpr int kWorldPixelX = 700;
constexpr int kWorldPixelY = 300;

/// The input of an update with the pointer over the world at `where`.
Input pointingAtWorld(const Vector2D& where, bool down)
{
    Input input;
    input.mouse.x = kWorldPixelX;
    input.mouse.y = kWorldPixelY;
    input.mouse.world = where;
    input.mouse.leftDown = down;
    return input;
}

/// The input of an update with the pointer on the middle of `button`.
Input pointingAtButton(const Button& button, bool down)
{
    Input input;
    input.mouse.x = static_cast<int>(button.position.x + button.size.x * 0.5f);
    input.mouse.y = static_cast<int>(button.position.y + button.size.y * 0.5f);
    input.mouse.leftDown = down;
    return input;
}

bool isDock(const PlayMenu& menu, int index)
{
    return index >= 0 && index < static_cast<int>(menu.world.dockPoints.size());
}

/// Drags one rope the way the player does and applies its slider value.
/// Returns whether a rope was laid.
bool hangRope(PlayMenu& menu, const RopePlan& plan)
{
    if (!isDock(menu, plan.fromDock) || !isDock(menu, plan.toDock)) return false;
    const Vector2D from = menu.world.dockPoints[plan.fromDock].position;
    const Vector2D to = menu.world.dockPoints[plan.toDock].position;
    const std::size_t before = menu.world.ropes.size();

    menu.update(pointingAtWorld(from, true), 1.0f);
    menu.update(pointingAtWorld(to, true), 1.0f);
    menu.update(pointingAtWorld(to, false), 1.0f);
    if (menu.world.ropes.size() == before) return false;

    if (plan.sliderValue) {
        // What a change of the slider does to the new rope, which is selected.
        menu.slides[0].value = *plan.sliderValue;
        menu.setRopeLength(menu.slides[0].value * (1.0f / kSliderPerRestLength));
    }
    return true;
}

}  // namespace

int hangRopes(PlayMenu& menu, const std::vector<RopePlan>& ropes)
{
    int laid = 0;
    for (const RopePlan& plan : ropes)
        if (hangRope(menu, plan)) ++laid;
    return laid;
}

void startTry(PlayMenu& menu)
{
    menu.update(pointingAtButton(menu.buttons[kTryOrReturn], true), 1.0f);
    menu.update(pointingAtButton(menu.buttons[kTryOrReturn], false), 1.0f);
}

HeadlessResult playHeadless(const std::string& levelFile, const std::vector<RopePlan>& ropes, int frameLimit)
{
    return playHeadless(levelFile, ropes, frameLimit, FrameObserver());
}

HeadlessResult playHeadless(const std::string& levelFile, const std::vector<RopePlan>& ropes, int frameLimit,
                            const FrameObserver& observer, int settleFrames, int pauseFrames)
{
    HeadlessResult result;
    // A game and a play mode of its own, as the game's shell holds them; they
    // hold whole worlds and widget lists, so they live on the heap.
    struct Run {
        Game game;
        View view;
        PlayMenu play{game, view};
    };
    auto run = std::make_unique<Run>();
    PlayMenu* menu = &run->play;
    result.loaded = startLevelFile(*menu, levelFile, levelFile, 0);
    // The game plays a missing file as an empty level, which a ball at the
    // origin finishes at once; a proof of solvability must not count that.
    if (!result.loaded) return result;

    // Then the pointer rests over the world, the button up: a moment after
    // each rope where the order of the ropes matters.
    const Input resting = pointingAtWorld(Vector2D(), false);
    for (const RopePlan& rope : ropes) {
        result.ropesPlaced += hangRopes(*menu, {rope});
        for (int frame = 0; frame < pauseFrames; ++frame) menu->update(resting, 1.0f);
    }
    for (int frame = 0; frame < settleFrames; ++frame) menu->update(resting, 1.0f);

    startTry(*menu);
    if (menu->completed) {  // the ball started inside the exit
        result.completed = true;
        result.frame = 0;
        return result;
    }
    for (int frame = 0; frame < frameLimit && !menu->completed; ++frame) {
        menu->update(resting, 1.0f);
        if (observer) observer(frame + 1, menu->world);
        if (menu->completed) {
            result.completed = true;
            result.frame = frame + 1;
        }
    }
    return result;
}
