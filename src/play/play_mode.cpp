#include "play/play_mode.h"

#include "app/view.h"
#include "input/input.h"
#include "audio/sound.h"
#include "level/build_simulation.h"
#include "level/game.h"
#include "level/progress.h"
#include "level/rope_selection.h"
#include "physics/constants.h"
#include "ui/widget_input.h"

namespace {

Button makePanelButton(const char* label, float x, float y, float width, float height)
{
    Button button;
    button.position = Vector2D(x, y);
    button.size = Vector2D(width, height);
    button.label = label;
    button.alwaysVisible = true;
    return button;
}

/// Where a rope is heard: halfway between its ends.
float ropeMiddleX(const Rope& rope)
{
    if (rope.masses.empty()) return 0.0f;
    return (rope.masses.front().position.x + rope.masses.back().position.x) * 0.5f;
}

/// Fractions of the remaining distance the camera closes per update: quickly
/// behind the ball, slowly towards the exit once the level is done.
constexpr float kFollowBallRate = 10.0f;
constexpr float kFollowExitRate = 100.0f;

}  // namespace

PlayMenu::PlayMenu(Game& game, View& view) : game_(game), view_(view)
{
    buttons.push_back(makePanelButton("Sel Next Rope", 10.0f, 150.0f, 180.0f, 20.0f));
    buttons.push_back(makePanelButton("Sel Prev Rope", 10.0f, 180.0f, 180.0f, 20.0f));
    buttons.push_back(makePanelButton("Exit", 10.0f, 500.0f, 180.0f, 20.0f));
    buttons.push_back(makePanelButton(kTryLabel, 10.0f, 300.0f, 180.0f, 20.0f));
    buttons.push_back(makePanelButton("Remove Rope", 10.0f, 220.0f, 180.0f, 20.0f));

    slides.emplace_back();
    slides.back().label = "Rope length";
    slides.back().position = Vector2D(10.0f, 260.0f);
    slides.back().width = 180;
    slides.back().alwaysVisible = true;

    returnButton = makePanelButton(kReturnToMenuLabel, 400.0f, 400.0f, 200.0f, 30.0f);
    nextButton = makePanelButton("Next level", 400.0f, 440.0f, 200.0f, 30.0f);
}

void PlayMenu::prepareLevel()
{
    levelRopeCount = static_cast<int>(world.ropes.size());
    marks.clear();
    if (world.balls.empty()) {
        // A level without a ball still needs one to play with.
        world.balls.emplace_back();
        world.balls.back().radius = 0.3f;
        world.balls.back().position = Vector2D(0.0f, 0.0f);
    }
    world.balls[0].held = true;
    placing = true;
    completed = false;
    buttons[kTryOrReturn].label = kTryLabel;
    fade = 0.0f;
    marks.fit(world);
    prepareGuide();
    goals.prepare(game_, levelNumber);
    jump();
}

void PlayMenu::jump()
{
    viewJumped = true;
    previousPose.capture(world);
}

ModeRequest PlayMenu::update(const Input& input, float dt)
{
    ModeRequest request;
    viewJumped = false;
    previousPose.capture(world);
    applyStartView(input);
    mouseOverPanel = mouseInside(input, panelPosition, panelSize.x, panelSize.y);

    // Fade to black once the level is done; the completion screen answers
    // only when the fade is full.
    // A hundred float steps of 0.01 fall just short of 1, so the fade is
    // full at the 101st frame, where the clamp catches the overshoot.
    if (completed && fade < 1.0f) fade += kFadeStep;
    if (fade > 1.0f) fade = 1.0f;
    if (fade == 1.0f) {
        for (BText& text : descriptionTexts) text.update();
        goals.updateResult();
        returnButton.update(input);
        if (returnButton.clicked) {
            leaveLevel();
            request = ModeRequest::leave();
        }
        const ModeRequest next = updateCompletionExtras(input);
        if (next.any()) return next;  // "Next level": the shell starts it
    }

    stepWorld(dt);
    marks.fit(world);
    for (Button& button : buttons) button.update(input);
    for (Slide& slide : slides) slide.update(input);
    applyKeys(input);
    updateIntro(input);
    if (placing) updatePanelActions();
    if (!completed) goals.update(input);
    if (placing) zoomByWheel(input);

    if (buttons[kExitLevel].clicked) {
        // Leaving unfinished counts for nothing.
        if (completed) recordCompletion(game_, levelNumber);
        request = ModeRequest::leave();
    }

    // prepareLevel always leaves a ball; a play mode started without it
    // has nothing to try.
    if (buttons[kTryOrReturn].clicked && !world.balls.empty()) {
        if (placing)
            startTry();
        else
            endTry();
    }

    if (placing)
        placeRopes(input);
    else
        testExit();
    updateOutcome();
    goals.watchTry(placing, completed ? TryOutcome::Running : tryWatch.outcome);
    followWithCamera();
    // A change of the lists' shape (a rope laid or taken) cannot be blended.
    if (viewJumped || !previousPose.fits(world)) jump();
    return request;
}

