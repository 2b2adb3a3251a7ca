#pragma once

#include <string>
#include <vector>

#include "audio/contact_sounds.h"
#include "mode/mode_request.h"
#include "level/level.h"
#include "level/triangle_mapping.h"
#include "menu/level_list.h"
#include "physics/simulation.h"
#include "ui/btext.h"
#include "ui/button.h"
#include "ui/slider.h"

struct Game;
struct WorldTextures;
struct View;
struct Input;

/// One main-menu screen, described entirely by "menusetup.txt": a picture cut
/// into tilting tiles, a live background level whose ball follows the mouse,
/// texts that type themselves in, buttons with hints, and perhaps the level
/// list. Every screen is updated and drawn each frame while the main menu is
/// shown, so a closing screen fades out while the next one fades in.
class Menu {
public:
    /// Button action codes a screen understands; any other code does nothing.
    enum Action : int {
        kOpenScreen = 0,   ///< open the screen whose index is actionParam
        kEnterEditor = 2,  ///< leave the menu for the level editor
        kQuit = 3,         ///< leave the game
        kToggleSound = 4,  ///< sound off or on; the label shows which
        kToggleFullscreen = 5, ///< window or full screen, as F1; the label shows which
        kResetProgress = 6,    ///< lock the levels again, once the player agrees
    };

    /// What a slider of a screen sets; any other code sets nothing.
    enum SliderSetting : int {
        kSoundVolume = 1,  ///< the player's volume, 0 to 100
    };

    /// A slider of a screen, bound to one of the player's settings.
    struct Slider {
        Slide slide;
        int setting = 0;   ///< a SliderSetting
        std::string hint;  ///< shown by the hint line while hovered
    };

    static constexpr float kFadeStep = 0.02f;       ///< picture opacity per update (50 to full)
    static constexpr float kMouseBallRadius = 0.5f; ///< world units
    static constexpr float kMouseBallMass = 1.0f;
    static constexpr int kTiles = 10;               ///< the picture is cut into kTiles by kTiles
    static constexpr float kTileTurn = 10.0f;       ///< degrees a tile is turned while faded out
    static constexpr float kBackgroundLoudness = 0.35f; ///< of the contact sounds, next to play

    /// A new screen: white, running its background, its level list closed.
    Menu();

    Level level;                       ///< the background level as read from its file
    LevelList levelList;               ///< closed until the screen opens
    std::vector<Button> buttons;
    std::vector<Slider> sliders;
    std::vector<BText> texts;          ///< made afresh from textTemplates at each opening
    BText hint;                        ///< describes the button under the mouse
    std::string defaultHint;           ///< the hint while no button is hovered
    bool wasActive = false;            ///< active at the last update; closes the texts once
    float color[3] = {1.0f, 1.0f, 1.0f}; ///< tint of the picture: red, green, blue
    bool runBackground = true;         ///< simulate and draw the background level
    bool hasLevelList = false;
    std::vector<BTextShadow> textTemplates;
    unsigned int texture = 0;          ///< the picture; 0 when it could not be loaded
    bool active = false;               ///< this is the open screen
    float fade = 0.0f;                 ///< opacity of the picture, 0 to 1
    std::string name = "Default menu"; ///< "credits" marks the credits screen
    std::string pictureFile;           ///< BMP file name in the data folder
    std::string levelFile;             ///< background level file name in the data folder
    Simulation simulation;             ///< the running background level
    TriangleMappings triangleMappings; ///< the picture on its triangles
    ContactSounds contactSounds{kBackgroundLoudness}; ///< the background is heard, quietly

    /// One update of this screen, once per frame while the main menu is
    /// shown, for every screen in index order. dt in 10 ms units (0 or 1).
    /// Reads `input` and holds the camera of `view` at its start. Returns what
    /// was asked: another screen, a level of the list (by its row), the
    /// editor, quit.
    ModeRequest update(const Input& input, float dt, const Game& game, View& view);

    /// Draws the screen in the overlay when it is active or still fading out.
    /// GL only; called after every screen's update.
    void draw(const Game& game, const WorldTextures& textures) const;

private:
    void close();
    void carryMouseBall(const Input& input);
    ModeRequest updateButtons(const Input& input);
    void updateSliders(const Input& input, bool& anyHovered);
    void showHint(const std::string& text);

    bool volumeUnsaved_ = false;  ///< a slider moved the volume; kept once the button is up
    void drawPicture() const;
};

/// What a button of a screen asks for: its action code and parameter as a
/// request (nothing for an unknown code). The toggles are carried out here.
ModeRequest buttonRequest(const Button& button);

/// The label a button is drawn with: a toggle's label followed by ": on" or
/// ": off" as things stand now, any other button's label as it is.
std::string shownLabel(const Button& button);

/// The caption a screen's slider is drawn with: its label and its value in
/// percent, whether or not it is hovered ("Volume 60%").
std::string shownCaption(const Slide& slide);
