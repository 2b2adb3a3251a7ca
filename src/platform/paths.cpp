// Start-up of the folders: what the platform knows (environment, the binary's
// place, the working folder, what exists) goes to choosePaths, and the choice
// is carried out here once, before anything is read.
#include <sys/stat.h>
#include <unistd.h>
#include <pwd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "app/game_paths.h"
#include "app/path_choice.h"
#include "platform/paths.h"

#ifndef TANGLOOP_APP_ID
#define TANGLOOP_APP_ID "tangloop"
#endif

namespace fs = std::filesystem;

namespace {

/// What the player is to be told once the window is up; empty when nothing.
std::string pendingNotice;

std::string executableFolder()
{
    std::error_code error;
    const fs::path binary = fs::read_symlink("/proc/self/exe", error);
    return error ? std::string() : binary.parent_path().string();
}

std::string workingFolder()
{
    std::error_code error;
    const fs::path here = fs::current_path(error);
    return error ? std::string() : here.string();
}

std::string accountHome()
{
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? std::string(entry->pw_dir) : std::string();
}

enum class FolderUse { kWritable, kReadOnly, kUnusable };

/// Makes a per-user folder (the last step private to the player, as the XDG
/// rules ask) and checks that files can be made in it. Returns the reason
/// when it cannot be written, empty when it can; `use` tells whether what is
/// in it can still be read.
std::string prepareFolder(const std::string& dir, FolderUse* use = nullptr)
{
    if (use) *use = FolderUse::kUnusable;
    if (dir.empty()) return "no home folder is known";
    std::error_code error;
    const bool existed = fs::is_directory(dir, error);
    if (!existed) {
        fs::create_directories(dir, error);
        if (error) return error.message();
        ::chmod(dir.c_str(), 0700);
    }
    if (::access(dir.c_str(), W_OK | X_OK) != 0) {
        if (use && ::access(dir.c_str(), R_OK | X_OK) == 0) *use = FolderUse::kReadOnly;
        return "it cannot be written";
    }
    if (use) *use = FolderUse::kWritable;
    return {};
}

/// Tells the player once, in the log now and in a message box over the
/// window, that what the game writes this run will not be kept.
void reportUnusableFolder(const std::string& dir, const std::string& reason)
{
    const std::string where = dir.empty() ? std::string("the per-user folder") : dir;
    std::cerr << "tangloop: cannot use " << where << " (" << reason
              << "); progress and saved levels will not be kept this time\n";
    pendingNotice = "Progress cannot be kept this run: your folder cannot be used";
}

} // namespace

std::string takeStartUpNotice()
{
    std::string notice;
    notice.swap(pendingNotice);
    return notice;
}

void nameApplication()
{
    // The window's class is the game's desktop id, so desktops match the
    // window to its launcher and icon. A class set by the player wins.
    setenv("SDL_VIDEO_X11_WMCLASS", TANGLOOP_APP_ID, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", TANGLOOP_APP_ID, 0);
}

bool startUpPaths(const std::string& dataDirOption, const std::string& userDirOption)
{
    PathInputs inputs;
    inputs.dataDirOption = dataDirOption;
    inputs.userDirOption = userDirOption;
    inputs.environment = [](const char* name) -> const char* { return std::getenv(name); };
    inputs.homeDir = accountHome();
    inputs.executableDir = executableFolder();
    inputs.workingDir = workingFolder();
    inputs.holdsGameData = [](const std::string& dir) {
        std::error_code error;
        return fs::is_regular_file(fs::path(dir) / kDataMarker, error);
    };
    inputs.isFolder = [](const std::string& dir) {
        std::error_code error;
        return fs::is_directory(dir, error);
    };
    PathChoice choice = choosePaths(inputs);

    if (!choice.changeToDir.empty() && ::chdir(choice.changeToDir.c_str()) != 0) {
        std::cerr << "tangloop: cannot enter the game folder " << choice.changeToDir << "\n";
        return false;
    }
    if (!choice.portable) {
        const std::string problem = dataFolderProblem(inputs, choice.paths.dataDir);
        if (!problem.empty()) {
            std::cerr << "tangloop: " << problem << "\n";
            return false;
        }
    } else if (!inputs.holdsGameData(".")) {
        // Played as the folder is (no menu screens, only closing the window
        // leaves), but not without saying why the window stays empty.
        std::cerr << "tangloop: no game data in " << workingFolder() << " (" << kDataMarker
                  << " is missing): the window stays empty; start the game in its own folder or give --data-dir DIR\n";
    }

    // The per-user folders: progress and saves matter to the player; logs and
    // settings are dropped quietly when their folder cannot be had.
    GamePaths& paths = choice.paths;
    if (paths.userDir != ".") {
        FolderUse use = FolderUse::kUnusable;
        const std::string reason = prepareFolder(paths.userDir, &use);
        if (use == FolderUse::kReadOnly) {
            // Everything in it is still the player's to see; each write that
            // fails says so where the player looks.
            std::cerr << "tangloop: " << paths.userDir
                      << " cannot be written: its levels and progress are read, but nothing new is kept\n";
            pendingNotice = "Your folder is read-only: nothing new is kept this run";
        } else if (!reason.empty()) {
            reportUnusableFolder(paths.userDir, reason);
            paths.userDir.clear();
        }
    }
    for (std::string* dir : {&paths.stateDir, &paths.configDir}) {
        if (*dir != "." && !prepareFolder(*dir).empty()) dir->clear();
    }
    setGamePaths(paths);
    return true;
}
