#include "level/settings.h"

#include <charconv>
#include <cstdio>

#include "level/atomic_file.h"
#include "level/text_file.h"

namespace {

constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

std::string_view trim(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

/// A whole decimal integer, nothing else on the value; false otherwise.
bool readInt(std::string_view value, int& out)
{
    int parsed = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), parsed);
    if (error != std::errc() || end != value.data() + value.size()) return false;
    out = parsed;
    return true;
}

bool readBool(std::string_view value, bool& out)
{
    if (value == "1" || value == "yes" || value == "true") { out = true; return true; }
    if (value == "0" || value == "no" || value == "false") { out = false; return true; }
    return false;
}

bool validWindowSize(int size) { return size >= kMinWindowSize && size <= kMaxWindowSize; }

/// Applies one "key value" pair; the window size is checked by the caller as a pair.
void applyPair(std::string_view key, std::string_view value, Settings& settings, int& width, int& height)
{
    int number = 0;
    if (key == "window_width" && readInt(value, number)) width = number;
    else if (key == "window_height" && readInt(value, number)) height = number;
    else if (key == "maximized") readBool(value, settings.maximized);
    else if (key == "fullscreen") readBool(value, settings.fullscreen);
    else if (key == "muted") readBool(value, settings.muted);
    else if (key == "volume" && readInt(value, number) && number >= 0 && number <= kMaxVolume)
        settings.volume = number;
}

} // namespace

Settings parseSettings(std::string_view text)
{
    Settings settings;
    int width = -1;
    int height = -1;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
        line = trim(line);
        const std::size_t space = line.find_first_of(" \t=");
        if (line.empty() || space == std::string_view::npos) continue;
        std::string_view value = trim(line.substr(space + 1));
        if (!value.empty() && value.front() == '=') value = trim(value.substr(1));
        applyPair(line.substr(0, space), value, settings, width, height);
    }
    if (validWindowSize(width) && validWindowSize(height)) {
        settings.windowWidth = width;
        settings.windowHeight = height;
    }
    return settings;
}

std::string formatSettings(const Settings& settings)
{
    char text[256];
    std::snprintf(text, sizeof text,
                  "# Tangloop settings, rewritten when the game closes\n"
                  "window_width %d\nwindow_height %d\nmaximized %d\nfullscreen %d\n"
                  "volume %d\nmuted %d\n",
                  settings.windowWidth, settings.windowHeight, settings.maximized ? 1 : 0,
                  settings.fullscreen ? 1 : 0, settings.volume, settings.muted ? 1 : 0);
    return text;
}

Settings loadSettings(const std::string& path)
{
    // A settings file is a few lines; anything large is not one of ours.
    std::string text;
    if (readDataFile(path, text, kMaxSettingsBytes) != FileState::kRead) return Settings{};
    return parseSettings(text);
}

bool settingsFileUnreadable(const std::string& path)
{
    std::string text;
    const FileState state = readDataFile(path, text, kMaxSettingsBytes);
    return state == FileState::kUnreadable || state == FileState::kTooLarge;
}

bool saveSettings(const std::string& path, const Settings& settings)
{
    if (settingsFileUnreadable(path)) {
        std::fprintf(stderr, "Not saving settings: %s is there but cannot be read, so it is left as it is\n",
                     path.c_str());
        return false;
    }
    if (writeFileAtomically(path, formatSettings(settings))) return true;
    std::fprintf(stderr, "Unable to save settings to %s\n", path.c_str());
    return false;
}
