// What the play mode tells and offers the player around the panel: the view
// that frames the level (and Home back to it), the level's introduction, the
// outcome of a try, "Level complete" with "Next level", and the shortcut keys
// (Space tries, R returns, Esc leaves) that stand in for panel buttons.
#include <GL/gl.h>

#include <algorithm>

#include "app/view.h"

#include "input/input.h"
#include "level/game.h"
#include "level/progress.h"
#include "play/play_mode.h"
#include "play/start_view.h"
#include "ui/overlay.h"

namespace {

constexpr int kVkR = letterKey('R');
/// Steps per frame of the band behind the introduction, in and out.
constexpr float kIntroShadeIn = 0.05f;
constexpr float kIntroShadeOut = 0.02f;
/// How dark the band behind the introduction gets, as a share of the scene.
constexpr float kIntroDarkening = 0.55f;
/// The band behind the introduction: how far it reaches above the first
/// line and below the last, and its room left and right of the scene.
constexpr float kIntroBandAbove = 25.0f;
constexpr float kIntroBandBelow = 18.0f;
constexpr float kIntroBandLeft = kPlayPanelWidth + 20.0f;
constexpr float kIntroBandRight = 20.0f;
/// Steps in which the introduction moves down, off what it would hide.
constexpr float kIntroShiftStep = 10.0f;
const Vector2D kCompleteTitlePosition{500.0f, 75.0f};
constexpr float kOutcomeX = 500.0f;
constexpr float kOutcomeTop = 548.0f;
constexpr float kOutcomeLineSpacing = 22.0f;

const char* const kRestingLine = "The ball has come to rest.";
const char* const kLeftLine = "The ball has left the play area.";
const char* const kTryAgainLine = "\"Return\" puts it back, or press R.";

/// The arrow towards an exit out of sight, pixels: its length, half-width,
/// and how deep the notch in its back is (a dart, which points one way only).
constexpr float kPointerLength = 26.0f;
constexpr float kPointerHalfWidth = 12.0f;
constexpr float kPointerNotch = 10.0f;

/// An amber dart (not to be taken for the mouse pointer) with a dark rim, so
/// that it reads on any picture.
void drawExitPointer(const ExitPointer& pointer)
{
    const Vector2D tip = pointer.tip;
    const Vector2D back = tip - pointer.direction * kPointerLength;
    const Vector2D side(-pointer.direction.y * kPointerHalfWidth, pointer.direction.x * kPointerHalfWidth);
    const Vector2D notch = back + pointer.direction * kPointerNotch;
    const Vector2D outline[4] = {tip, back + side, notch, back - side};
    if (glIsEnabled(GL_TEXTURE_2D)) glDisable(GL_TEXTURE_2D);
    if (glIsEnabled(GL_BLEND)) glDisable(GL_BLEND);
    placeAt(0.0f, 0.0f);
    glColor3f(1.0f, 0.75f, 0.2f);
    glBegin(GL_TRIANGLES);
    for (const Vector2D& corner : {tip, back + side, notch, tip, notch, back - side}) glVertex2f(corner.x, corner.y);
    glEnd();
    glColor3f(0.0f, 0.0f, 0.0f);
    glBegin(GL_LINE_LOOP);
    for (const Vector2D& corner : outline) glVertex2f(corner.x, corner.y);
    glEnd();
}

BText makeCentredText(const std::string& text, Vector2D position, float maxSize)
{
    BText made;
    made.text = text;
    made.position = position;
    made.alignment = 1;
    made.maxSize = maxSize;
    return made;
}

bool anyArrowDown(const Input& input)
{
    return input.keys[kVkLeft] || input.keys[kVkRight] || input.keys[kVkUp] || input.keys[kVkDown];
}

}  // namespace

bool PlayMenu::hasNextLevel() const
{
    return levelNumber >= 0 && levelNumber + 1 < static_cast<int>(game_.levels.size());
}

