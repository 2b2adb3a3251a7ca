#pragma once

#include <optional>
#include <string>
#include <vector>

#include "level/level_solution.h"
#include "physics/simulation.h"
#include "play/try_watch.h"
#include "ui/btext.h"
#include "ui/button.h"

struct Game;
struct Input;
struct View;

/// What a listed level offers beyond finishing it: its par and the player's
/// result on the completion screen, and, once two tries have failed, hints
/// taken rope by rope from the level's stored solution. A level off the list
/// (an author's, the editor's test play) has neither.
struct PlayGoals {
    /// Tries that must end without the exit before the Hint button shows.
    static constexpr int kTriesBeforeHint = 2;

    std::string levelName;           ///< the listed level's name; empty off the list
    std::optional<int> par;          ///< its par, when it has one
    std::vector<RopePlan> hints;     ///< the stored solution's ropes, in the order they are hung
    int failedTries = 0;             ///< tries that came to rest or left the play area
    bool tryCounted = false;         ///< the running try has been counted already
    int hintsShown = 0;              ///< ropes of `hints` shown so far
    Button hintButton;               ///< on the side panel, once hints are offered

    bool finished = false;           ///< the completion result below is set
    int ropes = 0;                   ///< the player's ropes hanging when the ball reached the exit
    bool star = false;               ///< at most par ropes and no hint
    bool newBest = false;            ///< fewer ropes than every earlier finish without a hint
    std::vector<BText> resultTexts;  ///< "Solved with N ropes", "Par P" and what the finish was worth

    PlayGoals();

    /// A level start: row `row` of the game's list (-1 for a level off it).
    /// Reads the par and the stored solution; a level without them offers none.
    void prepare(const Game& game, int row);

    /// Whether the Hint button is up.
    bool hintOffered() const { return !hints.empty() && failedTries >= kTriesBeforeHint; }
    /// Whether any hint has been shown in this level.
    bool hintUsed() const { return hintsShown > 0; }

    /// Once per update of a try: counts the try once when it ends resting or
    /// outside the play area. `placing` resets the count of the try.
    void watchTry(bool placing, TryOutcome outcome);

    /// The Hint button and the H key: each press shows one more rope.
    void update(const Input& input);

    /// The ball reached the exit with `playerRopes` of the player's ropes
    /// hanging: records the result of a listed level and words it.
    void finish(Game& game, int playerRopes);

    /// Steps the result texts' reveal; once the completion screen is up.
    void updateResult();

    /// The lit dock points of the hints shown, a line between each pair and
    /// the length a hint sets, over the world seen through `view`. GL only.
    void drawHints(const Simulation& world, const View& view) const;
    /// The Hint button, where it is offered. GL only.
    void drawPanel() const;
    /// The result texts and the star of the completion screen. GL only.
    void drawResult() const;
};

/// "Solved with 1 rope", "Solved with 3 ropes".
std::string solvedLine(int ropes);
