// Every global object of the game, defined in one place so that they are
// constructed in this order and destroyed in the reverse order.
#include "app/globals.h"

#include "menu/menu.h"
#include "play/play_menu.h"
#include "ui/page_holder.h"

Vector2D cameraOffset(-1.3f, 0.0f);
float cameraDepth = -10.0f;
bool inMainMenu = true;
bool quitRequested = false;
bool windowActive = true;
bool fullscreen = false;
int windowWidth = 800;
int windowHeight = 600;
int colorBits = 32;
const char* const kWindowTitle = "Tangloop";
std::uint32_t lastTick = 0;

// The current theme name and the game object come next; they are constant-
// initialised in the level library (level/game.cpp), which needs them itself.

// The tab strips: after the mouse, before the main-menu screens.
std::vector<PageHolder> pageHolders;

// The main-menu screens: after the tab strips, before the play mode.
std::vector<Menu> menus;
int menuCount = 0;

// The play-mode controller with its buttons: after the main-menu screens.
PlayMenu playMenu;

// The editor comes last: its constructor appends its tab strip to pageHolders.
#include "editor/slide_menu.h"
SlideMenu editor;