float PlayMenu::introShift() const
{
    // The introduction stands where the completion texts do, near the top,
    // unless something the player needs to see is under it there: then it
    // goes where it hides the least: the player's ball above all, then the
    // exit and the other balls, then dock points; nearer the top when that is as good.
    if (introTexts.empty()) return 0.0f;
    const float pixelsPerUnit = view_.pixelsPerUnit();
    auto onScreen = [&](const Vector2D& at) {
        return Vector2D(400.0f + (at.x - startCamera.x) * pixelsPerUnit, 300.0f - (at.y - startCamera.y) * pixelsPerUnit);
    };
    const float top = introTexts.front().position.y - kIntroBandAbove;
    const float bottom = introTexts.back().position.y + kIntroBandBelow;
    float best = 0.0f;
    int bestCost = -1;
    for (float shift = 0.0f; bottom + shift <= 600.0f; shift += kIntroShiftStep) {
        auto covered = [&](const Vector2D& at, float radius) {
            const Vector2D p = onScreen(at);
            const float r = radius * pixelsPerUnit;
            return p.x + r > kIntroBandLeft && p.x - r < 800.0f - kIntroBandRight && p.y + r > top + shift &&
                   p.y - r < bottom + shift;
        };
        int cost = 0;
        for (std::size_t i = 0; i < world.balls.size(); ++i)
            if (covered(world.balls[i].position, world.balls[i].radius)) cost += i == 0 ? 1000 : 10;
        if (covered(world.exitPosition, world.exitRadius)) cost += 10;
        for (const DockPoint& dock : world.dockPoints) cost += covered(dock.position, 0.1f) ? 1 : 0;
        if (bestCost < 0 || cost < bestCost) {
            best = shift;
            bestCost = cost;
        }
    }
    return best;
}

void PlayMenu::prepareGuide()
{
    startCamera = startView(world, view_.width, view_.height);
    viewPending = true;
    introTexts = descriptionTexts;
    const float shift = introShift();
    for (BText& text : introTexts) text.position.y += shift;
    introShown = !introTexts.empty();
    introArmed = false;
    introShade = 0.0f;
    tryWatch.reset();
    outcomeTexts.clear();
    // Finishing the last level of the list finishes them all; a level played
    // from elsewhere (row -1) is only itself.
    const bool lastListed = levelNumber >= 0 && levelNumber + 1 == static_cast<int>(game_.levels.size());
    completeTitle = makeCentredText(lastListed ? "All levels complete" : "Level complete", kCompleteTitlePosition, 24.0f);
}

void PlayMenu::applyStartView(const Input& input)
{
    // The menu screens put their own camera back after a level starts, so
    // the start view is applied at the play mode's first update.
    if (viewPending) {
        view_.cameraOffset = startCamera;
        view_.zoomOut = 1.0f;
        viewPending = false;
        jump();
    } else if (placing && anyArrowDown(input)) {
        view_.cameraOffset =
            clampView(view_.cameraOffset, startCamera, world, view_.width, view_.height, view_.zoomOut);
    }
}

void PlayMenu::applyKeys(const Input& input)
{
    // Each key stands in for a click of its button, so it goes exactly where
    // the click would.
    if (input.keysPressed[kVkSpace] && placing) buttons[kTryOrReturn].clicked = true;
    if (input.keysPressed[kVkR] && !placing) buttons[kTryOrReturn].clicked = true;
    if (input.keysPressed[kVkEscape]) buttons[kExitLevel].clicked = true;
    if (input.keysPressed[kVkHome]) {
        view_.cameraOffset = startCamera;
        view_.zoomOut = 1.0f;
        jump();
    }
}

float PlayMenu::pickRadius() const
{
    return kPickRadius * view_.zoomOut;
}

float PlayMenu::widestZoom() const
{
    const ViewRect seen = visibleRightOfPanel(Vector2D(), view_.width, view_.height);
    const float across = 2.0f * (world.size.x + kViewMargin) / std::max(seen.right - seen.left, 0.01f);
    const float down = 2.0f * (world.size.y + kViewMargin) / std::max(seen.top - seen.bottom, 0.01f);
    return std::max({across, down, 1.0f});
}

