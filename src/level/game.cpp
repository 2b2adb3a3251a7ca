#include "level/game.h"

#include "level/path_case.h"

void makeThemeCurrent(Game& game, const Game::Theme& theme)
{
    game.currentTexture = &theme.texture;
    game.currentThemeName = theme.name;
}

bool applyTheme(Game& game, const std::string& name)
{
    bool matched = false;
    for (const Game::Theme& theme : game.themes) {
        // Theme names, like file names, do not depend on letter case.
        if (equalIgnoringCase(theme.name, name)) {
            makeThemeCurrent(game, theme);
            matched = true;
        }
    }
    return matched;
}

void applyLevelTheme(Game& game, const Level& level)
{
    useLevelTheme(game, level.theme);
}

void useLevelTheme(Game& game, const std::string& name)
{
    if (!name.empty() && applyTheme(game, name)) return;
    if (!game.themes.empty()) makeThemeCurrent(game, game.themes.front());
}

std::string levelFilePath(const std::string& name)
{
    return "levels/" + name + ".txt";
}
