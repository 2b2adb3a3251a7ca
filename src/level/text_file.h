#pragma once

#include <cstddef>
#include <optional>
#include <string>

/// Data files (levels, lists, the menu description) larger than this are
/// refused unread: the biggest real level is a few kilobytes, and reading a
/// gigabyte file whole would freeze the game and take its memory.
inline constexpr std::size_t kMaxDataFileBytes = 4 * 1024 * 1024;

/// What looking at a file the game wants to read found.
enum class FileState {
    kRead,        ///< read (an empty file reads as an empty text)
    kMissing,     ///< nothing by that name
    kUnreadable,  ///< something is there, but it cannot be read as a file
    kTooLarge,    ///< a regular file beyond the size limit, left unread
};

/// Reads a whole data file into text, byte for byte, when it is a regular
/// file of at most `limit` bytes; otherwise leaves text unchanged and says
/// why. Folders, pipes and devices are unreadable (a pipe could keep the
/// reader waiting for ever). The path is used unchanged. Never reads more
/// than limit + 1 bytes, also of a file that grows while it is read.
FileState readDataFile(const std::string& path, std::string& text, std::size_t limit = kMaxDataFileBytes);

/// readDataFile reduced to success: false when the file is missing,
/// unreadable or beyond kMaxDataFileBytes (then stderr says so).
bool readWholeFile(const std::string& path, std::string& text);

/// A file of the game's by a name that may differ in letter case from the
/// disk: `folder` is taken exactly as given (the player chose it), and every
/// component of `name` ("levels/Bridge.txt") is looked up in it ignoring
/// ASCII case. Returns the path as spelled on disk; nothing when no regular
/// file matches, or when some component of name exists in more than one
/// spelling (then stderr says so: the game never guesses). Never throws.
std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name);

/// The same for a whole path whose folder is known only as part of it: its
/// last component is looked up ignoring case in its folder, taken as given.
std::optional<std::string> findFileIgnoringCase(const std::string& path);
