#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// Replaces the file at path with bytes, or leaves whatever was there
/// untouched: the bytes go to a temporary file in the same folder, which is
/// flushed and then renamed over the target. Returns true only when the new
/// file is fully in place. Fails (returning false) when the folder does not
/// exist or cannot be written, when path names a folder, or when any write
/// fails part-way; the temporary file is removed on failure.
bool writeFileAtomically(const std::string& path, std::string_view bytes);

namespace atomic_file_testing {
/// Makes the next writeFileAtomically fail after writing this many bytes of
/// the temporary file, as a full disk would. For tests only.
void failNextWriteAfter(std::size_t bytes);
} // namespace atomic_file_testing