void PlayMenu::followWithCamera()
{
    if (placing || world.balls.empty()) return;  // while placing the arrow keys move the camera
    if (!completed)
        view_.cameraOffset += (world.balls[0].position - view_.cameraOffset) / kFollowBallRate;
    else
        view_.cameraOffset += (world.exitPosition - view_.cameraOffset) / kFollowExitRate;
}

void PlayMenu::leaveLevel()
{
    recordCompletion(game_, levelNumber);
}

void PlayMenu::stepWorld(float dt)
{
    const float stepLength = (dt / static_cast<float>(world.subSteps)) * kPlayTimeScale;
    ContactSoundFrame listening(world, contactSounds, view_.cameraOffset.x);
    for (int i = 0; i < world.subSteps; ++i) world.step(stepLength);
}

void PlayMenu::updatePanelActions()
{
    if (slides[0].takeChange()) setRopeLength(slides[0].value * (1.0f / kSliderPerRestLength));
    if (buttons[kSelectNextRope].clicked) stepRopeSelection(+1);
    if (buttons[kSelectPrevRope].clicked) stepRopeSelection(-1);
    if (buttons[kRemoveRope].clicked) removeSelectedRope();
}

void PlayMenu::startTry()
{
    savedCamera = view_.cameraOffset;
    placing = false;
    savedBallPosition = world.balls[0].position;
    world.balls[0].held = false;
    buttons[kTryOrReturn].label = kReturnLabel;
    // No rope can start or end during a try: no dock point stays lit.
    for (PointMark& dock : marks.dockPoints) dock.selected = false;
    hoverDock = -1;
    dragging = false;
    playSound(SoundId::TryItOut);
}

void PlayMenu::endTry()
{
    view_.cameraOffset = savedCamera;
    placing = true;
    world.balls[0].position = savedBallPosition;
    world.balls[0].held = true;
    buttons[kTryOrReturn].label = kTryLabel;
    playSound(SoundId::Return);
    restoreLevelRopes();
    restoreBalls();
    jump();
}

void PlayMenu::restoreLevelRopes()
{
    const int count = std::min(levelRopeCount, static_cast<int>(std::min(world.ropes.size(), level.ropes.size())));
    for (int i = 0; i < count; ++i) copyRopeBody(level.ropes[i], world.ropes[i]);
}

void PlayMenu::restoreBalls()
{
    // Every try starts from the same place: ball 0 stands held where the try
    // began, and the level's other balls go back to their own starts.
    for (std::size_t i = 0; i < world.balls.size(); ++i) {
        Ball& ball = world.balls[i];
        ball.velocity = Vector2D();
        ball.force = Vector2D();
        if (i == 0 || i >= level.balls.size()) continue;
        ball.position = level.balls[i].position;
        ball.held = level.balls[i].held;
    }
}

void PlayMenu::testExit()
{
    const bool before = completed;
    for (const Ball& ball : world.balls)
        if (distance(ball.position, world.exitPosition) < ball.radius + world.exitRadius) completed = true;
    if (completed && !before) {
        playSound(SoundId::LevelCompleted);
        goals.finish(game_, static_cast<int>(world.ropes.size()) - levelRopeCount);
    }
}

void PlayMenu::setRopeLength(float length)
{
    marks.fit(world);
    setSelectedRopesLength(world.ropes, marks, length);
}

