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
/// returns path itself when it exists, otherwise the one file of the same
/// folder whose name equals the last component ignoring ASCII case (the folder
/// part is kept as given). Returns nothing when no file, or more than one,
/// matches that way. Never throws.
std::optional<std::string> findFileIgnoringCase(const std::string& path);
