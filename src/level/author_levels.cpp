#include "level/author_levels.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
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

std::string renameAuthorLevel(const std::string& path, const std::string& newName)
{
    const bool blank = newName.find_first_not_of(' ') == std::string::npos;
    if (blank || newName.find('/') != std::string::npos || newName.find('\\') != std::string::npos)
        return "A level needs a name of letters and digits.";
    const fs::path from(path);
    const fs::path to = from.parent_path() / (newName + kSaveExtension);
    std::error_code error;
    // Only the letter case changing is renaming the level to itself.
    const std::optional<std::string> taken = findFileIgnoringCase(to.string());
    if (taken && !fs::equivalent(*taken, from, error))
        return "There is a level called " + newName + " already.";
    fs::rename(from, to, error);
    if (error) return "Could not rename it: " + error.message() + ".";
    return {};
}

std::string deleteAuthorLevel(const std::string& path)
{
    std::error_code error;
    if (!fs::remove(path, error) && !error) return "It was gone already.";
    if (error) return "Could not delete it: " + error.message() + ".";
    return {};
}
