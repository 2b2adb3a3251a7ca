#pragma once

#include <string>

/// How a path whose letter case may differ from the disk was found.
enum class PathCase {
    kFound,      ///< every component exists in exactly one spelling
    kMissing,    ///< some component does not exist in any spelling
    kAmbiguous,  ///< some component exists in two or more spellings
};

struct ResolvedPath {
    PathCase outcome = PathCase::kMissing;
    /// The path with every component that exists in one spelling written as
    /// on disk; components from the first missing one on are kept as given,
    /// so a new file is created beside the existing spelling of its folder.
    /// Empty when the outcome is kAmbiguous.
    std::string path;
    /// For kAmbiguous: the folder holding the clashing spellings.
    std::string clash;
};

/// Looks `name` up inside `folder` one component at a time, ignoring ASCII
/// letter case, as the game's names come from a system where case does not
/// matter. The folder itself is the player's choice and is used exactly as
/// given (empty for the working folder); the result is folder joined with
/// name. A component of name that exists in two spellings in its folder is
/// an error, never a guess. "." and ".." are kept as they are. Never throws.
ResolvedPath resolvePathIgnoringCase(const std::string& folder, const std::string& name);

/// Compares two names ignoring ASCII letter case.
bool equalIgnoringCase(const std::string& a, const std::string& b);
