#include "level/game.h"

void makeThemeCurrent(Game& game, const Game::Theme& theme)
{
    game.currentTexture = &theme.texture;
    game.currentThemeName = theme.name;
}

bool applyTheme(Game& game, const std::string& name)
{
    bool matched = false;
    for (const Game::Theme& theme : game.themes) {
        if (theme.name == name) {
            makeThemeCurrent(game, theme);
            matched = true;
        }
    }
    return matched;
}

void applyLevelTheme(Game& game, const Level& level)
{
    if (!level.theme.empty()) applyTheme(game, level.theme);
}

std::string levelFilePath(const std::string& name)
{
    return "levels/" + name + ".txt";
}
