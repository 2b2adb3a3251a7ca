// Feeds arbitrary bytes to the main-menu description reader, then opens the
// first screen and runs one frame of every screen over what it built, so that
// odd numbers from a damaged file (delays, sizes, actions) are exercised too.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/view.h"
#include "input/input.h"
#include "level/game.h"
#include "menu/main_menu.h"
#include "menu/menu_setup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Game game;
    View view;
    MainMenu menu(game, view);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Background levels are never read from disk here.
    parseMenuSetup(text, menu.screens, [](Level&, const std::string&) { return false; });

    menu.open(0, game);
    menu.update(Input(), 1.0f);
    return 0;
}
