#include "level/path_case.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

namespace {

enum class Lookup { kOne, kNone, kMany };

// The spelling of name inside folder, if exactly one entry matches it.
Lookup findInFolder(const fs::path& folder, const std::string& name, std::string& spelling)
{
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return Lookup::kNone;
    int matches = 0;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) return matches ? Lookup::kOne : Lookup::kNone;
        const std::string candidate = it->path().filename().string();
        if (!equalIgnoringCase(candidate, name)) continue;
        spelling = candidate;
        if (++matches > 1) return Lookup::kMany;
    }
    return matches ? Lookup::kOne : Lookup::kNone;
}

} // namespace

ResolvedPath resolvePathIgnoringCase(const std::string& folder, const std::string& name)
{
    ResolvedPath result;
    if (name.empty()) return result;
    const fs::path given(name);
    fs::path built(folder == "." ? std::string() : folder);
    bool missing = false;
    for (const fs::path& part : given) {
        const std::string component = part.string();
        if (missing || component.empty() || component == "." || component == ".." || part == given.root_path() ||
            part == given.root_directory()) {
            built /= part;
            continue;
        }
        std::string spelling;
        switch (findInFolder(built, component, spelling)) {
        case Lookup::kOne: built /= spelling; break;
        case Lookup::kNone:
            missing = true;
            built /= part;
            break;
        case Lookup::kMany:
            result.outcome = PathCase::kAmbiguous;
            result.clash = (built.empty() ? fs::path(".") : built).string();
            return result;
        }
    }
    result.outcome = missing ? PathCase::kMissing : PathCase::kFound;
    result.path = built.string();
    return result;
}
