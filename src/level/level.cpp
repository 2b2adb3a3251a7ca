#include "level/level.h"

#include <cstdio>
#include <optional>

#include "level/level_reader.h"
#include "level/text_file.h"

namespace {

// Reads the file found for a level into it; nothing found reads nothing.
bool loadFound(Level& level, const std::optional<std::string>& found)
{
    if (!found) return false;
    std::string text;
    if (!readWholeFile(*found, text)) return false;
    const LevelCuts cuts = parseLevel(text, level);
    // Only a hand-made or hostile file gets here; the game plays what fits.
    if (cuts.any())
        std::fprintf(stderr, "%s holds more than a level may; left out: %s beyond the limit\n", found->c_str(),
                     cuts.describe().c_str());
    return true;
}

}  // namespace

bool Level::load(const std::string& fileName)
{
    if (fileName.empty()) return false;
    return loadFound(*this, findFileIgnoringCase(fileName));
}

bool Level::load(const std::string& folder, const std::string& name)
{
    if (name.empty()) return false;
    return loadFound(*this, findFileIgnoringCase(folder, name));
}
