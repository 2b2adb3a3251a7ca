#include "level/game.h"

// Constant-initialised, so it can live here rather than with the other
// globals: nothing refers to a texture before a theme or a menu screen sets it.
const unsigned int* currentTexture = nullptr;

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
