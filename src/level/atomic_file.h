#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// Replaces the file at path with bytes, or leaves whatever was there
/// untouched: the bytes go to a temporary file in the same folder, which is
/// flushed and then renamed over the target. A file being replaced keeps its
/// permission bits; a symbolic link is written through to its target, but
/// only to a regular file (or a target that does not exist yet): a device,
/// pipe, socket or folder at the end of the path is refused, never replaced. When
/// the folder takes no new files but the file itself is writable, the bytes
/// are written into the file in place (space reserved first, so a full disk
/// still leaves the old file whole) and stderr says the write was not atomic.
/// Returns true only when the new bytes are fully in place. Fails (returning
/// false) when the folder does not exist or cannot be written, when path
/// names a folder, or when any write fails part-way (full disk, file-size
/// limit); the temporary file is removed on failure, and errno then tells
/// why (ENOSPC for a full disk, EACCES or EROFS for a folder that takes no
/// files, EINVAL for a target that is not a regular file).
bool writeFileAtomically(const std::string& path, std::string_view bytes);

/// When path is a symbolic link (or a chain of them) whose final target lies
/// outside the folder the link is in (and the folders below it), that target;
/// empty otherwise. A save through such a link writes somewhere the player
/// did not choose, so the editor asks first.
std::string linkTargetOutsideFolder(const std::string& path);

namespace atomic_file_testing {
/// Makes the next writeFileAtomically fail after writing this many bytes of
/// the temporary file, as a full disk would. For tests only.
void failNextWriteAfter(std::size_t bytes);
} // namespace atomic_file_testing