void PlayMenu::stepRopeSelection(int step)
{
    marks.fit(world);
    const int target = ::stepRopeSelection(marks, levelRopeCount, step);
    if (target < 0) return;
    Rope& rope = world.ropes[target];
    if (!isLevelRope(target)) marks.ropes[target].selected = true;
    if (marks.ropes[target].selected) playSound(SoundId::RopeSelected, 1.0f, panForWorldX(ropeMiddleX(rope), view_.cameraOffset.x));
    // A rope of a single point has no spring to show; the slider stays put.
    if (!rope.springs.empty()) slides[0].value = rope.springs[0].restLength * kSliderPerRestLength;
}

void PlayMenu::removeSelectedRope()
{
    marks.fit(world);
    for (std::size_t i = 0; i < world.ropes.size(); ++i) {
        if (marks.ropes[i].selected && !isLevelRope(i)) {
            playSound(SoundId::RopeRemoved, 1.0f, panForWorldX(ropeMiddleX(world.ropes[i]), view_.cameraOffset.x));
            world.ropes.erase(world.ropes.begin() + static_cast<std::ptrdiff_t>(i));
            marks.ropes.erase(marks.ropes.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    for (RopeMarks& rope : marks.ropes) rope.selected = false;
}

void PlayMenu::selectRope(int index)
{
    if (index < levelRopeCount || index >= static_cast<int>(world.ropes.size())) return;
    marks.fit(world);
    for (RopeMarks& rope : marks.ropes) rope.selected = false;
    Rope& rope = world.ropes[index];
    marks.ropes[index].selected = true;  // a level rope was refused above
    if (!rope.springs.empty()) slides[0].value = rope.springs[0].restLength * kSliderPerRestLength;
}

void PlayMenu::selectRopeByHand(int index)
{
    const bool wasSelected = marks.ropeSelected(index);
    selectRope(index);
    if (!wasSelected && marks.ropeSelected(index))
        playSound(SoundId::RopeSelected, 1.0f, panForWorldX(ropeMiddleX(world.ropes[index]), view_.cameraOffset.x));
}

void PlayMenu::updateHover(const Input& input)
{
    hoverDock = -1;
    marks.fit(world);
    for (PointMark& dock : marks.dockPoints) dock.selected = false;
    if (!mouseOverPanel) {
        for (std::size_t i = 0; i < world.dockPoints.size(); ++i) {
            if (distance(input.mouse.world, world.dockPoints[i].position) < pickRadius()) {
                marks.dockPoints[i].selected = true;
                hoverDock = static_cast<int>(i);
                break;
            }
        }
    }
    // Only the player's ropes light up under the mouse, and only the first hit.
    for (std::size_t i = static_cast<std::size_t>(levelRopeCount); i < world.ropes.size(); ++i)
        marks.ropes[i].hovered = false;
    for (std::size_t i = static_cast<std::size_t>(levelRopeCount); i < world.ropes.size(); ++i) {
        if (isNearRope(world.ropes[i], input.mouse.world, pickRadius())) {
            marks.ropes[i].hovered = true;
            break;
        }
    }
}

void PlayMenu::placeRopes(const Input& input)
{
    updateHover(input);

    if (!mouseOverPanel && input.mouse.leftDown) {
        // selectRope ignores the level's ropes; with several hits the last wins.
        for (std::size_t i = 0; i < world.ropes.size(); ++i)
            if (isNearRope(world.ropes[i], input.mouse.world, pickRadius())) selectRopeByHand(static_cast<int>(i));
        if (!dragging && hoverDock != -1) {
            dragStart = world.dockPoints[hoverDock].position;
            dragging = true;
        }
        dragEnd = hoverDock != -1 ? world.dockPoints[hoverDock].position : input.mouse.world;
    }

    // A release anywhere ends the drag; only one over a dock point lays a rope.
    if (!input.mouse.leftDown) {
        if (dragging && hoverDock != -1) finishNewRope();
        dragging = false;
    }
}

void PlayMenu::finishNewRope()
{
    const std::size_t before = world.ropes.size();
    addRope(dragStart, dragEnd, world);
    if (world.ropes.size() == before) return;  // too short: nothing was laid

    // The player's rope hangs between its two pinned ends and may be edited.
    Rope& rope = world.ropes.back();
    for (std::size_t k = 1; k + 1 < rope.masses.size(); ++k) rope.masses[k].fixed = false;
    selectRope(static_cast<int>(world.ropes.size()) - 1);
    playSound(SoundId::RopeHung, 1.0f, panForWorldX(ropeMiddleX(rope), view_.cameraOffset.x));
}
