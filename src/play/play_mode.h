#pragma once

#include <vector>

#include "app/view.h"
#include "audio/contact_sounds.h"
#include "mode/game_mode.h"
#include "mode/mode_request.h"
#include "level/level.h"
#include "level/triangle_mapping.h"
#include "level/world_marks.h"
#include "physics/simulation.h"
#include "physics/vector2d.h"
#include "play/play_goals.h"
#include "play/try_watch.h"
#include "ui/btext.h"
#include "ui/button.h"
#include "ui/slider.h"
#include "ui/world_draw.h"

/// Index of each button of the play panel in PlayMenu::buttons.
enum PlayButton : int {
    kSelectNextRope = 0,
    kSelectPrevRope = 1,
    kExitLevel = 2,
    kTryOrReturn = 3,
    kRemoveRope = 4,
};

/// Rope and dock picking distance in the play mode, world units at the start
/// view's zoom; zoomed out it grows with the zoom, so it is as far on screen.
inline constexpr float kPickRadius = 0.1f;
/// The rope-length slider shows a rest length times this.
inline constexpr float kSliderPerRestLength = 150.0f;
/// Fade to black after completion, per update.
inline constexpr float kFadeStep = 0.01f;
/// Label of the start button while placing, and while a try runs.
inline const char* const kTryLabel = "Try it out";
inline const char* const kReturnLabel = "Return";
/// Label of the completion screen's way out: to the menu, or back to the
/// editor after playing the level being edited.
inline const char* const kReturnToMenuLabel = "Return To Menu";
inline const char* const kBackToEditorLabel = "Back To Editor";

struct Game;
struct Input;
struct WorldTextures;

/// The play mode: the level being played, its side panel, rope placing,
/// tries and the completion sequence. The shell owns the one of the game and
/// runs it while the game is in play mode.
class PlayMenu final : public GameMode {
public:
    Vector2D panelPosition;            ///< top-left corner of the side panel, overlay pixels
    Vector2D panelSize{200.0f, 600.0f};
    Vector2D savedCamera;              ///< the camera when the current try began
    Vector2D savedBallPosition;        ///< ball 0's position when the current try began
    Level level;                       ///< the level as loaded
    bool placing = true;               ///< no try running: ball 0 held, ropes editable
    bool mouseOverPanel = false;       ///< the pointer is over the side panel this frame
    bool dragging = false;             ///< a rope drag that began on a dock point
    bool completed = false;            ///< a ball reached the exit during a try
    float fade = 0.0f;                 ///< 0 to 1, the fade to black after completion
    Vector2D dragStart;                ///< world position of the dock point the drag began on
    Vector2D dragEnd;                  ///< world position the drag currently ends at
    unsigned int panelTexture = 0;     ///< picture of the side panel, set with every window
    std::vector<Button> buttons;       ///< indexed by PlayButton
    std::vector<Slide> slides;         ///< [0]: rope length
    Button returnButton;               ///< kReturnToMenuLabel (or kBackToEditorLabel), shown once the fade is full
    Simulation world;                  ///< the running level
    TriangleMappings triangleMappings; ///< the theme picture on its triangles
    WorldMarks marks;                  ///< the selected and hovered rope, the lit dock point
    int levelRopeCount = 0;            ///< ropes below this index are the level's own, the rest the player's
    int hoverDock = -1;                ///< dock point under the mouse, or -1
    std::vector<BText> descriptionTexts; ///< name and description, shown after completion
    int levelNumber = 0;               ///< row of the level in game.levels
    ContactSounds contactSounds;       ///< what the running world sounds like
    WorldPose previousPose;            ///< the balls and rope points as the update before left them
    /// The last update jumped (the start view, Home, Return, a rope added
    /// or removed, a level started): its picture is not drawn blended with
    /// the one before.
    bool viewJumped = false;

