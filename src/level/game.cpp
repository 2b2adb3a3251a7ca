#include "level/game.h"

// These three are constant-initialised (constinit proves it), so they exist
// before any other global is constructed whatever the link order, and they
// live here rather than with the other globals because the level library
// needs them on its own: building a world applies the level's theme.
// clang 14 cannot evaluate the standard library's string constructor at
// compile time (the fuzzing build uses it), so only the compilers that can
// give the proof are asked for it; g++ still checks it on every build.
#if defined(__clang__) && __clang_major__ < 15
#define CONSTINIT_STRING
#else
#define CONSTINIT_STRING constinit
#endif
CONSTINIT_STRING std::string currentThemeName;
CONSTINIT_STRING Game game;
// Nothing refers to a texture before a theme or a menu screen sets it.
constinit const unsigned int* currentTexture = nullptr;

void makeThemeCurrent(const Game::Theme& theme)
{
    currentTexture = &theme.texture;
    currentThemeName = theme.name;
}

bool applyTheme(const std::string& name)
{
    bool matched = false;
    for (const Game::Theme& theme : game.themes) {
        if (theme.name == name) {
            makeThemeCurrent(theme);
            matched = true;
        }
    }
    return matched;
}

void useLevelTheme(const std::string& name)
{
    if (!name.empty() && applyTheme(name)) return;
    if (!game.themes.empty()) makeThemeCurrent(game.themes.front());
}
