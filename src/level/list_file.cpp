#include "level/list_file.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "level/text_file.h"

namespace {

/// Whether the list is a regular file the game may write. Anything else (a
/// folder, a pipe that would block the read for ever) counts as missing.
bool isWritableRegularFile(const std::string& path)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (error || !fs::is_regular_file(status)) return false;
    const fs::perms perms = status.permissions();
    const fs::perms writeBits = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (perms & writeBits) != fs::perms::none;
}

/// Writes the log of one scan: a line break before every entry, none after
/// the last, so an empty list gives an empty log.
void writeLog(const std::string& logPath, const char* prefix, const std::vector<std::string>& names)
{
    if (logPath.empty()) return;  // nowhere to keep logs this run
    std::ofstream log(logPath, std::ios::binary | std::ios::trunc);
    for (const std::string& name : names) log << '\n' << prefix << name;
}

}  // namespace

std::vector<std::string> parseListEntries(const std::string& text)
{
    std::vector<std::string> entries;
    std::string name;
    bool inside = false;
    for (char c : text) {
        if (c == '>' && inside) {
            entries.push_back(name);
            name.clear();
            inside = false;
            continue;
        }
        if (inside) name += c;
        if (c == '<') inside = true;
    }
    return entries;
}

EntryWord splitLastWord(std::string_view entry)
{
    constexpr const char* kBlanks = " \t\r\n";
    const std::size_t end = entry.find_last_not_of(kBlanks);
    if (end == std::string_view::npos) return {};
    const std::size_t blank = entry.find_last_of(kBlanks, end);
    if (blank == std::string_view::npos) return {};
    const std::size_t nameEnd = entry.find_last_not_of(kBlanks, blank);
    if (nameEnd == std::string_view::npos) return {};
    return {entry.substr(0, nameEnd + 1), entry.substr(blank + 1, end - blank)};
}

bool readListFile(const std::string& path, std::string& text, bool readOnly)
{
    text.clear();
    if (readOnly) return readWholeFile(path, text);
    // The lists are opened for writing too, though never written: a list the
    // game could not write is treated as absent. Root may open any file for
    // writing, so the permission bits decide rather than the open alone.
    if (!isWritableRegularFile(path)) return false;
    std::error_code error;
    if (std::filesystem::file_size(path, error) > kMaxDataFileBytes) {
        std::fprintf(stderr, "%s is larger than any list of the game; it is not read\n", path.c_str());
        return false;
    }
    std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary);
    if (!file.is_open()) return false;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

void scanThemes(Game& game, const TextureLoader& load, const std::string& logPath)
{
    std::string text;
    if (!readListFile(game.themesFile, text, game.readOnlyData)) return;
    std::vector<std::string> names = parseListEntries(text);
    if (names.size() > kMaxThemes) names.resize(kMaxThemes);
    writeLog(logPath, "Found theme ", names);
    for (const std::string& name : names) {
        game.themes.emplace_back();
        game.themes.back().name = name;
        game.themes.back().texture = load ? load(themePicturePath(name)) : 0u;
    }
}

std::string themePicturePath(const std::string& name)
{
    return "Themes/" + name + ".bmp";
}

void reloadThemePictures(Game& game, const TextureLoader& load)
{
    for (Game::Theme& theme : game.themes) theme.texture = load ? load(themePicturePath(theme.name)) : 0u;
}

void scanLevels(Game& game, const std::string& logPath)
{
    std::string text;
    if (!readListFile(game.levelsFile, text, game.readOnlyData)) return;
    std::vector<std::string> names = parseListEntries(text);
    if (names.size() > kMaxLevels) names.resize(kMaxLevels);
    writeLog(logPath, "Found level ", names);
    for (const std::string& name : names) game.levels.emplace_back(name);
}