    // What the player is told and can do besides the panel: the start view,
    // the level's introduction, the outcome of a try, the completion title,
    // "Next level" and the shortcut keys.
    Vector2D startCamera;              ///< the view that frames the level, Home returns to it
    bool viewPending = false;          ///< startCamera still to be applied (the menu moves the camera last)
    std::vector<BText> introTexts;     ///< name and description over the scene at the start
    bool introShown = false;           ///< the introduction is up, until a press or a key
    bool introArmed = false;           ///< the press that started the level has been let go
    float introShade = 0.0f;           ///< 0 to 1, the darkened band behind the introduction
    TryWatch tryWatch;                 ///< rest and leave detection of the running try
    std::vector<BText> outcomeTexts;   ///< what became of the try and how to try again
    BText completeTitle;               ///< "Level complete", with the completion texts
    Button nextButton;                 ///< "Next level", when the list has one after this
    /// The level's par, the player's result and the hints of its solution.
    PlayGoals goals;

    /// Whether world.ropes[index] is one of the level's own ropes, which the
    /// player can neither pick nor remove.
    bool isLevelRope(std::size_t index) const { return index < static_cast<std::size_t>(levelRopeCount); }

    /// Whether a level follows this one in game.levels.
    bool hasNextLevel() const;

    /// Makes the panel's buttons and slider. Progress is recorded in `game`,
    /// and a level's theme made current there.
    /// It moves the camera of `view` (the start view, following a try).
    PlayMenu(Game& game, View& view);

    /// One update with time step dt (1, a hundred a second): fade, the
    /// completion screen, the world's sub-steps, the panel, then rope placing
    /// or the exit test, then the camera follows a try. Reads `input`; no GL.
    /// Returns "leave" once the player has left the level (the rest of the
    /// update still runs).
    ModeRequest update(const Input& input, float dt) override;

    /// The world (its balls and ropes view.blend of the way from the update
    /// before to the last, in the game's pictures), the drag line, the fade
    /// and the panel, seen through `view` (the one handed to useView). GL
    /// only; changes nothing.
    void draw(const View& view) const override;

    /// The play mode's keys are read in its update, as presses.
    void keyDown(int, const Input&) override {}
    bool wantsKeyboard() const override { return false; }

    /// The camera the next picture is seen through: the start view until the
    /// first update applies it.
    Vector2D viewCamera() const;

    /// The game this play mode records progress in.
    Game& game() { return game_; }

    /// The play mode's part of a level start, after world is built: counts
    /// the level's ropes, adds a substitute ball when there is none, holds
    /// ball 0 and starts placing.
    void prepareLevel();

    /// Sets every spring of every selected rope to rest length `length`.
    void setRopeLength(float length);

    /// Moves the selection to the next (+1) or previous (-1) player rope,
    /// wrapping around, and shows its length on the slider.
    void stepRopeSelection(int step);

    /// Marks the last update as a jump: the world and camera are drawn as
    /// they are, not blended with the update before.
    void jump();

    /// Removes the first selected player rope; nothing stays selected.
    void removeSelectedRope();

    /// Selects player rope `index` alone and shows its length on the slider;
    /// indices outside the player's ropes are ignored.
    void selectRope(int index);

private:
    Game& game_;
    View& view_;

    void prepareGuide();
    /// How far down the introduction goes from its place near the top.
    float introShift() const;
    void applyStartView(const Input& input);
    void updateIntro(const Input& input);
    void applyKeys(const Input& input);
    void updateOutcome();
    ModeRequest updateCompletionExtras(const Input& input);
    void drawGuide(const View& view) const;
    void stepWorld(float dt);
    void updatePanelActions();
    void leaveLevel();
    void startTry();
    void endTry();
    void restoreLevelRopes();
    void restoreBalls();
    void placeRopes(const Input& input);
    void selectRopeByHand(int index);
    void updateHover(const Input& input);
    void finishNewRope();
    void testExit();
    void followWithCamera();
    /// How near the pointer must be to pick a dock point or rope now.
    float pickRadius() const;
    /// The wheel while placing: zooms out to the whole play area and back in.
    void zoomByWheel(const Input& input);
    /// The zoom at which the whole play area is seen right of the panel.
    float widestZoom() const;
    void drawDragLine() const;
    void drawPanel() const;
};
