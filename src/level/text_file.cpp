#include "level/text_file.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]);
        unsigned char cb = static_cast<unsigned char>(b[i]);
        if (std::tolower(ca) != std::tolower(cb)) return false;
    }
    return true;
}

} // namespace

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
    std::error_code ec;
    if (fs::exists(path, ec)) return path;

    fs::path wanted(path);
    std::string name = wanted.filename().string();
    if (name.empty()) return std::nullopt;
    fs::path folder = wanted.parent_path();
    fs::path listed = folder.empty() ? fs::path(".") : folder;

    std::optional<std::string> found;
    fs::directory_iterator it(listed, ec);
    if (ec) return std::nullopt;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) return std::nullopt;
        std::string candidate = it->path().filename().string();
        if (!equalIgnoringCase(candidate, name)) continue;
        if (!it->is_regular_file(ec)) continue;
        // Two spellings of one name: no way to tell which was meant.
        if (found) return std::nullopt;
        found = (folder / candidate).string();
    }
    return found;
}
