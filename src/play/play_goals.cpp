// A listed level's par, the player's result on the completion screen, and
// the hints that a player stuck after two tries can ask for.
#include "play/play_goals.h"

#include <GL/gl.h>

#include <cmath>

#include "app/game_paths.h"
#include "app/view.h"
#include "input/input.h"
#include "level/game.h"
#include "ui/overlay.h"
#include "ui/star_icon.h"
#include "ui/text.h"

namespace {

constexpr int kVkH = letterKey('H');
/// The completion screen's result lines, below the level's own words and
/// above "Return To Menu".
constexpr float kResultX = 500.0f;
constexpr float kResultTop = 332.0f;
constexpr float kResultSpacing = 20.0f;
constexpr float kResultSize = 13.0f;
constexpr int kResultDelay = 30;
/// The star's outer radius, pixels.
constexpr float kStarRadius = 13.0f;
/// A hint's lit dock points, world units, and the size of its length label.
constexpr float kHintRingRadius = 0.16f;
constexpr float kHintLabelSize = 11.0f;

BText resultLine(const std::string& text, int line)
{
    BText made;
    made.text = text;
    made.position = Vector2D(kResultX, kResultTop + kResultSpacing * static_cast<float>(line));
    made.alignment = 1;
    made.maxSize = kResultSize;
    made.delay = kResultDelay * (line + 1);
    return made;
}

void drawRing(Vector2D centre, float radius)
{
    glBegin(GL_LINE_LOOP);
    for (int k = 0; k < 24; ++k) {
        const float angle = 6.2831853f * static_cast<float>(k) / 24.0f;
        glVertex2f(centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle));
    }
    glEnd();
}

bool validHint(const RopePlan& hint, const Simulation& world)
{
    const int docks = static_cast<int>(world.dockPoints.size());
    return hint.fromDock >= 0 && hint.toDock >= 0 && hint.fromDock < docks && hint.toDock < docks;
}

}  // namespace

std::string solvedLine(int ropes)
{
    return "Solved with " + std::to_string(ropes) + (ropes == 1 ? " rope" : " ropes");
}

PlayGoals::PlayGoals()
{
    hintButton.position = Vector2D(10.0f, 340.0f);
    hintButton.size = Vector2D(180.0f, 20.0f);
    hintButton.label = "Hint";
    hintButton.alwaysVisible = true;
}

void PlayGoals::prepare(const Game& game, int row)
{
    const PlayGoals fresh;
    *this = fresh;
    if (row < 0 || row >= static_cast<int>(game.levels.size())) return;
    levelName = game.levels[static_cast<std::size_t>(row)].name;
    par = parOf(game.pars, levelName);
    LevelSolution solution;
    std::string error;
    if (readLevelSolution(findGameFile(solutionFilePath(levelName)), solution, error) == SolutionRead::kOk)
        hints = solution.ropes;
}

void PlayGoals::watchTry(bool placing, TryOutcome outcome)
{
    if (placing) {
        tryCounted = false;
        return;
    }
    if (tryCounted || outcome == TryOutcome::Running) return;
    tryCounted = true;
    ++failedTries;
}

void PlayGoals::update(const Input& input)
{
    if (!hintOffered()) return;
    hintButton.update(input);
    const bool asked = hintButton.clicked || input.keysPressed[kVkH];
    if (asked && hintsShown < static_cast<int>(hints.size())) ++hintsShown;
}

void PlayGoals::finish(Game& game, int playerRopes)
{
    finished = true;
    ropes = playerRopes;
    resultTexts.clear();
    resultTexts.push_back(resultLine(solvedLine(ropes), 0));
    if (levelName.empty()) return;  // a level off the list keeps no result
    const FinishRecord record = recordResult(game.results, levelName, ropes, hintUsed());
    newBest = record.newBest;
    star = par && !hintUsed() && ropes <= *par;
    if (par) resultTexts.push_back(resultLine("Par " + std::to_string(*par), 1));
    if (hintUsed())
        resultTexts.push_back(resultLine("A hint was used: no star", 2));
    else if (newBest)
        resultTexts.push_back(resultLine("A new best", 2));
}

void PlayGoals::updateResult()
{
    for (BText& text : resultTexts) text.update();
}

void PlayGoals::drawHints(const Simulation& world, const View& view) const
{
    if (hintsShown == 0) return;
    if (glIsEnabled(GL_TEXTURE_2D)) glDisable(GL_TEXTURE_2D);
    if (glIsEnabled(GL_BLEND)) glDisable(GL_BLEND);
    placeAt(0.0f, 0.0f);
    glLineWidth(3.0f);
    for (int i = 0; i < hintsShown; ++i) {
        const RopePlan& hint = hints[static_cast<std::size_t>(i)];
        if (!validHint(hint, world)) continue;
        const Vector2D from = world.dockPoints[static_cast<std::size_t>(hint.fromDock)].position;
        const Vector2D to = world.dockPoints[static_cast<std::size_t>(hint.toDock)].position;
        glColor3f(1.0f, 0.45f, 0.9f);
        glBegin(GL_LINES);
        glVertex2f(from.x, from.y);
        glVertex2f(to.x, to.y);
        glEnd();
        drawRing(from, kHintRingRadius);
        drawRing(to, kHintRingRadius);
    }
    glLineWidth(2.0f);
    // The lengths, in the slider's own numbers, beside the middle of each line.
    beginOverlay();
    glEnable(GL_TEXTURE_2D);
    glColor3f(1.0f, 1.0f, 1.0f);
    for (int i = 0; i < hintsShown; ++i) {
        const RopePlan& hint = hints[static_cast<std::size_t>(i)];
        if (!validHint(hint, world)) continue;
        const Vector2D from = world.dockPoints[static_cast<std::size_t>(hint.fromDock)].position;
        const Vector2D to = world.dockPoints[static_cast<std::size_t>(hint.toDock)].position;
        const Vector2D at = view.toPicture((from + to) * 0.5f);
        std::string label = std::to_string(i + 1);
        if (hint.sliderValue) label += ": length " + std::to_string(static_cast<int>(std::fabs(std::trunc(*hint.sliderValue))));
        drawTextCentered(label, at.x, at.y - 14.0f, kHintLabelSize);
    }
}

void PlayGoals::drawPanel() const
{
    if (hintOffered()) hintButton.draw();
}

void PlayGoals::drawResult() const
{
    for (const BText& text : resultTexts) text.draw();
    if (!star || resultTexts.empty() || resultTexts[0].reveal <= 0.0f) return;
    // Left of the first line, clear of its letters.
    const BText& first = resultTexts[0];
    const float halfLine = 0.5f * first.characterSize() * static_cast<float>(first.text.size());
    beginOverlay();
    drawStarIcon(first.position.x - halfLine - kStarRadius - 6.0f, first.position.y, kStarRadius);
}
