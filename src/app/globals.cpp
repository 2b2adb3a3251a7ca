// Every global object of the game, defined in one place so that they are
// constructed in this order and destroyed in the reverse order. Owners declare
// their object `extern` in their own header and add the definition here, at
// its place in the list.
#include "app/globals.h"

#include "app/input.h"
#include "editor/slide_menu.h"
#include "menu/menu.h"
#include "play/play_menu.h"
#include "ui/page_holder.h"

// 1. The camera, then the plain view and state values (all constant-initialised).
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

// 2. gravity lives with the physics (a constant-initialised value).

// 3-4. The current theme name and the game object come next; they are constant-
// initialised in the level library (level/game.cpp), which needs them itself.

// 5. The mouse, its world position at (0, 0).
MouseState mouse;

// 6. The tab strips: after the mouse, before the main-menu screens.
std::vector<PageHolder> pageHolders;

// 7. The main-menu screens: after the tab strips, before the play mode.
std::vector<Menu> menus;
int menuCount = 0;

// 8. The play-mode controller with its buttons: after the main-menu screens.
PlayMenu playMenu;

// 9. The editor comes last: its constructor appends its tab strip to pageHolders.
SlideMenu editor;
