#pragma once

#include <string>
#include <string_view>

/// The player's choices that outlive a run: window size and mode, sound.
/// Stored as "key value" lines in settings.txt in the folder where the game
/// keeps its settings. Anything missing, unknown or out of range falls back
/// to the default, so a broken file can never stop the game.
struct Settings {
    int windowWidth = 800;    ///< windowed size in screen points, restored at start
    int windowHeight = 600;
    bool maximized = false;   ///< the window was maximised when the game closed
    bool fullscreen = false;  ///< start in full screen
    int volume = 80;          ///< master volume, 0..100
    bool muted = false;       ///< M silences every sound
};

inline constexpr const char* kSettingsFileName = "settings.txt";
inline constexpr int kMinWindowSize = 160;    ///< smaller windows are not kept
inline constexpr int kMaxWindowSize = 16384;  ///< larger values are garbage
inline constexpr int kMaxVolume = 100;

/// Reads settings text: one "key value" pair a line, '#' starts a comment.
/// Unknown keys, bad numbers and out-of-range values are skipped (the default
/// stays); window sizes outside [kMinWindowSize, kMaxWindowSize] are dropped
/// as a pair.
Settings parseSettings(std::string_view text);

/// The text parseSettings reads back as the same settings.
std::string formatSettings(const Settings& settings);

/// Reads the file at path; a missing, unreadable or huge file gives defaults.
Settings loadSettings(const std::string& path);

/// Whether something is at path that cannot be read back as a settings file
/// (no permission, not a regular file, far too large). Such a file is never
/// written over: it is not the game's to replace.
bool settingsFileUnreadable(const std::string& path);

/// Writes the file at path atomically. Returns false (after one line on
/// stderr) when it could not be written, or when settingsFileUnreadable says
/// the file there is not to be replaced; the old file is then left whole.
bool saveSettings(const std::string& path, const Settings& settings);
