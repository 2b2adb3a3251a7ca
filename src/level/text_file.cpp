#include "level/text_file.h"

#include "level/path_case.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

FileState readDataFile(const std::string& path, std::string& text, std::size_t limit)
{
    if (path.empty()) return FileState::kMissing;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR ? FileState::kMissing
                                                                                    : FileState::kUnreadable;
    // Only regular files: a folder opens as a stream on Linux but holds no
    // data, and a pipe or device could keep the reader waiting for ever.
    if (!S_ISREG(info.st_mode)) return FileState::kUnreadable;
    if (static_cast<std::uintmax_t>(info.st_size) > limit) return FileState::kTooLarge;
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileState::kUnreadable;
    // At most limit + 1 bytes: a file that has grown past the limit since
    // the size was looked at is still refused without being read whole.
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[16 * 1024];
    while (bytes.size() <= limit) {
        in.read(chunk, sizeof chunk);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (got == 0) break;
        bytes.append(chunk, std::min(got, limit + 1 - bytes.size()));
    }
    if (in.bad()) return FileState::kUnreadable;
    if (bytes.size() > limit) return FileState::kTooLarge;
    text = std::move(bytes);
    return FileState::kRead;
}

bool readWholeFile(const std::string& path, std::string& text)
{
    const FileState state = readDataFile(path, text);
    if (state == FileState::kTooLarge)
        std::fprintf(stderr, "%s is larger than any file of the game (%zu MB); it is not read\n", path.c_str(),
                     kMaxDataFileBytes / (1024 * 1024));
    return state == FileState::kRead;
}

std::optional<std::string> findFileIgnoringCase(const std::string& folder, const std::string& name)
{
    if (name.empty()) return std::nullopt;
    const ResolvedPath resolved = resolvePathIgnoringCase(folder, name);
    if (resolved.outcome == PathCase::kAmbiguous) {
        std::fprintf(stderr, "%s: names in %s differ only in letter case; none of them is read\n", name.c_str(),
                     resolved.clash.c_str());
        return std::nullopt;
    }
    std::error_code ec;
    if (resolved.outcome != PathCase::kFound || !fs::is_regular_file(resolved.path, ec)) return std::nullopt;
    return resolved.path;
}

std::optional<std::string> findFileIgnoringCase(const std::string& path)
{
    if (path.empty()) return std::nullopt;
    const fs::path given(path);
    return findFileIgnoringCase(given.parent_path().string(), given.filename().string());
}
