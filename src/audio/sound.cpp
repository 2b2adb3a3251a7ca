// The game's side of sound: the effects, the player's volume and mute, and
// the requests handed to the mixer that the platform's audio output drains.
#include "audio/sound.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "app/clock.h"
#include "app/game_paths.h"
#include "app/view.h"
#include "input/input.h"
#include "audio/sound_control.h"
#include "audio/sound_synth.h"
#include "level/settings.h"

namespace {

constexpr int kVolumeStep = 10;
constexpr float kOverlayWidth = 800.0f;
/// How far to the sides sounds are placed at the screen's edges; a little
/// short of fully one side, which is tiring in headphones.
constexpr float kPanWidth = 0.8f;

struct SoundState {
    Mixer mixer;
    std::array<std::vector<float>, kSoundCount> bank;
    std::array<std::uint32_t, kSoundCount> lastPlayed{};
    std::array<bool, kSoundCount> playedOnce{};
    bool outputOpen = false;
    bool muted = false;       ///< silent now, by M or --mute
    bool mutedChoice = false; ///< what the settings file keeps: M, never --mute
    int volume = Settings{}.volume;
    SoundRequestHook hook = nullptr;
};

SoundState& state()
{
    static SoundState sound;
    return sound;
}

/// The shortest time between two of the same effect, ms: a slider dragged
/// fast would otherwise buzz, and a double request sound like one loud one.
std::uint32_t minimumInterval(SoundId id)
{
    switch (id) {
    case SoundId::SliderTick: return 45;
    case SoundId::RopeSelected:
    case SoundId::ScreenOpened: return 80;
    default: return 15;
    }
}

/// The loudness curve of the volume setting: the ear hears the square of the
/// gain about as evenly spaced steps.
void applyMasterGain()
{
    SoundState& sound = state();
    const float level = static_cast<float>(sound.volume) / static_cast<float>(kMaxVolume);
    sound.mixer.setMasterGain(sound.muted ? 0.0f : level * level);
}

} // namespace

void saveSoundChoice()
{
    // The file holds the window's choices too: read it whole, change ours.
    const std::string path = joinPath(gamePaths().configDir, kSettingsFileName);
    Settings settings = loadSettings(path);
    settings.volume = state().volume;
    settings.muted = state().mutedChoice;
    saveSettings(path, settings);
}

void toggleSoundMuted()
{
    setSoundMuted(!soundMuted());
    saveSoundChoice();
}

void initSound(const Settings& stored, bool muteThisRun)
{
    SoundState& sound = state();
    for (int i = 0; i < kSoundCount; ++i) sound.bank[i] = synthesizeSound(static_cast<SoundId>(i));
    sound.volume = std::clamp(stored.volume, 0, kMaxVolume);
    sound.mutedChoice = stored.muted;
    sound.muted = stored.muted || muteThisRun;
    applyMasterGain();
}

void keepSoundChoice(Settings& settings)
{
    settings.volume = state().volume;
    settings.muted = state().mutedChoice;
}

Mixer& soundMixer()
{
    return state().mixer;
}

void setSoundOutputOpen(bool open)
{
    state().outputOpen = open;
}

bool soundOutputOpen()
{
    return state().outputOpen;
}

int soundVolume()
{
    return state().volume;
}

void setSoundVolume(int volume)
{
    state().volume = std::clamp(volume, 0, kMaxVolume);
    applyMasterGain();
}

bool soundMuted()
{
    return state().muted;
}

void setSoundMuted(bool muted)
{
    state().muted = muted;
    state().mutedChoice = muted;
    applyMasterGain();
}

bool soundKeyDown(int virtualKey, bool repeated)
{
    if (virtualKey == letterKey('M')) {
        if (!repeated) toggleSoundMuted();
        return true;
    }
    // The main row's keys that type - and + (or =) on the player's layout,
    // and the keypad's.
    const bool louder = virtualKey == kVkAdd || virtualKey == kVkOemPlus;
    const bool quieter = virtualKey == kVkSubtract || virtualKey == kVkOemMinus;
    if (!louder && !quieter) return false;
    setSoundMuted(false);
    setSoundVolume(soundVolume() + (louder ? kVolumeStep : -kVolumeStep));
    playSound(SoundId::ButtonClick);  // the new level, heard at once
    saveSoundChoice();
    return true;
}

std::string soundChangeText(int volumeBefore, bool mutedBefore, int volume, bool muted)
{
    if (muted) return "Sound off";
    if (mutedBefore && volume == volumeBefore) return "Sound on";
    return "Volume " + std::to_string(volume) + "%";
}

void setSoundRequestHook(SoundRequestHook hook)
{
    state().hook = hook;
}

void playSound(SoundId id, float volume, float pan)
{
    SoundState& sound = state();
    const int index = static_cast<int>(id);
    if (index < 0 || index >= kSoundCount) return;
    if (sound.hook) sound.hook(id, volume, pan);
    if (!sound.outputOpen || sound.muted) return;

    const std::uint32_t now = tickCount();
    if (sound.playedOnce[index] && now - sound.lastPlayed[index] < minimumInterval(id)) return;
    sound.playedOnce[index] = true;
    sound.lastPlayed[index] = now;

    // Equal-power panning: a sound keeps its loudness as it moves across.
    const float v = std::isfinite(volume) ? std::clamp(volume, 0.0f, 1.0f) : 0.0f;
    const float p = std::isfinite(pan) ? std::clamp(pan, -1.0f, 1.0f) : 0.0f;
    const float angle = (p + 1.0f) * 0.25f * 3.14159265f;
    const std::vector<float>& samples = sound.bank[index];
    sound.mixer.play(samples.data(), static_cast<int>(samples.size()), v * std::cos(angle), v * std::sin(angle));
}

float panForWorldX(float x, float cameraX)
{
    // The screen's edges are half a view's width from the camera.
    const float pan = (x - cameraX) / View::kHalfWidth * kPanWidth;
    return std::isfinite(pan) ? std::clamp(pan, -1.0f, 1.0f) : 0.0f;
}

float panForOverlayX(float x)
{
    const float pan = (x / kOverlayWidth * 2.0f - 1.0f) * kPanWidth;
    return std::isfinite(pan) ? std::clamp(pan, -1.0f, 1.0f) : 0.0f;
}
