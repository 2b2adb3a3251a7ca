#pragma once

#include <string>
#include <vector>

#include "mode/game_mode.h"
#include "mode/mode_request.h"
#include "editor/edit_history.h"
#include "level/triangle_mapping.h"
#include "level/world_marks.h"
#include "physics/simulation.h"
#include "physics/vector2d.h"
#include "ui/button.h"
#include "ui/text_field.h"
#include "ui/page_holder.h"
#include "ui/slider.h"

class Dialog;

struct Game;
struct Level;
struct WorldTextures;
struct View;
struct Input;

/// The editor's buttons by index. A tool button's index is the tool's
/// identity: `SlideMenu::tool` holds it, so this order must never change.
enum EditorButton : int {
    kButtonVertex = 0,
    kButtonRope = 1,
    kButtonBall = 2,
    kButtonSave = 3,
    kButtonApplyTheme = 4,
    kButtonSelect = 5,
    kButtonUnselect = 6,
    kButtonDock = 7,
    kButtonUndock = 8,
    kButtonMove = 9,
    kButtonRemove = 10,
    kButtonInv = 11,
    kButtonNext = 12,
    kButtonPrev = 13,
    kButtonLoad = 14,
    kButtonBack = 15,
    kButtonDockPoint = 16,
    kButtonAll = 17,
    kButtonNone = 18,
    kButtonExitPoint = 19,
    kButtonLine = 20,
    kButtonPlayIt = 21,
    kButtonNextTheme = 22,
    kEditorButtonCount = 23,
};

/// The editor's text fields by index, all on page Misc.
enum EditorInsert : int {
    kInsertTheme = 0,
    kInsertSaveName = 1,
    kInsertLoadName = 2,
    kInsertTask = 3,  ///< the level's task, shown in its intro and when it is won
    kEditorInsertCount = 4,
};

/// The editor's sliders by index.
enum EditorSlide : int {
    kSlideXSize = 0,
    kSlideYSize = 1,
    kSlideLength = 2,
    kEditorSlideCount = 3,
};

/// Pages of the editor's tab strip (its page holder 0).
enum EditorPage : int {
    kPageEdit = 0,
    kPageRope = 1,
    kPageMisc = 2,
};

/// The longest task text the Task field takes: two good sentences.
constexpr std::size_t kMaxTaskLength = 160;

/// What a click without a drag gives a ball or the exit: the radius of a new
/// ball, and of the exit of a new world. A drag shorter than kMinDragSize
/// counts as a click.
constexpr float kClickRadius = 0.3f;
constexpr float kMinDragSize = 0.05f;
/// Shorter lines and triangles of less area are not kept: they would not be
/// seen, found or removed.
constexpr float kMinLineLength = 0.05f;
constexpr float kMinTriangleArea = 0.001f;
/// Balls and exits smaller than this are drawn with a marker instead
/// (older files may hold them).
constexpr float kMarkerBelowRadius = 0.03f;
/// The grid that points snap to while Shift is held, world units.
constexpr float kSnapStep = 0.25f;

/// Width in pixels of the fully open panel, and how much it grows per frame.
constexpr int kPanelOpenWidth = 200;
constexpr int kPanelGrowth = 20;

/// The longest status text the Misc page shows: a longer one is drawn in
/// smaller letters down to 7 pixels, so 28 characters fit the panel; the
/// name in it is shortened past that, never the verdict.
constexpr std::size_t kMaxStatusCharacters = 28;

/// What a button of the editor is: an action, or a tool that makes new
/// elements (and starts from a clean selection) or works on the selection.
enum class ToolKind { NotATool, Creating, Selecting };
ToolKind toolKind(int buttonIndex);

/// True for the indices of the tool buttons (the ones that set `tool`).
inline bool isToolButton(int index) { return toolKind(index) != ToolKind::NotATool; }

