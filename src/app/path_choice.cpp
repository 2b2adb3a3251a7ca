#include "app/path_choice.h"

#include <filesystem>

namespace {

/// The value of an environment variable, empty when unset.
std::string variable(const PathInputs& inputs, const char* name)
{
    if (!inputs.environment) return {};
    const char* value = inputs.environment(name);
    return value ? std::string(value) : std::string();
}

bool isAbsolute(const std::string& path)
{
    return !path.empty() && path.front() == '/';
}

/// path made absolute against the working folder, and tidied ("a/./b/" -> "a/b").
std::string absoluteFrom(const std::string& base, const std::string& path)
{
    std::filesystem::path full = isAbsolute(path) ? std::filesystem::path(path) : std::filesystem::path(base) / path;
    std::string text = full.lexically_normal().string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

/// An XDG base folder: the variable when it holds an absolute path (anything
/// else is ignored, as the XDG rules ask), else <home>/<fallback>; empty when
/// there is no home either.
std::string xdgBase(const PathInputs& inputs, const char* name, const char* fallback)
{
    const std::string value = variable(inputs, name);
    if (isAbsolute(value)) return absoluteFrom("/", value);
    std::string home = variable(inputs, "HOME");
    if (!isAbsolute(home)) home = inputs.homeDir;
    if (!isAbsolute(home)) return {};
    return absoluteFrom(home, fallback);
}

std::string xdgFolder(const PathInputs& inputs, const char* name, const char* fallback)
{
    const std::string base = xdgBase(inputs, name, fallback);
    return base.empty() ? base : base + "/" + kUserFolderName;
}

bool holdsData(const PathInputs& inputs, const std::string& dir)
{
    return !dir.empty() && inputs.holdsGameData && inputs.holdsGameData(dir);
}

} // namespace

PathChoice choosePaths(const PathInputs& inputs)
{
    PathChoice choice;
    std::string dataDir = inputs.dataDirOption;
    if (dataDir.empty()) dataDir = variable(inputs, "TANGLOOP_DATA_DIR");

    if (!dataDir.empty()) {
        choice.portable = false;
        choice.paths.dataDir = absoluteFrom(inputs.workingDir, dataDir);
    } else if (holdsData(inputs, inputs.workingDir)) {
        choice.portable = true;
    } else if (holdsData(inputs, inputs.executableDir)) {
        choice.portable = true;
        choice.changeToDir = inputs.executableDir;
    } else if (!inputs.executableDir.empty() && inputs.isFolder &&
               inputs.isFolder(absoluteFrom(inputs.executableDir, kInstalledDataDir))) {
        choice.portable = false;
        choice.paths.dataDir = absoluteFrom(inputs.executableDir, kInstalledDataDir);
    }

    if (!choice.portable) {
        choice.paths.userDir = xdgFolder(inputs, "XDG_DATA_HOME", ".local/share");
        choice.paths.stateDir = xdgFolder(inputs, "XDG_STATE_HOME", ".local/state");
        choice.paths.configDir = xdgFolder(inputs, "XDG_CONFIG_HOME", ".config");
    }

    std::string userDir = inputs.userDirOption;
    if (userDir.empty()) userDir = variable(inputs, "TANGLOOP_USER_DIR");
    if (!userDir.empty()) {
        const std::string folder = absoluteFrom(inputs.workingDir, userDir);
        choice.paths.userDir = choice.paths.stateDir = choice.paths.configDir = folder;
    }
    return choice;
}

std::string dataFolderProblem(const PathInputs& inputs, const std::string& dataDir)
{
    if (!inputs.isFolder || !inputs.isFolder(dataDir)) return "there is no folder " + dataDir;
    if (!holdsData(inputs, dataDir))
        return "the folder " + dataDir + " holds no game data (" + kDataMarker + " is missing)";
    return {};
}
