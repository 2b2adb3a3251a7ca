#pragma once

#include <string>
#include <vector>

#include "mode/game_mode.h"
#include "mode/mode_request.h"
#include "menu/menu.h"

struct Game;
struct WorldTextures;
struct Input;
struct View;

/// The main menu: its screens, of which one is open while the others fade
/// out. Opening a screen is its own business; what else a screen asks for
/// (a level, the editor, quit) it hands on to the shell.
class MainMenu final : public GameMode {
public:
    /// A main menu over `game` (its level list, progress and current
    /// texture), holding the camera of `view` at its start.
    MainMenu(Game& game, View& view) : game_(game), view_(view) {}

    /// The screens in the order of their indices in "menusetup.txt". Filled
    /// once at start-up and never resized afterwards: the game's current
    /// texture may point into it.
    std::vector<Menu> screens;

    /// Reads the menu description (see readMenuSetup).
    void read(const std::string& fileName = "menusetup.txt");

    /// Loads every screen's picture; needs a current GL context.
    void loadPictures();

    /// Makes screen index the open one: an index outside the screens opens
    /// screen 0; does nothing while there are no screens. The screen's picture
    /// becomes the game's current texture, its texts are made afresh from its
    /// templates and its level list opens.
    void open(int index, Game& game);

    /// One frame of every screen in index order. A screen asking for another
    /// screen opens it at once, before the next screen updates; any other
    /// request (the last, should there be several) is returned for the shell.
    ModeRequest update(const Input& input, float dt) override;

    /// Draws every screen that is open or still fading out. GL only.
    void draw(const View& view) const override;

    /// The screens read their keys in their updates.
    void keyDown(int, const Input&) override {}
    bool wantsKeyboard() const override { return false; }

private:
    Game& game_;
    View& view_;
};
