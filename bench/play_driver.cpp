#include "play_driver.h"

#include <fstream>
#include <sstream>

#include "level/list_file.h"

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
