#include "menu/main_menu.h"

#include "app/game_paths.h"
#include "level/game.h"
#include "menu/menu_setup.h"
#include "ui/world_draw.h"

void MainMenu::read(const std::string& fileName)
{
    readMenuSetup(screens, fileName);
}

void MainMenu::loadPictures()
{
    loadMenuPictures(screens);
}

void MainMenu::open(int index, Game& game)
{
    if (screens.empty())
        return;
    if (index < 0 || index >= static_cast<int>(screens.size()))
        index = 0;
    for (Menu& screen : screens)
        screen.active = false;

    Menu& screen = screens[static_cast<std::size_t>(index)];
    game.currentTexture = &screen.texture;
    screen.active = true;
    screen.texts.clear();
    for (const BTextShadow& shadow : screen.textTemplates)
        appendBText(screen.texts, shadow);
    // The author may have saved levels since the list was last shown.
    if (screen.levelList.authorLevels) screen.levelList.rescan(gamePaths().userDir);
    screen.levelList.show();
}

ModeRequest MainMenu::update(const Input& input, float dt)
{
    ModeRequest handedOn;
    for (Menu& screen : screens) {
        const ModeRequest request = screen.update(input, dt, game_, view_);
        if (request.kind == ModeRequest::Kind::OpenScreen)
            open(request.index, game_);
        else if (request.any())
            handedOn = request;
    }
    return handedOn;
}

void MainMenu::draw(const View&) const
{
    const WorldTextures textures = worldTexturesOf(game_);
    for (const Menu& screen : screens)
        screen.draw(game_, textures);
}
