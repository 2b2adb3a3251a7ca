#pragma once

#include <string>
#include <string_view>

struct Simulation;

/// What a save did: the file name actually used (shown to the author as
/// "Saved: " + name) and whether the file is now fully on disk.
struct LevelSaveResult {
    std::string fileName;
    bool written = false;
};

/// The file name a typed name is saved under: "output.txt" for an empty name;
/// otherwise ".TXT" is appended unless the name already contains ".TXT"
/// anywhere (case-sensitive, so "hill.txt" becomes "hill.txt.TXT").
std::string levelSaveName(const std::string& typedName);

/// Formats a float as the level files store it: %g with 6 significant digits
/// ("3", "0.3", "-1.25"), but never with an exponent, which the reader takes
/// as 0: one ten-millionth is "0.0000001", two million "2000000". Infinity
/// is written as a number too large for a float, NaN as "0".
std::string formatLevelNumber(float value);

/// The characters the record grammar reads as structure. A text value
/// holding one would be cut or misread when read back.
inline constexpr std::string_view kLevelGrammarChars = "()[]{}:;<>";
bool isLevelGrammarChar(char c);

/// A text value (theme name, description) as it can be stored: without the
/// grammar's characters.
std::string levelTextValue(const std::string& text);

/// The whole level text of a world, one line in the record grammar, sections
/// in the order header, lines, exit, dock points, triangles, ropes, balls.
/// The header holds the description (the task the intro shows) only when
/// there is one, so a level without one is written as it always was. Text
/// values lose the grammar's characters (levelTextValue). Pure.
std::string formatLevel(const Simulation& world, const std::string& themeName,
                        const std::string& description = {});

/// Saves world with its theme (and description, when not empty) under levelSaveName(typedName) in `folder`
/// (empty or "." for the working directory; fileName stays the bare name).
/// The file is replaced whole or not at all: a save that fails leaves any
/// earlier file of that name as it was and reports written = false.
LevelSaveResult saveLevelFile(const Simulation& world, const std::string& themeName,
                              const std::string& typedName, const std::string& folder = ".",
                              const std::string& description = {});
