#include "devtools/headless_player.h"

#include <memory>
#include <sstream>

#include "app/globals.h"
#include "level/game.h"
#include "play/play_mode.h"
#include "play/start_level.h"

namespace {

/// A pixel well clear of the side panel and of every play-mode button.
constexpr int kWorldPixelX = 700;
constexpr int kWorldPixelY = 300;

/// Puts back the two app globals a headless run writes: it moves the mouse
/// as the player would, and the play mode moves the camera. Everything else
/// it touches belongs to the game and play mode it makes for the run.
class SavedGlobals {
public:
    SavedGlobals() : mouse_(mouse), camera_(cameraOffset) {}
    ~SavedGlobals()
    {
        mouse = mouse_;
        cameraOffset = camera_;
    }
    SavedGlobals(const SavedGlobals&) = delete;
    SavedGlobals& operator=(const SavedGlobals&) = delete;

private:
    MouseState mouse_;
    Vector2D camera_;
};

void pointAtWorld(const Vector2D& where, bool down)
{
    mouse.x = kWorldPixelX;
    mouse.y = kWorldPixelY;
    mouse.world = where;
    mouse.leftDown = down;
}

void pointAtButton(const Button& button, bool down)
{
    mouse.x = static_cast<int>(button.position.x + button.size.x * 0.5f);
    mouse.y = static_cast<int>(button.position.y + button.size.y * 0.5f);
    mouse.leftDown = down;
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

    pointAtWorld(from, true);
    menu.update(1.0f);
    pointAtWorld(to, true);
    menu.update(1.0f);
    pointAtWorld(to, false);
    menu.update(1.0f);
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
    pointAtButton(menu.buttons[kTryOrReturn], true);
    menu.update(1.0f);
    pointAtButton(menu.buttons[kTryOrReturn], false);
    menu.update(1.0f);
    pointAtWorld(Vector2D(), false);
}

HeadlessResult playHeadless(const std::string& levelFile, const std::vector<RopePlan>& ropes, int frameLimit)
{
    return playHeadless(levelFile, ropes, frameLimit, FrameObserver());
}

HeadlessResult playHeadless(const std::string& levelFile, const std::vector<RopePlan>& ropes, int frameLimit,
                            const FrameObserver& observer, int settleFrames, int pauseFrames)
{
    SavedGlobals saved;
    HeadlessResult result;
    // A game and a play mode of its own, as the game's shell holds them; they
    // hold whole worlds and widget lists, so they live on the heap.
    struct Run {
        Game game;
        PlayMenu play{game};
    };
    auto run = std::make_unique<Run>();
    PlayMenu* menu = &run->play;
    result.loaded = startLevelFile(*menu, levelFile, levelFile, 0);
    // The game plays a missing file as an empty level, which a ball at the
    // origin finishes at once; a proof of solvability must not count that.
    if (!result.loaded) return result;

    for (const RopePlan& rope : ropes) {
        result.ropesPlaced += hangRopes(*menu, {rope});
        pointAtWorld(Vector2D(), false);
        for (int frame = 0; frame < pauseFrames; ++frame) menu->update(1.0f);
    }
    for (int frame = 0; frame < settleFrames; ++frame) menu->update(1.0f);

    startTry(*menu);
    if (menu->completed) {  // the ball started inside the exit
        result.completed = true;
        result.frame = 0;
        return result;
    }
    for (int frame = 0; frame < frameLimit && !menu->completed; ++frame) {
        menu->update(1.0f);
        if (observer) observer(frame + 1, menu->world);
        if (menu->completed) {
            result.completed = true;
            result.frame = frame + 1;
        }
    }
    return result;
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
