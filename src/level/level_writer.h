#pragma once

#include <string>

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

/// The whole level text of a world, one line in the record grammar, sections
/// in the order header, lines, exit, dock points, triangles, ropes, balls.
/// The description is never written. Pure.
std::string formatLevel(const Simulation& world, const std::string& themeName);

/// Saves world with its theme under levelSaveName(typedName) in `folder`
/// (empty or "." for the working directory; fileName stays the bare name).
/// The file is replaced whole or not at all: a save that fails leaves any
/// earlier file of that name as it was and reports written = false.
LevelSaveResult saveLevelFile(const Simulation& world, const std::string& themeName,
                              const std::string& typedName, const std::string& folder = ".");
