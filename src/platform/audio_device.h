#pragma once

#include <cstdint>

// The sound output of the platform layer (app/platform_audio.cpp): SDL's
// audio device, fed by the mixer of app/sound_control.h.

/// Opens the default device at the effects' rate and starts playing. With no
/// device, or one that will not open, the game runs silent: one line on
/// stderr says so, and playSound does nothing. Returns whether it plays.
bool openAudioOutput();

/// Stops and closes the device; safe when none is open.
void closeAudioOutput();

/// A device went away (the platform's event for it): when it was ours, the
/// game goes on silent after one line on stderr.
void audioDeviceRemoved(std::uint32_t deviceId);
