#include "play/start_level.h"

#include "app/game_paths.h"
#include "level/build_simulation.h"
#include "level/game.h"
#include "level/level_reader.h"
#include "play/description_layout.h"

namespace {

const Vector2D kTitlePosition{500.0f, 115.0f};
constexpr float kDescriptionLeft = 300.0f;
constexpr float kDescriptionTop = 150.0f;
constexpr float kDescriptionLineSpacing = 20.0f;
constexpr int kDescriptionLineDelay = 25;

}  // namespace

void layoutLevelTexts(std::vector<BText>& texts, const std::string& name, const std::string& description)
{
    texts.clear();
    texts.emplace_back();
    texts.back().text = name + ":";
    texts.back().position = kTitlePosition;
    texts.back().alignment = 1;

    const std::vector<std::string> lines = layoutDescription(description);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        texts.emplace_back();
        texts.back().text = lines[i];
        texts.back().position = Vector2D(kDescriptionLeft, kDescriptionTop + kDescriptionLineSpacing * static_cast<float>(k));
        texts.back().delay = kDescriptionLineDelay * k;
    }
}

bool startLevelFile(PlayMenu& menu, const std::string& fileName, const std::string& title, int index)
{
    Level& level = menu.level;
    level.ropes.clear();
    level.balls.clear();
    level.lines.clear();
    level.vertices.clear();
    level.dockPoints.clear();
    // A level without a task must not show the last level's words. Size and
    // exit stay as they were: every file the game writes sets them.
    level.description.clear();
    menu.levelNumber = index;

    const bool loaded = level.load(fileName);  // an unreadable file plays as an empty level
    buildSimulation(level, menu.world, &menu.triangleMappings);
    applyLevelTheme(menu.game(), level);

    layoutLevelTexts(menu.descriptionTexts, title, level.description);
    menu.prepareLevel();
    return loaded;
}

void startLevelText(PlayMenu& menu, std::string_view text, const std::string& title, int index)
{
    menu.level = Level(title);
    parseLevel(text, menu.level);
    menu.levelNumber = index;
    buildSimulation(menu.level, menu.world, &menu.triangleMappings);
    applyLevelTheme(menu.game(), menu.level);
    layoutLevelTexts(menu.descriptionTexts, title, menu.level.description);
    menu.prepareLevel();
}

void startLevel(PlayMenu& menu, const std::string& name, int index)
{
    startLevelFile(menu, findGameFile(levelFilePath(name)), name, index);
}