/// The level editor: the edited world, a panel that slides in from the left
/// with three tabbed pages of widgets, and the mouse gesture in progress.
/// The shell owns the one of the game and runs it while in the editor.
class SlideMenu final : public GameMode {
public:
    unsigned panelTexture = 0;    ///< GL texture of "slidemenu.bmp"
    int panelWidth = 0;           ///< pixels; 0 on entry, grows to 200
    int panelHeight = 600;        ///< pixels; never changes
    bool mouseOverPanel = false;  ///< recomputed each frame
    int tool = kButtonVertex;     ///< index of the selected tool button
    std::string themeStatus;      ///< result of the last Apply theme
    std::string loadStatus;       ///< result of the last Load
    std::string saveStatus;       ///< result of the last Save
    std::string themeName;        ///< theme written into saved files
    Vector2D dragStart;           ///< world position where the gesture began
    Vector2D dragCurrent;         ///< latest world position of the gesture
    Vector2D dragApplied;         ///< displacement the Move tool has applied
    bool dragging = false;        ///< a gesture that began outside the panel runs
    Simulation world;             ///< the level being edited
    WorldMarks marks;             ///< the selection in world, kept beside it
    TriangleMappings triangleMappings; ///< the theme picture on world's triangles, kept beside it
    std::vector<Button> buttons;
    std::vector<Insert> inserts;
    std::vector<Slide> slides;
    /// The editor's tab strip, holder 0 of its widgets.
    std::vector<PageHolder> pageHolders;
    bool playWanted = false;      ///< F12 or "Play it": play the edited level next
    /// Shift and the left button as the last update saw them: the snap grid
    /// and the gesture's guide are drawn while they are held.
    bool shiftHeld = false;
    bool buttonHeld = false;

    /// Builds the widgets and the tab strip. Themes are looked up, and made
    /// current, in `game`; questions to the author are asked in `dialog`.
    SlideMenu(Game& game, Dialog& dialog);

    /// Shows the editor with its panel closed. Everything else (world, tool,
    /// page, field texts, statuses) stays as the editor was left.
    void enterEditor();

    /// One editor frame; dt is the frame time in 10 ms units (0 or 1).
    /// Reads only `input` and the world; never calls GL. Returns
    /// "leave" after Back (the rest of the frame, the gesture, still runs).
    ModeRequest update(const Input& input, float dt) override;

    /// Draws the world (in the game's pictures), the panel, its widgets and
    /// the gesture guide, seen through `view` (the one handed to useView).
    /// Needs a current GL context; changes nothing.
    void draw(const View& view) const override;

    /// A key press while the editor is shown: its commands (commandKey).
    /// What the fields type comes through editorKeyDown, in every mode.
    void keyDown(int code, const Input& input) override { commandKey(code, input); }
    /// A text field has the keyboard (the pointer rests on it).
    bool wantsKeyboard() const override;

    /// Types one virtual key into every focused text field and clears that
    /// field's status. Called for every key press, active or not, with the
    /// input as it is at the press (Ctrl held makes it a command).
    void editorKeyDown(int code, const Input& input);
    /// Types one character the keyboard typed into the focused Task field
    /// (the name fields take keys instead). Called while the editor is shown.
    void typeText(char c, const Input& input);

    /// The level's task text, as the Task field holds it.
    const std::string& taskText() const { return inserts[kInsertTask].text; }

    // Tools and actions on the edited world.

    /// Sets every selection mark (rope masses, balls, dock points, triangle
    /// corners, line ends) to value. Ropes' own flags and the exit are untouched.
    void selectAll(bool value);
    /// Flips every selection mark that selectAll sets.
    void invertSelection();
    /// Pins (true) or frees (false) every selected rope mass and ball.
    void setHeld(bool value);
    /// Deletes whole ropes, balls, lines, triangles and dock points that
    /// carry a selection mark.
    void removeSelected();
    /// Moves the ropes' own selection by step (+1 Next, -1 Prev), wrapping,
    /// and shows the selected rope's rest length on the Length slider.
    void stepRopeSelection(int step);
    /// Gives every spring of each selected rope this rest length (world units).
    void setRopeLength(float length);
    /// Recomputes every triangle's picture mapping from `world`.size.
    void updateTextureCoordinates();

    // Files and themes, each reading its text field and setting its status.