void PlayMenu::zoomByWheel(const Input& input)
{
    if (input.mouse.wheel == 0 || mouseOverPanel) return;
    if (view_.zoomBy(input.mouse.wheel, input.mouse.world, widestZoom())) jump();
}

void PlayMenu::updateIntro(const Input& input)
{
    for (BText& text : introTexts) text.update();
    if (introShown) {
        introShade = std::min(introShade + kIntroShadeIn, 1.0f);
        // The press on the level list is still held when the level starts;
        // only a new press, or any key, puts the introduction away.
        if (!input.mouse.leftDown) introArmed = true;
        if ((introArmed && input.mouse.leftDown) || input.anyKeyPressed() || completed) {
            introShown = false;
            for (BText& text : introTexts) text.hide();
        }
    } else {
        introShade = std::max(introShade - kIntroShadeOut, 0.0f);
    }
}

void PlayMenu::updateOutcome()
{
    for (BText& text : outcomeTexts) text.update();
    if (placing || completed) {
        if (tryWatch.started || tryWatch.outcome != TryOutcome::Running) {
            tryWatch.reset();
            for (BText& text : outcomeTexts) text.hide();
        }
        return;
    }
    const TryOutcome before = tryWatch.outcome;
    const TryOutcome now = tryWatch.update(world);
    if (now == before) return;
    if (now == TryOutcome::Running) {
        for (BText& text : outcomeTexts) text.hide();
        return;
    }
    outcomeTexts.clear();
    const char* line = now == TryOutcome::Resting ? kRestingLine : kLeftLine;
    outcomeTexts.push_back(makeCentredText(line, Vector2D(kOutcomeX, kOutcomeTop), 13.0f));
    outcomeTexts.push_back(makeCentredText(kTryAgainLine, Vector2D(kOutcomeX, kOutcomeTop + kOutcomeLineSpacing), 13.0f));
}

ModeRequest PlayMenu::updateCompletionExtras(const Input& input)
{
    completeTitle.update();
    if (!hasNextLevel()) return ModeRequest::none();
    nextButton.update(input);
    if (!nextButton.clicked) return ModeRequest::none();
    // As "Return To Menu" would, then straight on: finishing this level is
    // what opened the next one.
    recordCompletion(game_, levelNumber);
    return ModeRequest::startLevel(levelNumber + 1);
}

void PlayMenu::drawGuide(const View& view) const
{
    beginOverlay();
    if (introShade > 0.0f && !introTexts.empty()) {
        const float bottom = introTexts.back().position.y + kIntroBandBelow;
        const float top = introTexts.front().position.y - kIntroBandAbove;
        drawShadeRect(kIntroBandLeft, top, 800.0f - kIntroBandLeft - kIntroBandRight, bottom - top,
                      1.0f - kIntroDarkening * introShade);
    }
    for (const BText& text : introTexts) text.draw();
    if (!outcomeTexts.empty() && outcomeTexts[0].reveal > 0.0f) {
        // A dark band that comes and goes with the line, so it reads on any picture.
        beginOverlay();
        drawShadeRect(kPlayPanelWidth + 20.0f, kOutcomeTop - 16.0f, 800.0f - kPlayPanelWidth - 40.0f,
                      kOutcomeLineSpacing + 30.0f, 1.0f - kIntroDarkening * outcomeTexts[0].reveal);
    }
    for (const BText& text : outcomeTexts) text.draw();
    if (fade == 0.0f) {
        if (const auto pointer = exitPointer(view.cameraOffset, world, view.width, view.height, view.zoomOut)) {
            beginOverlay();
            drawExitPointer(*pointer);
        }
    }
    if (fade == 1.0f) {
        completeTitle.draw();
        if (hasNextLevel()) nextButton.draw();
    }
}
