#pragma once

#include <optional>
#include <string>

/// Reads a whole data file into text, byte for byte. Returns false, leaving
/// text unchanged, when the file cannot be opened (missing, unreadable, or not
/// a regular file: a folder, a pipe, a device). An empty file reads as an
/// empty text and returns true. The path is used unchanged, relative to the
/// working directory.
bool readWholeFile(const std::string& path, std::string& text);

/// Resolves a file name whose letter case may differ from the file on disk:
/// every component, folders included, is looked up ignoring ASCII case, and
/// the path as spelled on disk is returned. Returns nothing when no regular
/// file matches, or when some component exists in more than one spelling
/// (then stderr says so: the game never guesses). Never throws.
std::optional<std::string> findFileIgnoringCase(const std::string& path);
