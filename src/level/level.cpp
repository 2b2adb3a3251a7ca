#include "level/level.h"

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
    parseLevel(text, *this);
    return true;
}
