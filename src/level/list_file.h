#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "level/game.h"

/// Logs rewritten by the start-up scans, one "Found ..." line per entry.
inline const char* const kThemesLog = "themes.log";
inline const char* const kLevelsLog = "levels.log";

/// The most entries a scan keeps; the rest of a list is ignored. A list grown
/// by accident or malice to millions of entries would otherwise stall the
/// start for minutes (one picture load per theme, one row per level, drawn
/// every frame) and hold gigabytes.
constexpr std::size_t kMaxThemes = 256;
constexpr std::size_t kMaxLevels = 1000;

/// The entries of a list file: each is the text between a '<' and the next
/// '>'. Text outside entries is ignored, a '<' inside an entry is part of the
/// name, an entry without its '>' is dropped and "<>" is an empty name.
std::vector<std::string> parseListEntries(const std::string& text);

/// An entry that gives a name a word after it, as "<Bridge 1>": `word` is its
/// last word, `name` everything before the blanks ahead of that word, so a
/// name may hold spaces of its own. Both are empty when the entry has no blank
/// or nothing stands before it.
struct EntryWord {
    std::string_view name;
    std::string_view word;
};
EntryWord splitLastWord(std::string_view entry);

/// Reads a list file whole. Returns false, leaving `text` empty, when the file
/// cannot be opened for reading and writing: a read-only list counts as
/// missing, even for a user who could write it anyway. With `readOnly` (installed
/// data) only read access is asked for.
bool readListFile(const std::string& path, std::string& text, bool readOnly = false);

/// Scans `game.themesFile`, appending one theme per entry with its picture
/// "Themes/<name>.bmp" loaded through `load`, and rewrites `logPath`. A missing
/// list leaves the themes and the old log alone. Call once at start-up.
void scanThemes(Game& game, const TextureLoader& load, const std::string& logPath = kThemesLog);

/// The picture file of the theme of that name.
std::string themePicturePath(const std::string& name);

/// Loads every theme's picture again through `load`. A new GL context needs
/// this: the old texture names mean nothing there, or another picture.
void reloadThemePictures(Game& game, const TextureLoader& load);

/// Scans `game.levelsFile`, appending one named `Level` per entry, and
/// rewrites `logPath` the same way. Call once at start-up, after the menus.
void scanLevels(Game& game, const std::string& logPath = kLevelsLog);
