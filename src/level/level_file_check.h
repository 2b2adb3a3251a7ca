#pragma once

#include <string>

/// Why the level file at path cannot be opened, as one line for the player
/// ("no such file", "is a folder", "cannot be read", "is larger than any
/// level", "holds no level"); empty when it can. A file in which the reader
/// finds nothing it knows holds no level. Reads the whole file, up to the
/// data size limit; never throws.
std::string levelFileProblem(const std::string& path);
