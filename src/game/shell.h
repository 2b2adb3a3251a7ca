#pragma once

#include "app/view.h"
#include "mode/mode_request.h"
#include "input/input.h"
#include "input/window_proc.h"
#include "editor/editor.h"
#include "level/game.h"
#include "menu/main_menu.h"
#include "play/play_mode.h"
#include "audio/sound_control.h"
#include "ui/corner_notice.h"
#include "ui/dialog.h"
#include "ui/world_draw.h"

/// What the game is showing: the one thing that decides which part is
/// updated and drawn each frame.
enum class Mode { Menu, Play, Editor };

/// The owner of the game's state: the game data (level and theme lists,
/// progress), the main menu's screens, the play mode, the editor with its
/// tab strip, and the textures loaded for them. The main loop holds one; a
/// tool or test may make its own. Parts ask for mode changes by returning a
/// ModeRequest from their update; the shell alone carries them out.
class Shell {
public:
    Game game;
    /// The camera and the picture the game is seen through: the modes move
    /// the camera in their updates; drawing and the pointer look through it.
    View view;
    /// The player's keyboard and mouse as the next update sees them, filled
    /// in from the window messages between frames (the window procedure).
    Input input;
    /// The question the game is asking, if any: drawn over everything, and
    /// while it holds the input nothing else is updated or gets a key.
    Dialog dialog{input};
    MainMenu menu{game, view};
    PlayMenu play{game, view};
    SlideMenu editor{game, dialog};
    /// The corner line, over every mode: what the game tells the player in
    /// passing (game.notices are moved to it each update).
    CornerNotice notice;

    Mode mode() const { return mode_; }
    /// A quit was asked for (the menu's Quit, or the window's close request).
    bool quitRequested() const { return quit_; }

    /// One-time set-up after the first window exists, in this order: the
    /// themes (the first made current), the font's glyph table, the menu
    /// screens and their pictures, screen 0 opened, the level list, the
    /// progress. Reads from the working folder.
    void start();

    /// Loads the textures the shell owns, in their fixed order (editor panel,
    /// play panel, ball, every menu screen's picture, font, every theme's). Needs a current
    /// GL context; runs after every new window, so they are made anew after
    /// each full-screen toggle. A missing picture leaves texture 0.
    void loadTextures();

    /// One update of the current mode, dt in 10 ms units (the main loop
    /// runs a hundred a second with dt 1), then the request it made carried
    /// out. Outside the menu the arrow keys move the camera first. While the
    /// dialog holds the input only the dialog is updated: the game stands
    /// still behind it. No GL.
    void update(float dt);

    /// Draws the current mode into the back buffer, the play mode `blend`
    /// of the way from the update before the last to the last (its camera,
    /// balls and ropes; a jump is drawn as it is), the dialog last. Changes
    /// no game state. Needs a current GL context.
    void draw(float blend = 1.0f);

    /// What the game itself does with a window message once the window
    /// procedure has recorded it: every key press goes to the shown mode, to
    /// the sound keys unless the shown mode wants the keyboard, and to the
    /// editor's text fields (they decide whether to take it, whatever the
    /// mode); while a question is open, only to its dialog. A restored
    /// window drops the overlay projection; the quit message ends the game.
    void handleMessage(const WindowMessage& message);

    /// Carries out a request of a screen or mode.
    void carryOut(const ModeRequest& request);

    /// Plays the level in `file` (used as given), titled `title`, as row `row`
    /// of the level list (for the progress rule), seen from the current
    /// camera. Returns whether the file could be read; an unreadable file
    /// plays as an empty level, and the corner line says so.
    bool playLevelFile(const std::string& file, const std::string& title, int row);

    /// Writes the progress file.
    void saveProgress();

    /// A level file to open at the end of start(): played (leaving it goes to
    /// the main menu) or, with startInEditor, opened in the editor.
    std::string startFile;
    bool startInEditor = false;

    /// Plays a copy of the editor's level as a player would have it, read
    /// back from the text a save would write; leaving the play mode comes
    /// back to the editor, whose world and view are left exactly as they were.
    void playEditedLevel();

    /// Opens the level in `file` in the editor, as a Load of it would, and
    /// shows the editor. Returns whether the file could be read.
    bool editLevelFile(const std::string& file);

private:
    Mode mode_ = Mode::Menu;
    Mode afterPlay_ = Mode::Menu;  ///< where leaving the play mode goes
    Vector2D editorCamera_;        ///< the editor's view while its level is played
    float editorZoom_ = 1.0f;      ///< and its zoom
    std::string editorTheme_;      ///< the theme the editor showed before that
    bool quit_ = false;
    bool closeAsked_ = false;  ///< the close box's question is open

    /// The view the next picture is drawn through: the play mode's camera
    /// `blend` of the way from the update before the last (or its start
    /// view, not yet applied).
    View pictureView(float blend) const;

    void startListedLevel(int row);
    /// The wheel in the editor, off its panel: zooms out to the whole level and back in.
    void zoomEditorByWheel();
    /// Asks for a new name of the author's level at path (the field holding
    /// typed, after a line saying what went wrong last time) and renames it.
    void askRename(const std::string& path, const std::string& name, const std::string& typed,
                   const std::string& problem = {});
    /// Asks first, then deletes the author's level at path.
    void askDelete(const std::string& path, const std::string& name);
    /// Every list of the author's levels reads its folder afresh.
    void rescanAuthorLevels();
    /// Asks first; a Reset locks every level but the first and saves at once.
    void askToResetProgress();
    /// Shows the sound's new state in the corner line when it changed.
    void noticeSoundChange();
    int heardVolume_ = soundVolume();   ///< the sound as the corner line last said it
    bool heardMuted_ = soundMuted();
    bool soundKeyTaken_ = false;        ///< a sound key was pressed since the last update
    std::string soundLine_;             ///< the last sound line given to the corner line
    /// The mode shown now.
    GameMode& current();
    const GameMode& current() const;
};

/// The name a level file is shown by: its file name without ".TXT" or ".txt".
std::string levelTitleOf(const std::string& file);

/// Arrow keys held in `input` move the camera of `view` by 0.1 world units
/// per call, not scaled by the time step; opposite keys cancel. Once per
/// update outside the menu.
void moveCameraByKeys(const Input& input, View& view);
