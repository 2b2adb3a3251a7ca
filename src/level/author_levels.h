#pragma once

#include <string>
#include <vector>

/// One level the author saved from the editor, as "Your Levels" lists it.
struct AuthorLevel {
    std::string name;      ///< shown in the list: the file name without ".TXT"
    std::string path;      ///< the file, folder included
    bool readable = false; ///< the file could be read when the folder was scanned
};

/// True for the names the editor's Save gives its files: "output.txt" (for an
/// empty name) and any name ending in ".TXT", the case the editor writes.
bool isAuthorLevelFileName(const std::string& fileName);

/// The levels the editor saved in folder, newest first (by the time each file
/// was last written; equal times by name). An entry that cannot be read is
/// listed with readable false, as is one larger than any level; a folder
/// that cannot be listed gives none. At most kMaxAuthorLevelsListed are
/// returned; `notListed`, when given, receives how many more there are.
/// Never throws.
std::vector<AuthorLevel> scanAuthorLevels(const std::string& folder, std::size_t* notListed = nullptr);

/// A folder full of saves is still a list one can read; the rest are counted.
inline constexpr std::size_t kMaxAuthorLevelsListed = 500;

/// Renames the author's level at path to newName, in its own folder, under
/// the name Save would give it (newName + ".TXT"). Returns what went wrong
/// for the author to read, or an empty text when it was renamed. Never
/// replaces another level (letter case aside) and never throws.
std::string renameAuthorLevel(const std::string& path, const std::string& newName);

/// Deletes the author's level at path. Returns what went wrong, or an empty
/// text when it is gone. Never throws.
std::string deleteAuthorLevel(const std::string& path);
