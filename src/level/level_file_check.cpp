#include "level/level_file_check.h"

#include <filesystem>
#include <system_error>

#include "level/level.h"
#include "level/level_reader.h"
#include "level/text_file.h"

namespace {

/// Nothing of a level was found: every list empty and every field as a new
/// Level has it.
bool holdsNothing(const Level& level)
{
    const Level empty;
    return level.ropes.empty() && level.balls.empty() && level.lines.empty() &&
           level.vertices.empty() && level.dockPoints.empty() && level.size.x == empty.size.x &&
           level.size.y == empty.size.y && level.exitPosition.x == empty.exitPosition.x &&
           level.exitPosition.y == empty.exitPosition.y && level.exitRadius == empty.exitRadius &&
           level.description.empty() && level.theme.empty();
}

}  // namespace

std::string levelFileProblem(const std::string& path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return "no such file";
    if (std::filesystem::is_directory(status)) return "is a folder";
    std::string text;
    switch (readDataFile(path, text)) {
    case FileState::kRead: break;
    case FileState::kTooLarge:
        return "is larger than any level (over " + std::to_string(kMaxDataFileBytes / (1024 * 1024)) + " MB)";
    default: return "cannot be read";
    }
    Level level;
    parseLevel(text, level);
    if (holdsNothing(level)) return "holds no level";
    return {};
}
