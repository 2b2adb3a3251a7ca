// Feeds arbitrary bytes to the main-menu description reader, then opens the
// first screen and runs one frame of every screen over what it built, so that
// odd numbers from a damaged file (delays, sizes, actions) are exercised too.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/globals.h"
#include "level/game.h"
#include "menu/menu.h"
#include "menu/menu_setup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    menus.clear();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Background levels are never read from disk here.
    parseMenuSetup(text, menus, [](Level&, const std::string&) { return false; });
    menuCount = static_cast<int>(menus.size());

    openScreen(0);
    inMainMenu = true;
    for (Menu& screen : menus)
        screen.update(1.0f);
    currentTexture = nullptr;  // it pointed into the screens about to go
    menus.clear();
    menuCount = 0;
    return 0;
}
