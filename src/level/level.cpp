#include "level/level.h"

#include <cstdio>
#include <optional>

#include "level/level_reader.h"
#include "level/text_file.h"

bool Level::load(const std::string& fileName)
{
    if (fileName.empty()) return false;
    std::optional<std::string> found = findFileIgnoringCase(fileName);
    if (!found) return false;
    std::string text;
    if (!readWholeFile(*found, text)) return false;
    const LevelCuts cuts = parseLevel(text, *this);
    // Only a hand-made or hostile file gets here; the game plays what fits.
    if (cuts.any())
        std::fprintf(stderr, "%s holds more than a level may; left out: %s beyond the limit\n", found->c_str(),
                     cuts.describe().c_str());
    return true;
}
