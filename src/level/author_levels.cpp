#include "level/author_levels.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "level/text_file.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kSaveExtension = ".TXT";
constexpr const char* kUnnamedSave = "output.txt";

struct Found {
    AuthorLevel level;
    fs::file_time_type written;
};

}  // namespace

bool isAuthorLevelFileName(const std::string& fileName)
{
    const std::string extension = kSaveExtension;
    if (fileName == kUnnamedSave) return true;
    return fileName.size() > extension.size() &&
           fileName.compare(fileName.size() - extension.size(), extension.size(), extension) == 0;
}

std::vector<AuthorLevel> scanAuthorLevels(const std::string& folder, std::size_t* notListed)
{
    std::vector<Found> found;
    std::error_code error;
    fs::directory_iterator it(folder.empty() ? "." : folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
        const std::string fileName = it->path().filename().string();
        if (!isAuthorLevelFileName(fileName)) continue;
        Found entry;
        entry.level.path = it->path().string();
        if (folder.empty() || folder == ".") entry.level.path = fileName;
        entry.level.name = fileName == kUnnamedSave
                               ? "output"
                               : fileName.substr(0, fileName.size() - std::string(kSaveExtension).size());
        // Opening is enough to tell: the reader takes any text, up to the
        // size no level comes near.
        std::error_code typeError;
        entry.level.readable = fs::is_regular_file(it->path(), typeError) &&
                               fs::file_size(it->path(), typeError) <= kMaxDataFileBytes && !typeError &&
                               std::ifstream(entry.level.path, std::ios::binary).is_open();
        std::error_code timeError;
        entry.written = fs::last_write_time(it->path(), timeError);
        found.push_back(std::move(entry));
    }

    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        if (a.written != b.written) return a.written > b.written;
        return a.level.name < b.level.name;
    });
    std::vector<AuthorLevel> levels;
    for (Found& entry : found) {
        if (levels.size() == kMaxAuthorLevelsListed) break;
        levels.push_back(std::move(entry.level));
    }
    if (notListed) *notListed = found.size() - levels.size();
    return levels;
}
