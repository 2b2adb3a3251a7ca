#include "level/text_file.h"

#include "level/path_case.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;


bool readWholeFile(const std::string& path, std::string& text)
{
    if (path.empty()) return false;
    std::error_code ec;
    // Only regular files: a folder opens as a stream on Linux but holds no
    // data, and a pipe or device could keep the reader waiting for ever.
    if (!fs::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return false;
    text = std::move(bytes);
    return true;
}

std::optional<std::string> findFileIgnoringCase(const std::string& path)
{
    if (path.empty()) return std::nullopt;
    const ResolvedPath resolved = resolvePathIgnoringCase(path);
    if (resolved.outcome == PathCase::kAmbiguous) {
        std::fprintf(stderr, "%s: names in %s differ only in letter case; none of them is read\n", path.c_str(),
                     resolved.clash.c_str());
        return std::nullopt;
    }
    std::error_code ec;
    if (resolved.outcome != PathCase::kFound || !fs::is_regular_file(resolved.path, ec)) return std::nullopt;
    return resolved.path;
}