    /// Saves by the Save field's name; over a file that is not the level
    /// being edited only once the author has said Replace (replaceConfirmed).
    void saveLevel(bool replaceConfirmed = false);
    void loadLevel();
    /// Opens the level file at path (used as given) as the level being
    /// edited, as saved: nothing to undo, no unsaved changes, and its name in
    /// the Save field. Returns false, changing nothing, when it cannot be read.
    bool openFile(const std::string& path);
    void applyThemeFromField();
    /// Shows and takes the installed theme after the one shown (the first
    /// after the last, or when the level's theme is not installed).
    void stepTheme();
    /// What a Yes of the author lets a later update carry out.
    enum class Answered { None, Leave, Load, SaveOver };
    /// True when nothing unsaved would be lost: go on now. Otherwise asks
    /// question (after a line saying that changes are not saved) with the
    /// buttons yesLabel and "Stay", returns false, and on Yes the next update
    /// carries out onYes.
    bool mayDiscardChanges(const std::string& question, const std::string& yesLabel, Answered onYes);

    // Undo and redo (Ctrl+Z; Ctrl+Y or Ctrl+Shift+Z). Each tool gesture,
    // slider drag and action button that changes the world is one step.

    /// Carries out a key that is a command in the editor: Ctrl+Z, Ctrl+Y,
    /// Ctrl+Shift+Z, and F12 (play the level). Returns whether it was one (any
    /// key with Ctrl held is). The shell calls it while the editor is shown.
    bool commandKey(int code, const Input& input);
    /// Goes back one step; does nothing while the mouse button is held.
    void undo(const Input& input);
    /// Goes forward one undone step; does nothing while the button is held.
    void redo(const Input& input);
    /// The level (its parts, sizes, theme or task) differs from the last
    /// save or load; the selection, the view, the page and the statuses do
    /// not count.
    bool hasUnsavedChanges() const;

    /// The editor's whole state as bytes, as undo keeps it: the world bit for
    /// bit with its selection, the theme name a save writes, the task text,
    /// the theme shown and the sliders.
    std::string captureState() const;
    /// Puts back a state captureState made.
    void restoreState(const std::string& state);

    EditHistory history;

private:
    Game& game_;
    Dialog& dialog_;
    Answered answered_ = Answered::None;  ///< answered Yes, carried out by the next update

    void addButton(const char* label, Vector2D position, Vector2D size, int page);
    void addInsert(const char* label, Vector2D position, Vector2D size = {180, 20});
    void addSlide(const char* label, Vector2D position, int width, int page, float value);
    void updateWidgets(const Input& input);
    void applySliderEffects();
    ModeRequest runButtonActions();

    void updateGesture(const Input& input);
    void beginGesture(const Input& input);
    void advanceGesture(const Input& input);
    void endGesture();
    void addNewRope();
    void placeVertexCornerAtEnd();
    void markInRectangle(bool value);
    void dropShortLine();
    /// Where the gesture's point is: the mouse, or with Shift held the grid
    /// point nearest to it (not for the rectangle tools).
    Vector2D gesturePoint(const Input& input) const;

    /// Opens a change (undo step) unless one is open. A change that only
    /// selects does not count as an unsaved change of the level.
    void beginChange(bool changesLevel = true);
    void finishChange(const Input& input);
    /// Takes a level read from a file as the one edited: its parts, theme,
    /// task and sizes.
    void takeLevel(const Level& level);
    /// Opens the change that typing into the Task field makes.
    void beginTaskTyping();

    bool isWorldFile(const std::string& path) const;

    std::string worldFile;       ///< the file last loaded or saved; empty for none
    std::string changeBefore;    ///< the state before the change being made
    std::string levelBefore;     ///< what a save wrote before it, once it may change the level
    bool changeOpen = false;     ///< a change has begun and not yet been kept
    bool loadedInChange = false; ///< the open change loaded a file
    bool changeTouchesLevel = false; ///< the open change may change the level, not just the selection
    bool typingTask = false;     ///< the open change is typing into the Task field
    unsigned savedState = 0;     ///< history state last saved or loaded
};

/// A file Load tries: a folder taken as it is, and the typed name (with
/// ".txt") looked up inside it ignoring letter case.
struct LoadPlace {
    std::string folder;
    std::string name;
};

/// The files Load tries for a typed name, in order: the name + ".txt" in the
/// player's folder, in the working folder, and, for a bare name, in the
/// shipped levels folder.
std::vector<LoadPlace> levelLoadPaths(const std::string& name);
