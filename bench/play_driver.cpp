#include "play_driver.h"

#include <fstream>
#include <sstream>

#include "app/input.h"
#include "level/list_file.h"

namespace {

/// A pixel well clear of the side panel and of every play-mode button.
constexpr int kWorldPixelX = 700;
constexpr int kWorldPixelY = 300;

void pointAtWorld(const Vector2D& where, bool down)
{
    mouse.x = kWorldPixelX;
    mouse.y = kWorldPixelY;
    mouse.world = where;
    mouse.leftDown = down;
}

void pointAtButton(const Button& button, bool down)
{
    mouse.x = static_cast<int>(button.position.x + button.size.x * 0.5f);
    mouse.y = static_cast<int>(button.position.y + button.size.y * 0.5f);
    mouse.leftDown = down;
}

bool isDock(const PlayMenu& menu, int index)
{
    return index >= 0 && index < static_cast<int>(menu.world.dockPoints.size());
}

bool hangRope(PlayMenu& menu, const RopePlan& plan)
{
    if (!isDock(menu, plan.fromDock) || !isDock(menu, plan.toDock)) return false;
    const Vector2D from = menu.world.dockPoints[plan.fromDock].position;
    const Vector2D to = menu.world.dockPoints[plan.toDock].position;
    const std::size_t before = menu.world.ropes.size();

    // Press on the first dock point, move to the second, release there.
    pointAtWorld(from, true);
    menu.update(1.0f);
    pointAtWorld(to, true);
    menu.update(1.0f);
    pointAtWorld(to, false);
    menu.update(1.0f);
    if (menu.world.ropes.size() == before) return false;

    if (plan.sliderValue) {
        menu.slides[0].value = *plan.sliderValue;
        menu.setRopeLength(menu.slides[0].value * (1.0f / kSliderPerRestLength));
    }
    return true;
}

}  // namespace

std::vector<ShippedLevel> shippedLevels(const std::string& dataDir, const std::string& solutionsDir,
                                        std::string& error)
{
    std::ifstream in(dataDir + "/levels.txt", std::ios::binary);
    if (!in) {
        error = "cannot read " + dataDir + "/levels.txt";
        return {};
    }
    std::ostringstream text;
    text << in.rdbuf();

    std::vector<ShippedLevel> levels;
    for (const std::string& name : parseListEntries(text.str())) {
        ShippedLevel& level = levels.emplace_back();
        level.name = name;
        std::string why;
        if (readLevelSolution(levelSolutionPath(solutionsDir, name), level.solution, why) != SolutionRead::kOk)
            level.solution = LevelSolution();
    }
    if (levels.empty()) error = dataDir + "/levels.txt lists no level";
    return levels;
}

int hangRopes(PlayMenu& menu, const std::vector<RopePlan>& ropes)
{
    int laid = 0;
    for (const RopePlan& plan : ropes)
        if (hangRope(menu, plan)) ++laid;
    return laid;
}

void startTry(PlayMenu& menu)
{
    pointAtButton(menu.buttons[kTryOrReturn], true);
    menu.update(1.0f);
    pointAtButton(menu.buttons[kTryOrReturn], false);
    menu.update(1.0f);
    pointAtWorld(Vector2D(), false);
}
